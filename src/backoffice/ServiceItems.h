#pragma once
// The service-item list of the item sub-panel.

// Empties the list and fills it with the live items, or with every item.
void LoadServiceItems(bool includeDeleted = false);
