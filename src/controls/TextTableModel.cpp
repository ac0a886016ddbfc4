#include "TextTableModel.h"

#include <malloc.h>

#include <algorithm>

#include "QtText.h"

namespace {
// From this size emptying the table hands its memory back to the system at once; below it
// the memory is left for the next rows, which then need not make it resident again.
constexpr size_t kLargeTableBytes = 32 << 20;
}  // namespace

TextTableModel::TextTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextTableModel::setColumnTitles(std::vector<std::string> titles) {
    beginResetModel();
    titles_ = std::move(titles);
    rows_.setColumns(columns());
    endResetModel();
}

int TextTableModel::appendRow() {
    const int row = rows();
    beginInsertRows(QModelIndex(), row, row);
    rows_.endRow();
    endInsertRows();
    return row;
}

int TextTableModel::beginAppend(int count) {
    const int first = rows();
    if (count > 0) beginInsertRows(QModelIndex(), first, first + count - 1);
    return first;
}

int TextTableModel::appendRows(const std::vector<Row>& rows) {
    const int first = beginAppend(static_cast<int>(rows.size()));
    if (rows.empty()) return first;
    for (const Row& row : rows) rows_.addRow(row);
    endInsertRows();
    return first;
}

int TextTableModel::appendRows(PackedRows&& rows) {
    const int first = beginAppend(rows.rows());
    if (rows.empty()) return first;
    if (rows_.empty() && rows.columns() == columns())
        rows_ = std::move(rows);
    else
        rows_.append(rows, 0, rows.rows());
    endInsertRows();
    return first;
}

void TextTableModel::clearRows() {
    if (rows_.empty()) return;
    const bool large = rows_.heldBytes() >= kLargeTableBytes;
    beginResetModel();
    if (large)
        rows_.release();
    else
        rows_.clear();
    endResetModel();
    // glibc keeps freed memory for the next allocation; a large list's goes back at once.
    if (large) malloc_trim(0);
}

bool TextTableModel::contains(int row, int column) const {
    return row >= 0 && row < rows() && column >= 0 && column < columns();
}

std::string_view TextTableModel::cell(int row, int column) const { return rows_.cell(row, column); }

bool TextTableModel::setCell(int row, int column, std::string_view text) {
    if (!contains(row, column)) return false;
    if (rows_.cell(row, column) == text) return true;
    rows_.setCell(row, column, text);
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
    return true;
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns();
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !contains(index.row(), index.column())) return {};
    return ToQString(cell(index.row(), index.column()));
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columns())
        return {};
    return ToQString(titles_[section]);
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
