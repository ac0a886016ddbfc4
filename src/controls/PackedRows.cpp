#include "PackedRows.h"

#include <sys/mman.h>

#include <algorithm>

namespace {
// Below this the unused bytes are not worth a pass over the rows.
constexpr size_t kCompactAfter = 1 << 16;
constexpr size_t kHugePage = 2 << 20;

// A large buffer in huge pages: it is written once from end to end, and making it resident
// page by page costs more than writing it.
void AdviseHugePages(const void* data, size_t bytes) {
    if (bytes < 4 * kHugePage) return;
    const auto begin = reinterpret_cast<uintptr_t>(data);
    const uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
    if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
}  // namespace

PackedRows::PackedRows(int columns) : columns_(std::max(columns, 0)) {}

void PackedRows::reserve(size_t rows, size_t textBytes) {
    rowStart_.reserve(rows);
    cellEnd_.reserve(rows * static_cast<size_t>(columns_));
    text_.reserve(textBytes);
    AdviseHugePages(rowStart_.data(), rowStart_.capacity() * sizeof(size_t));
    AdviseHugePages(cellEnd_.data(), cellEnd_.capacity() * sizeof(uint32_t));
    AdviseHugePages(text_.data(), text_.capacity());
}

void PackedRows::addCell(std::string_view text) {
    if (!open_) {
        open_ = true;
        openStart_ = text_.size();
        added_ = 0;
    }
    if (++added_ > columns_) return;
    text_.append(text);
    cellEnd_.push_back(static_cast<uint32_t>(text_.size() - openStart_));
}

void PackedRows::extendCell(std::string_view text) {
    if (!open_ || added_ == 0 || added_ > columns_) return;
    text_.append(text);
    cellEnd_.back() = static_cast<uint32_t>(text_.size() - openStart_);
}

void PackedRows::endRow() {
    if (!open_) {
        openStart_ = text_.size();
        added_ = 0;
    }
    const uint32_t end = static_cast<uint32_t>(text_.size() - openStart_);
    for (int column = std::min(added_, columns_); column < columns_; ++column)
        cellEnd_.push_back(end);
    rowStart_.push_back(openStart_);
    lastWritten_ = rows() - 1;
    open_ = false;
}

void PackedRows::addRow(const std::vector<std::string>& cells) {
    for (const std::string& text : cells) addCell(text);
    endRow();
}

void PackedRows::append(const PackedRows& other, int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, other.rows());
    for (int row = first; row < last; ++row) {
        if (other.columns_ == columns_) {
            const size_t start = other.rowStart_[row];
            rowStart_.push_back(text_.size());
            text_.append(other.text_, start, other.rowEnd(row) - start);
            const auto ends = other.cellEnd_.begin() + static_cast<ptrdiff_t>(row) * columns_;
            cellEnd_.insert(cellEnd_.end(), ends, ends + columns_);
            lastWritten_ = rows() - 1;
            continue;
        }
        for (int column = 0; column < other.columns_; ++column) addCell(other.cell(row, column));
        endRow();
    }
}

size_t PackedRows::rowEnd(int row) const {
    if (columns_ == 0) return rowStart_[row];
    return rowStart_[row] + cellEnd_[static_cast<size_t>(row) * columns_ + columns_ - 1];
}

size_t PackedRows::heldBytes() const {
    return text_.capacity() + rowStart_.capacity() * sizeof(size_t) +
           cellEnd_.capacity() * sizeof(uint32_t);
}

std::string_view PackedRows::cell(int row, int column) const {
    if (row < 0 || row >= rows() || column < 0 || column >= columns_) return {};
    const size_t first = static_cast<size_t>(row) * columns_;
    const size_t begin = column == 0 ? 0 : cellEnd_[first + column - 1];
    return std::string_view(text_).substr(rowStart_[row] + begin, cellEnd_[first + column] - begin);
}

void PackedRows::setCell(int row, int column, std::string_view text) {
    if (row < 0 || row >= rows() || column < 0 || column >= columns_) return;
    if (text.data() >= text_.data() && text.data() < text_.data() + text_.size()) {
        // A text from these rows themselves is copied before the buffer moves.
        setCell(row, column, std::string(text));
        return;
    }
    const size_t first = static_cast<size_t>(row) * columns_;
    const size_t start = rowStart_[row];
    const size_t end = rowEnd(row);
    const size_t cellBegin = start + (column == 0 ? 0 : cellEnd_[first + column - 1]);
    const size_t cellLength = start + cellEnd_[first + column] - cellBegin;
    if (cellLength == text.size() || row == lastWritten_) {
        // The same length, or the last row of the buffer: changed where it stands.
        text_.replace(cellBegin, cellLength, text);
    } else {
        text_.reserve(text_.size() + (end - start) - cellLength + text.size());
        rowStart_[row] = text_.size();
        lastWritten_ = row;
        text_.append(text_, start, cellBegin - start);
        text_.append(text);
        text_.append(text_, cellBegin + cellLength, end - cellBegin - cellLength);
        unused_ += end - start;
    }
    const int64_t shift = static_cast<int64_t>(text.size()) - static_cast<int64_t>(cellLength);
    for (int c = column; c < columns_; ++c)
        cellEnd_[first + c] = static_cast<uint32_t>(cellEnd_[first + c] + shift);
    if (!open_ && unused_ > kCompactAfter && unused_ * 2 > text_.size()) compact();
}

void PackedRows::setColumns(int columns) {
    columns = std::max(columns, 0);
    if (columns == columns_) return;
    std::vector<uint32_t> ends;
    ends.reserve(rowStart_.size() * static_cast<size_t>(columns));
    for (int row = 0; row < rows(); ++row) {
        const size_t first = static_cast<size_t>(row) * columns_;
        const int kept = std::min(columns, columns_);
        ends.insert(ends.end(), cellEnd_.begin() + first, cellEnd_.begin() + first + kept);
        const uint32_t end = kept == 0 ? 0 : ends.back();
        unused_ += (rowEnd(row) - rowStart_[row]) - end;
        ends.resize(ends.size() + (columns - kept), end);
    }
    cellEnd_.swap(ends);
    columns_ = columns;
}

void PackedRows::compact() {
    std::string packed;
    packed.reserve(text_.size() - unused_);
    for (int row = 0; row < rows(); ++row) {
        const size_t start = rowStart_[row];
        const size_t end = rowEnd(row);
        rowStart_[row] = packed.size();
        packed.append(text_, start, end - start);
    }
    text_.swap(packed);
    unused_ = 0;
    lastWritten_ = rows() - 1;
}

void PackedRows::clear() {
    text_.clear();
    rowStart_.clear();
    cellEnd_.clear();
    unused_ = 0;
    lastWritten_ = -1;
    open_ = false;
    added_ = 0;
}

void PackedRows::release() {
    clear();
    std::string().swap(text_);
    std::vector<size_t>().swap(rowStart_);
    std::vector<uint32_t>().swap(cellEnd_);
}
