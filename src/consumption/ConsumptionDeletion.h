#pragma once
// The administrator's deletion of a consumption record from page 2: the context menu 消费操作
// and the list's Delete key.

class MainWindow;

void DeleteSelectedConsumptionRecord();

void ConnectConsumptionDeletion(MainWindow& window);
