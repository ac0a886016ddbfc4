#include "TextTableModel.h"

#include <iterator>

#include "QtText.h"

namespace {
const std::string kNoText;
}

TextTableModel::TextTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextTableModel::setColumnTitles(std::vector<std::string> titles) {
    beginResetModel();
    titles_ = std::move(titles);
    for (auto& row : rows_)
        if (row.size() > titles_.size()) row.resize(titles_.size());
    endResetModel();
}

int TextTableModel::appendRow() {
    const int row = rows();
    beginInsertRows(QModelIndex(), row, row);
    rows_.emplace_back();
    endInsertRows();
    return row;
}

int TextTableModel::appendRows(std::vector<Row> rows) {
    const int first = this->rows();
    if (rows.empty()) return first;
    for (Row& row : rows)
        if (row.size() > titles_.size()) row.resize(titles_.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    if (rows_.empty())
        rows_ = std::move(rows);
    else
        rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                     std::make_move_iterator(rows.end()));
    endInsertRows();
    return first;
}

void TextTableModel::clearRows() {
    if (rows_.empty()) return;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

bool TextTableModel::contains(int row, int column) const {
    return row >= 0 && row < rows() && column >= 0 && column < columns();
}

const std::string& TextTableModel::cell(int row, int column) const {
    if (!contains(row, column)) return kNoText;
    const Row& cells = rows_[row];
    return static_cast<size_t>(column) < cells.size() ? cells[column] : kNoText;
}

bool TextTableModel::setCell(int row, int column, std::string text) {
    if (!contains(row, column)) return false;
    Row& cells = rows_[row];
    if (static_cast<size_t>(column) >= cells.size()) {
        if (text.empty()) return true;
        // Once a row's later cells are written, most of them are: room for all at once.
        cells.reserve(titles_.size());
        cells.resize(column + 1);
    }
    std::string& stored = cells[column];
    if (stored == text) return true;
    stored = std::move(text);
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
