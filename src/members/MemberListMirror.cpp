// Copying visible member rows into their twins in the spare list.
#include <optional>
#include <string>
#include <unordered_map>

#include "controls/ListViewOps.h"
#include "controls/WindowThread.h"
#include "form/MainWindow.h"
#include "members/MemberList.h"
#include "members/MemberListSweep.h"

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

// Only a load changes the spare list's card numbers, and a load stops the pass that mirrors,
// so the first spare row of each card number, looked up once, is the one the scan from the
// first row would find. One row per step: the window's thread runs it in short slices.
class AllRowsMirror {
  public:
    AllRowsMirror(ListView* visible, ListView* spare) : visible_(visible), spare_(spare) {}

    bool step() {
        if (spareRows_ < 0) {
            spareRows_ = ListViewRowCount(spare_);
            firstSpareRow_.reserve(spareRows_);
        }
        if (indexed_ < spareRows_) {
            firstSpareRow_.emplace(ListViewGetCell(spare_, indexed_, 0), indexed_);
            ++indexed_;
            return true;
        }
        if (row_ >= ListViewRowCount(visible_)) return false;
        const auto twin = firstSpareRow_.find(ListViewGetCell(visible_, row_, 0));
        if (twin != firstSpareRow_.end()) CopyCells(visible_, row_, spare_, twin->second);
        return ++row_ < ListViewRowCount(visible_);
    }

  private:
    ListView* visible_;
    ListView* spare_;
    std::unordered_map<std::string, int> firstSpareRow_;
    int spareRows_ = -1;
    int indexed_ = 0;
    int row_ = 0;
};

ListView* VisibleList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }
ListView* SpareList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表备用; }

}  // namespace

// Each row is copied in one go on the window's thread, so no other routine changes a row
// while it is copied; all rows are copied a slice at a time.
void MirrorMemberRows(bool selectedOnly) {
    if (selectedOnly) {
        RunOnWindowThread([] {
            if (MainWindowExists()) MirrorSelectedRow(VisibleList(), SpareList());
        });
        return;
    }
    const uint64_t pass = ThisTotalsPass();
    std::optional<AllRowsMirror> mirror;
    RunOnWindowThreadInSlices([&] {
        if (!MainWindowExists() || !TotalsPassIsCurrent(pass)) return false;
        if (!mirror) mirror.emplace(VisibleList(), SpareList());
        return mirror->step();
    });
}
