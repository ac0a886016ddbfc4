#include "TextTableModel.h"

#include "QtText.h"

namespace {
const std::string kNoText;
}

TextTableModel::TextTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextTableModel::setColumnTitles(std::vector<std::string> titles) {
    beginResetModel();
    titles_ = std::move(titles);
    for (auto& row : rows_) row.resize(titles_.size());
    endResetModel();
}

int TextTableModel::appendRow() {
    const int row = rows();
    beginInsertRows(QModelIndex(), row, row);
    rows_.emplace_back(titles_.size());
    endInsertRows();
    return row;
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
    return contains(row, column) ? rows_[row][column] : kNoText;
}

bool TextTableModel::setCell(int row, int column, std::string text) {
    if (!contains(row, column)) return false;
    std::string& stored = rows_[row][column];
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
    return ToQString(rows_[index.row()][index.column()]);
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
