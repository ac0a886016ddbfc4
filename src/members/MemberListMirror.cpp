// Copying visible member rows into their twins in the spare list.
#include <string>
#include <unordered_map>

#include "controls/ListViewOps.h"
#include "controls/WindowThread.h"
#include "form/MainWindow.h"
#include "members/MemberList.h"

namespace {

void CopyCells(ListView* visible, int row, ListView* spare, int spareRow) {
    for (int column = 1; column <= 8; ++column)
        ListViewSetCell(spare, spareRow, column, ListViewGetCell(visible, row, column));
}

void MirrorSelectedRow(ListView* visible, ListView* spare) {
    const int row = ListViewCurrentRow(visible);
    if (row == -1) return;
    const std::string key = ListViewGetCell(visible, row, 0);
    for (int spareRow = 0; spareRow < ListViewRowCount(spare); ++spareRow) {
        if (ListViewGetCell(spare, spareRow, 0) == key) {
            CopyCells(visible, row, spare, spareRow);
            return;
        }
    }
}

// Nothing changes the spare list's card numbers while this runs, so the first spare row of
// each card number, looked up once, is the one the scan from the first row would find.
void MirrorAllRows(ListView* visible, ListView* spare) {
    std::unordered_map<std::string, int> firstSpareRow;
    const int spareRows = ListViewRowCount(spare);
    firstSpareRow.reserve(spareRows);
    for (int spareRow = 0; spareRow < spareRows; ++spareRow)
        firstSpareRow.emplace(ListViewGetCell(spare, spareRow, 0), spareRow);
    for (int row = 0; row < ListViewRowCount(visible); ++row) {
        const auto twin = firstSpareRow.find(ListViewGetCell(visible, row, 0));
        if (twin != firstSpareRow.end()) CopyCells(visible, row, spare, twin->second);
    }
}

}  // namespace

// In one go on the window's thread, so no other routine changes a row while it is copied.
void MirrorMemberRows(bool selectedOnly) {
    RunOnWindowThread([selectedOnly] {
        if (!MainWindowExists()) return;
        ListView* visible = TheMainWindow().ui.超级列表框_会员管理_会员列表;
        ListView* spare = TheMainWindow().ui.超级列表框_会员管理_会员列表备用;
        if (selectedOnly)
            MirrorSelectedRow(visible, spare);
        else
            MirrorAllRows(visible, spare);
    });
}
