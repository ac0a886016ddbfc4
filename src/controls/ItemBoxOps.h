#pragma once
// List box and combo box items: a text and a 32-bit data value, 0-based, -1 means none.
// Each may be called from any thread, like the list view operations.

#include <cstdint>
#include <string>

class QComboBox;
class QListWidget;

// Appends an item and returns its index.
int ListBoxAddItem(QListWidget* box, const std::string& text, int32_t data = 0);
int ListBoxItemCount(QListWidget* box);
// "" and 0 outside the list.
std::string ListBoxItemText(QListWidget* box, int item);
int32_t ListBoxItemData(QListWidget* box, int item);
void ListBoxClear(QListWidget* box);
int ListBoxCurrentItem(QListWidget* box);

int ComboBoxAddItem(QComboBox* box, const std::string& text, int32_t data = 0);
int ComboBoxItemCount(QComboBox* box);
void ComboBoxClear(QComboBox* box);
// -1 shows no item.
void ComboBoxSetCurrentItem(QComboBox* box, int item);
std::string ComboBoxText(QComboBox* box);
// An editable combo box takes any text; any other shows the first item with exactly this
// text, or nothing when no item has it.
void ComboBoxSetText(QComboBox* box, const std::string& text);
