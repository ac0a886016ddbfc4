#pragma once
// List view operations; rows and columns are 0-based, -1 means none. Each may be called
// from any thread: away from the window's thread it waits for the window's thread to run it.

#include <string>
#include <vector>

class ListView;
class PackedRows;

// Appends an empty row and returns its index.
int ListViewInsertRow(ListView* view);
// Appends the rows (cells from column 0; missing ones empty) at once and returns the index
// of the first: a list of many rows is filled with one notification instead of one per row.
int ListViewAppendRows(ListView* view, const std::vector<std::vector<std::string>>& rows);
// The same for packed rows; an empty list takes them over without a copy.
int ListViewAppendRows(ListView* view, PackedRows&& rows);
// "" outside the table.
std::string ListViewGetCell(ListView* view, int row, int column);
// Ignored outside the table.
void ListViewSetCell(ListView* view, int row, int column, const std::string& text);
int ListViewRowCount(ListView* view);
int ListViewColumnCount(ListView* view);
// Removes every row; the columns stay.
void ListViewClear(ListView* view);
// Ascending.
std::vector<int> ListViewSelectedRows(ListView* view);
void ListViewSelectRow(ListView* view, int row);
void ListViewDeselectRow(ListView* view, int row);
void ListViewEnsureRowVisible(ListView* view, int row);
// Widens the columns to their cells' texts, the stored widths as the least.
void ListViewWidenColumnsToContents(ListView* view);
int ListViewCurrentRow(ListView* view);
// Makes the row current and the only selected one; -1 clears the selection.
void ListViewSetCurrentRow(ListView* view, int row);
