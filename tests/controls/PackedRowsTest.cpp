#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "PackedRows.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

void ExpectSame(const PackedRows& rows, const Table& expected, const std::string& step) {
    ASSERT_EQ(rows.rows(), static_cast<int>(expected.size())) << step;
    for (int row = 0; row < rows.rows(); ++row)
        for (int column = 0; column < rows.columns(); ++column)
            ASSERT_EQ(rows.cell(row, column), expected[row][column])
                << step << " at " << row << "," << column;
}

}  // namespace

TEST(PackedRows, RowsAreBuiltCellByCell) {
    PackedRows rows(3);
    rows.addCell("12");
    rows.addCell("张三");
    rows.extendCell("[");
    rows.extendCell("2]");
    rows.endRow();
    rows.addCell("only");
    rows.endRow();  // the missing cells are empty
    rows.endRow();  // a row without cells
    rows.addRow({"a", "b", "c", "dropped", "too"});
    rows.addCell("after");  // a dropped cell takes no later text either
    rows.addCell("x");
    rows.addCell("y");
    rows.addCell("z");
    rows.extendCell("!");
    rows.endRow();

    ExpectSame(rows,
               {{"12", "张三[2]", ""},
                {"only", "", ""},
                {"", "", ""},
                {"a", "b", "c"},
                {"after", "x", "y"}},
               "built");
    for (auto [row, column] : {std::pair{-1, 0}, {5, 0}, {0, -1}, {0, 3}})
        EXPECT_EQ(rows.cell(row, column), "") << row << "," << column;
}

// A row of empty cells holds no text, so it starts where the buffer ended when it was added.
// The row before it, shortened where it stands, must not leave that start past the buffer.
TEST(PackedRows, AnEmptyLastRowOutlivesTheRowBeforeItShrinking) {
    PackedRows rows(2);
    rows.addRow({"card 126", "张三"});
    rows.addRow({"", ""});
    rows.setCell(0, 1, "张");
    ExpectSame(rows, {{"card 126", "张"}, {"", ""}}, "shortened");
    rows.setCell(1, 1, "filled");
    ExpectSame(rows, {{"card 126", "张"}, {"", "filled"}}, "empty row filled");

    // Compaction walks every row from its start.
    PackedRows many(1);
    many.addRow({std::string(1 << 17, 'x')});
    many.endRow();
    many.setCell(0, 0, "");
    for (int i = 0; i < 4; ++i) many.setCell(0, 0, std::string(1 << 16, 'y') + "!");
    ExpectSame(many, {{std::string(1 << 16, 'y') + "!"}, {""}}, "compacted");
    EXPECT_LE(many.textBytes(), size_t{3} << 16);
}

// Cell changes, column changes and slices of other rows, checked against plain strings
// after every step: rewritten rows move to the end of the buffer and compaction moves them
// all again, so any offset kept wrong shows as a wrong cell. Empty cells and rows of empty
// cells come often: they hold no text, and their start is all that places them.
TEST(PackedRows, ChangesKeepEveryOtherCell) {
    std::mt19937 random(7);
    auto text = [&] {
        if (random() % 4 == 0) return std::string();
        std::string made(random() % 40, 'a');
        for (char& c : made) c = static_cast<char>('a' + random() % 26);
        if (random() % 5 == 0) made += "充值";
        return made;
    };
    auto cellsOf = [&](int count) {
        std::vector<std::string> cells(count);
        if (random() % 8 != 0)
            for (auto& cell : cells) cell = text();
        return cells;
    };
    PackedRows rows(4);
    Table expected;
    for (int row = 0; row < 200; ++row) {
        const std::vector<std::string> cells = cellsOf(4);
        rows.addRow(cells);
        expected.push_back(cells);
    }
    int columns = 4;
    int lastRow = 0;
    int rowBefore = 0;
    for (int step = 0; step < 20000; ++step) {
        const int what = static_cast<int>(random() % 100);
        if (what < 96) {
            // Often the row changed last, as a pass writing a row's cells one after another,
            // or the one changed before it.
            const int row = what < 14   ? lastRow
                            : what < 20 ? rowBefore
                                        : static_cast<int>(random() % expected.size());
            const int column = static_cast<int>(random() % columns);
            const int how = static_cast<int>(random() % 100);
            if (how < 10) {
                const std::string value(expected[row][column].size(), 'z');
                rows.setCell(row, column, value);
                expected[row][column] = value;
            } else if (how < 20) {
                // A cell of the rows themselves, copied into another.
                const int from = static_cast<int>(random() % expected.size());
                rows.setCell(row, column, rows.cell(from, column));
                expected[row][column] = expected[from][column];
            } else {
                const std::string value = text();
                rows.setCell(row, column, value);
                expected[row][column] = value;
            }
            if (row != lastRow) rowBefore = std::exchange(lastRow, row);
        } else if (what < 98) {
            // Rows of another list, of the same width or another.
            PackedRows other(random() % 2 == 0 ? columns : 3);
            for (int row = 0; row < 2; ++row) other.addRow(cellsOf(other.columns()));
            rows.append(other, 0, 2);
            for (int row = 0; row < 2; ++row) {
                std::vector<std::string> cells;
                for (int column = 0; column < columns; ++column)
                    cells.emplace_back(other.cell(row, column));
                expected.push_back(cells);
            }
        } else if (what < 99) {
            // A row added empty, as a list does before it sets the row's cells.
            rows.endRow();
            expected.emplace_back(columns);
            rowBefore = std::exchange(lastRow, static_cast<int>(expected.size()) - 1);
        } else {
            columns = 2 + static_cast<int>(random() % 4);
            rows.setColumns(columns);
            for (auto& cells : expected) cells.resize(columns);
        }
        ExpectSame(rows, expected, "step " + std::to_string(step));
    }
    // The rewritten rows did not pile up: compaction gave the dead text back.
    size_t live = 0;
    for (const auto& cells : expected)
        for (const auto& cell : cells) live += cell.size();
    EXPECT_LE(rows.textBytes(), 2 * live + (1 << 16));
}

TEST(PackedRows, SlicesOfOtherRowsAppendInOrder) {
    PackedRows source(2);
    for (int row = 0; row < 10; ++row)
        source.addRow({std::to_string(row), "r" + std::to_string(row)});
    source.setCell(3, 1, "moved to the end");
    PackedRows target(2);
    target.append(source, 0, 4);
    target.append(source, 4, 99);  // clipped to the rows there are
    target.append(source, 7, 2);   // nothing
    ASSERT_EQ(target.rows(), 10);
    EXPECT_EQ(target.cell(3, 1), "moved to the end");
    EXPECT_EQ(target.cell(9, 0), "9");

    target.clear();
    EXPECT_EQ(target.rows(), 0);
    EXPECT_EQ(target.textBytes(), 0u);
    EXPECT_EQ(target.columns(), 2);
    EXPECT_GT(target.heldBytes(), 0u) << "the room stays for the next rows";
    target.addRow({"again", "x"});
    EXPECT_EQ(target.cell(0, 0), "again");
    target.release();
    EXPECT_EQ(target.rows(), 0);
    EXPECT_EQ(target.heldBytes(), PackedRows(2).heldBytes());
}
