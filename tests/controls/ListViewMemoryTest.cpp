#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ListView.h"
#include "WindowOps.h"

namespace {

double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096;
}

}  // namespace

// A history of many records: its rows cost about their text, and emptying the list hands
// the memory back to the system rather than keeping it in the process.
TEST(ListViewMemory, ALongListIsHeldCompactlyAndEmptyingGivesItBack) {
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "a sanitizer's allocator keeps memory its own way";
#endif
    ListView view;
    view.setColumns({"充值ID|0", "会员卡号|80", "姓名|100", "充值时间|170", "实付金额|100",
                     "赠送|60", "合计|100", "方式|60", "备注|160", "操作员|100"});
    view.resize(950, 432);
    view.show();
    QCoreApplication::processEvents();
    constexpr int kRows = 400000;
    constexpr int kSlice = 20000;
    const double before = ResidentBytes();
    size_t textBytes = 0;
    for (int first = 0; first < kRows; first += kSlice) {
        std::vector<std::vector<std::string>> rows;
        for (int row = first; row < first + kSlice; ++row) {
            rows.push_back({std::to_string(row), std::to_string(10000 + row % 5000),
                            "会员" + std::to_string(row % 5000), "2024-03-01 10:00:00",
                            std::to_string(row % 500), "20", std::to_string(row % 500 + 20), "微信",
                            "", "[2]王五"});
            for (const std::string& cell : rows.back()) textBytes += cell.size();
        }
        ListViewAppendRows(&view, std::move(rows));
    }
    QCoreApplication::processEvents();
    const double filled = ResidentBytes();
    ListViewClear(&view);
    QCoreApplication::processEvents();
    const double emptied = ResidentBytes();

    const double perRow = (filled - before) / kRows;
    std::printf(
        "[          ] %d rows (%.0f bytes of text each): %.0f bytes a row, %.1f MB kept "
        "after emptying\n",
        kRows, static_cast<double>(textBytes) / kRows, perRow, (emptied - before) / (1 << 20));
    EXPECT_EQ(ListViewGetCell(&view, 0, 0), "");
    EXPECT_LT(perRow, 250);
    EXPECT_LT(emptied - before, (filled - before) / 4);
}
