#include "ListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "QtText.h"
#include "TextTableModel.h"

namespace {

constexpr int kDefaultColumnWidth = 100;

std::pair<QString, int> ParseColumnEntry(const QString& entry) {
    const qsizetype bar = entry.lastIndexOf(QLatin1Char('|'));
    if (bar < 0) return {entry, kDefaultColumnWidth};
    bool ok = false;
    const int width = entry.mid(bar + 1).trimmed().toInt(&ok);
    return {entry.left(bar), ok && width >= 0 ? width : kDefaultColumnWidth};
}

}  // namespace

ListView::ListView(QWidget* parent) : QTableView(parent), table_(new TextTableModel(this)) {
    setModel(table_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab and Shift+Tab go on to the next control: a table would move its current cell with
    // them, into the next row, and so change the current member.
    setTabKeyNavigation(false);
    setSortingEnabled(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fitRowHeight();

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListView::forgetSelectedRows);
    // A reset drops the selection without a signal; moved rows change what the numbers mean.
    connect(table_, &QAbstractItemModel::modelReset, this, &ListView::forgetSelectedRows);
    connect(table_, &QAbstractItemModel::rowsRemoved, this, &ListView::forgetSelectedRows);
    connect(table_, &QAbstractItemModel::rowsInserted, this, &ListView::forgetSelectedRows);
    connect(table_, &QAbstractItemModel::layoutChanged, this, &ListView::forgetSelectedRows);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListView::noticeCurrentRow);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ListView::noticeCurrentRow);
    connect(table_, &QAbstractItemModel::modelReset, this, &ListView::noticeCurrentRow);
}

void ListView::setColumns(const QStringList& entries) {
    columnEntries_ = entries;
    std::vector<std::string> titles;
    std::vector<int> widths;
    for (const QString& entry : entries) {
        const auto [title, width] = ParseColumnEntry(entry);
        titles.push_back(ToStdString(title));
        widths.push_back(width);
    }
    pendingSelection_.clear();
    table_->setColumnTitles(std::move(titles));
    for (int column = 0; column < static_cast<int>(widths.size()); ++column)
        horizontalHeader()->resizeSection(column, widths[column]);
}

void ListView::setMultiSelection(bool multi) {
    applyPendingSelection();
    multiSelection_ = multi;
    setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                           : QAbstractItemView::SingleSelection);
}

int ListView::appendRow() { return table_->appendRow(); }

int ListView::appendRows(const std::vector<std::vector<std::string>>& rows) {
    return table_->appendRows(rows);
}

int ListView::appendRows(PackedRows&& rows) { return table_->appendRows(std::move(rows)); }

int ListView::appendRowsOf(const ListView& other, const std::vector<int>& rows) {
    const PackedRows& from = other.table_->packedRows();
    PackedRows copy(from.columns());
    for (size_t at = 0; at < rows.size();) {
        size_t end = at + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1) ++end;
        copy.append(from, rows[at], rows[end - 1] + 1);
        at = end;
    }
    return table_->appendRows(std::move(copy));
}

void ListView::clearRows() {
    pendingSelection_.clear();
    table_->clearRows();
}

int ListView::rows() const { return table_->rows(); }

int ListView::columnTotal() const { return table_->columns(); }

std::string ListView::cell(int row, int column) const {
    return std::string(table_->cell(row, column));
}

void ListView::setCell(int row, int column, std::string text) {
    table_->setCell(row, column, std::move(text));
}

std::vector<int> ListView::selectedRows() {
    applyPendingSelection();
    if (selectedRowsKnown_) return knownSelectedRows_;
    std::vector<int> result;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) result.push_back(row);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

void ListView::setRowSelected(int row, bool selected) {
    if (row < 0 || row >= rows() || columnTotal() == 0) return;
    if (!multiSelection_) {
        const auto how =
            selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Deselect;
        selectionModel()->select(table_->index(row, 0), how | QItemSelectionModel::Rows);
        return;
    }
    pendingSelection_.emplace_back(row, selected);
    if (!selectionFlushQueued_) {
        selectionFlushQueued_ = true;
        QTimer::singleShot(0, this, &ListView::applyPendingSelection);
    }
}

