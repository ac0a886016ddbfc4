#include "ListViewOps.h"

#include "ListView.h"
#include "WindowThread.h"

int ListViewInsertRow(ListView* view) {
    int row = -1;
    RunOnWindowThread([&] { row = view->appendRow(); });
    return row;
}

int ListViewAppendRows(ListView* view, const std::vector<std::vector<std::string>>& rows) {
    int first = -1;
    RunOnWindowThread([&] { first = view->appendRows(rows); });
    return first;
}

int ListViewAppendRows(ListView* view, PackedRows&& rows) {
    int first = -1;
    RunOnWindowThread([&] { first = view->appendRows(std::move(rows)); });
    return first;
}

std::string ListViewGetCell(ListView* view, int row, int column) {
    std::string text;
    RunOnWindowThread([&] { text = view->cell(row, column); });
    return text;
}

void ListViewSetCell(ListView* view, int row, int column, const std::string& text) {
    RunOnWindowThread([&] { view->setCell(row, column, text); });
}

int ListViewRowCount(ListView* view) {
    int rows = 0;
    RunOnWindowThread([&] { rows = view->rows(); });
    return rows;
}

int ListViewColumnCount(ListView* view) {
    int columns = 0;
    RunOnWindowThread([&] { columns = view->columnTotal(); });
    return columns;
}

void ListViewClear(ListView* view) {
    RunOnWindowThread([&] { view->clearRows(); });
}

std::vector<int> ListViewSelectedRows(ListView* view) {
    std::vector<int> rows;
    RunOnWindowThread([&] { rows = view->selectedRows(); });
    return rows;
}

void ListViewSelectRow(ListView* view, int row) {
    RunOnWindowThread([&] { view->setRowSelected(row, true); });
}

void ListViewDeselectRow(ListView* view, int row) {
    RunOnWindowThread([&] { view->setRowSelected(row, false); });
}

void ListViewEnsureRowVisible(ListView* view, int row) {
    RunOnWindowThread([&] { view->ensureRowVisible(row); });
}

void ListViewWidenColumnsToContents(ListView* view) {
    RunOnWindowThread([&] { view->widenColumnsToContents(); });
}

int ListViewCurrentRow(ListView* view) {
    int row = -1;
    RunOnWindowThread([&] { row = view->currentRow(); });
    return row;
}

void ListViewSetCurrentRow(ListView* view, int row) {
    RunOnWindowThread([&] { view->setCurrentRow(row); });
}
