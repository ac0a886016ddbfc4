// Placeholder until the handlers are built.
#include "consumption/QuickConsume.h"

void OpenQuickConsumePanel() {}
void FillItemListBox(QListWidget*) {}
void AddItemToBill() {}
void CheckBillTotal() {}
void ShowBillLines() {}
std::string TextBetween(const std::string&, const std::string&, const std::string&, std::optional<int>, bool) { return {}; }
void ConnectQuickConsume(MainWindow&) {}