void ListView::setSelectedRows(const std::vector<int>& rows) {
    pendingSelection_.clear();
    const int total = this->rows();
    const int lastColumn = columnTotal() - 1;
    std::vector<int> kept;
    kept.reserve(rows.size());
    for (const int row : rows)
        if (row >= 0 && row < total && lastColumn >= 0 && (kept.empty() || row > kept.back()))
            kept.push_back(row);
    if (!multiSelection_ && kept.size() > 1) kept.erase(kept.begin(), kept.end() - 1);

    QItemSelection selection;
    for (size_t at = 0; at < kept.size();) {
        size_t end = at;
        while (end + 1 < kept.size() && kept[end + 1] == kept[end] + 1) ++end;
        selection.select(table_->index(kept[at], 0), table_->index(kept[end], lastColumn));
        at = end + 1;
    }
    // Qt compares the selection it replaces with the new one range by range before it
    // signals, unless one of them is empty: passing through the empty selection keeps both
    // steps linear.
    settingSelection_ = true;
    selectionModel()->clearSelection();
    if (!selection.isEmpty()) selectionModel()->select(selection, QItemSelectionModel::Select);
    settingSelection_ = false;
    knownSelectedRows_ = std::move(kept);
    selectedRowsKnown_ = true;
    noticeCurrentRow();
}

void ListView::forgetSelectedRows() {
    if (settingSelection_) return;
    selectedRowsKnown_ = false;
    knownSelectedRows_.clear();
}

void ListView::applyPendingSelection() {
    selectionFlushQueued_ = false;
    if (pendingSelection_.empty()) return;
    const int total = rows();
    std::vector<char> selected(total, 0);
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom() && row < total; ++row) selected[row] = 1;
    for (const auto& [row, on] : pendingSelection_)
        if (row < total) selected[row] = on;
    pendingSelection_.clear();

    QItemSelection selection;
    const int lastColumn = columnTotal() - 1;
    for (int row = 0; row < total; ++row) {
        if (!selected[row]) continue;
        int end = row;
        while (end + 1 < total && selected[end + 1]) ++end;
        selection.select(table_->index(row, 0), table_->index(end, lastColumn));
        row = end;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int ListView::currentRow() {
    applyPendingSelection();
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), QModelIndex()))
        return current.row();
    if (selectedRowsKnown_) return knownSelectedRows_.empty() ? -1 : knownSelectedRows_.front();
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (first < 0 || range.top() < first) first = range.top();
    return first;
}

void ListView::setCurrentRow(int row) {
    applyPendingSelection();
    if (row >= 0 && row < rows() && columnTotal() > 0) {
        selectionModel()->setCurrentIndex(
            table_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return;
    }
    selectionModel()->clearSelection();
    selectionModel()->clearCurrentIndex();
}

void ListView::ensureRowVisible(int row) {
    if (row >= 0 && row < rows() && columnTotal() > 0) scrollTo(table_->index(row, 0));
}

void ListView::widenColumnsToContents() {
    // The grid line takes a pixel of the cell.
    const int grid = showGrid() ? 1 : 0;
    for (int column = 0; column < columnEntries_.size() && column < columnTotal(); ++column) {
        const int stored = ParseColumnEntry(columnEntries_[column]).second;
        if (stored == 0) continue;
        int needed = horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < rows(); ++row)
            needed = std::max(needed, sizeHintForIndex(table_->index(row, column)).width());
        horizontalHeader()->resizeSection(column, std::max(stored, needed + grid));
    }
}

void ListView::noticeCurrentRow() {
    if (settingSelection_) return;
    const int now = currentRow();
    if (now == lastCurrentRow_) return;
    lastCurrentRow_ = now;
    emit currentRowChanged();
}

void ListView::fitRowHeight() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

void ListView::mousePressEvent(QMouseEvent* event) {
    applyPendingSelection();
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::RightButton) emit rightClicked();
}

void ListView::keyPressEvent(QKeyEvent* event) {
    applyPendingSelection();
    if (event->key() == Qt::Key_Delete) {
        emit deleteKeyPressed();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) fitRowHeight();
    QTableView::changeEvent(event);
}
