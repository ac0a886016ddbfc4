#pragma once
// Rows of UTF-8 text cells packed into one buffer: a row costs its text, one offset and one
// end per column, instead of a string object per cell. Long lists are built and held so.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class PackedRows {
  public:
    explicit PackedRows(int columns = 0);

    int columns() const { return columns_; }
    int rows() const { return static_cast<int>(rowStart_.size()); }
    bool empty() const { return rowStart_.empty(); }
    size_t textBytes() const { return text_.size(); }
    // The memory the rows hold, room included.
    size_t heldBytes() const;
    void reserve(size_t rows, size_t textBytes);

    // Builds a row at the end: its cells are added in column order, then the row is ended
    // (missing cells empty, cells beyond the columns dropped).
    void addCell(std::string_view text);
    // Appends the text to the cell being added.
    void extendCell(std::string_view text);
    void endRow();
    void addRow(const std::vector<std::string>& cells);

    // Appends rows first to last (not included) of other.
    void append(const PackedRows& other, int first, int last);

    // "" outside the rows and columns.
    std::string_view cell(int row, int column) const;
    // The row keeps its other cells. A cell of another length moves its row to the end of the
    // buffer (unless it is there already), and the buffer is compacted once most of it is no
    // longer referred to. Not while a row is being built.
    void setCell(int row, int column, std::string_view text);
    // Rows keep their first cells; new columns are empty.
    void setColumns(int columns);
    // Drops the rows and keeps the room for the next ones.
    void clear();
    // Drops the rows and gives their memory back.
    void release();

  private:
    size_t rowEnd(int row) const;
    void compact();

    int columns_;
    std::string text_;
    // Per row: where its cells start in text_.
    std::vector<size_t> rowStart_;
    // Per row, per column: where the cell ends, counted from the row's start.
    std::vector<uint32_t> cellEnd_;
    // The row being built: open, where it starts, how many cells were added to it.
    bool open_ = false;
    size_t openStart_ = 0;
    int added_ = 0;
    // Bytes of text_ that no row refers to any more.
    size_t unused_ = 0;
    // The row written last, whose text ends text_ (-1: none). Only it may change its length
    // where it stands: a row of empty cells added after another ends where that one ends,
    // and would be left past the buffer if the other shrank.
    int lastWritten_ = -1;
};
