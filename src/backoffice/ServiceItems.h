#pragma once
// The item sub-panel: the service-item list, its reload, and adding and deleting items.

class MainWindow;

// Empties the list and fills it with the live items, or with every item (a deleted one
// named "_[" + name + "]").
void LoadServiceItems(bool includeDeleted = false);
void ReloadServiceItems();
void AddServiceItem();
void DeleteSelectedServiceItem();

void ConnectServiceItems(MainWindow& window);
