#pragma once
// The quick-consume panel and its bill.

#include <optional>
#include <string>

class MainWindow;
class QListWidget;

void OpenQuickConsumePanel();
void FillItemListBox(QListWidget* listBox);
void AddItemToBill();
void CheckBillTotal();
void ShowBillLines();
// The text between startMarker and the next endMarker ("" when either is missing);
// "#引号" in a marker stands for a double quote. Positions count GBK bytes.
std::string TextBetween(const std::string& text, const std::string& startMarker,
                        const std::string& endMarker,
                        std::optional<int> startPosition = std::nullopt, bool ignoreCase = false);

void ConnectQuickConsume(MainWindow& window);
