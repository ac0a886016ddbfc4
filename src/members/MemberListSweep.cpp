#include "members/MemberListSweep.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>
#include <vector>

#include "controls/ListViewOps.h"
#include "controls/WindowThread.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "runtime/texts.h"

namespace {

// Card numbers are read this many rows at a time, and results handed over at least this
// often: the pass costs the window's thread a few short calls instead of one per cell.
constexpr int kRowsPerRead = 500;
constexpr auto kHandOverEvery = std::chrono::milliseconds(15);

ListView* VisibleList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }

// Cell 0 of the visible rows, read on the window's thread a block at a time.
class CardNumbers {
  public:
    // Takes the row count, and the first block with it; false once the window is gone.
    bool start() { return read(0, -1); }
    int rows() const { return rows_; }
    // nullopt once the window is gone. Rows are asked for in ascending order.
    std::optional<std::string> at(int row) {
        if (row >= first_ + static_cast<int>(block_.size()) && !read(row, rows_))
            return std::nullopt;
        return block_[row - first_];
    }

  private:
    // rows < 0: take the row count now.
    bool read(int first, int rows) {
        bool windowExists = false;
        RunOnWindowThread([&] {
            if (!MainWindowExists()) return;
            windowExists = true;
            ListView* list = VisibleList();
            rows_ = rows < 0 ? ListViewRowCount(list) : rows;
            block_.clear();
            for (int row = first; row < std::min(rows_, first + kRowsPerRead); ++row)
                block_.push_back(ListViewGetCell(list, row, 0));
        });
        first_ = first;
        return windowExists;
    }

    int rows_ = 0;
    int first_ = 0;
    std::vector<std::string> block_;
};

class WriteBatch {
  public:
    void add(RowWrite write) {
        writes_.push_back(std::move(write));
        if (std::chrono::steady_clock::now() - since_ >= kHandOverEvery) handOver();
    }
    void handOver() {
        since_ = std::chrono::steady_clock::now();
        if (writes_.empty()) return;
        PostToWindowThread([writes = std::move(writes_)] {
            if (!MainWindowExists()) return;
            for (const RowWrite& write : writes) write(VisibleList());
        });
        writes_.clear();
    }

  private:
    std::vector<RowWrite> writes_;
    std::chrono::steady_clock::time_point since_ = std::chrono::steady_clock::now();
};

}  // namespace

void SweepVisibleRows(const RowComputation& compute) {
    CardNumbers cards;
    if (!cards.start() || cards.rows() == 0) return;
    const DbHandle connection = OpenPrivateConnection();
    if (connection == 0) return;
    WriteBatch batch;
    for (int row = 0; row < cards.rows(); ++row) {
        const std::optional<std::string> id = cards.at(row);
        if (!id) break;
        if (ToInteger(*id) == 0) continue;
        if (RowWrite write = compute(row, *id, connection)) batch.add(std::move(write));
        // A lost connection runs no further statement: the remaining rows keep their cells.
        if (DbConnectionBroken(connection)) break;
    }
    batch.handOver();
    DbClose(connection);
}
