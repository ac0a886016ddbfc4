#pragma once
#include <QStringList>
#include <QTableView>
#include <string>
#include <utility>
#include <vector>

class PackedRows;
class TextTableModel;

// A report view of text cells: whole rows are selected, nothing is edited or sorted, and
// every row has the same fixed height so that tens of thousands of rows stay cheap.
// Columns are given as "title|width" entries.
class ListView : public QTableView {
    Q_OBJECT
    Q_PROPERTY(QStringList columns READ columns WRITE setColumns)

  public:
    explicit ListView(QWidget* parent = nullptr);

    QStringList columns() const { return columnEntries_; }
    void setColumns(const QStringList& entries);
    // Several rows may then be selected at once; otherwise selecting a row drops the others.
    void setMultiSelection(bool multi);
    bool multiSelection() const { return multiSelection_; }

    int appendRow();
    // Many rows with one notification; returns the index of the first.
    int appendRows(const std::vector<std::vector<std::string>>& rows);
    // The same for packed rows: an empty list takes them over without a copy.
    int appendRows(PackedRows&& rows);
    // The other list's rows, in the order given, with one notification; consecutive rows are
    // copied as one run of text.
    int appendRowsOf(const ListView& other, const std::vector<int>& rows);
    void clearRows();
    int rows() const;
    int columnTotal() const;
    std::string cell(int row, int column) const;
    void setCell(int row, int column, std::string text);

    std::vector<int> selectedRows();
    void setRowSelected(int row, bool selected);
    // Replaces the whole selection by these rows (ascending, each once; a single-selection
    // list keeps the last), at a cost that does not depend on the selection replaced.
    void setSelectedRows(const std::vector<int>& rows);
    // The current row if it is selected, else the first selected row; -1 when none is.
    int currentRow();
    // -1 clears the selection.
    void setCurrentRow(int row);
    void ensureRowVisible(int row);
    // Each seen column as wide as its widest cell or its title needs, never narrower than
    // its stored width; a column stored 0 wide stays unseen. Costs a pass over every cell.
    void widenColumnsToContents();

  signals:
    void currentRowChanged();
    void rightClicked();
    void deleteKeyPressed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void applyPendingSelection();
    void forgetSelectedRows();
    void noticeCurrentRow();
    void fitRowHeight();

    TextTableModel* table_;
    QStringList columnEntries_;
    bool multiSelection_ = false;
    // Selection changes of a multi-selection list, applied together: Qt's selection model
    // compares whole selections on every change, which is quadratic row by row.
    std::vector<std::pair<int, bool>> pendingSelection_;
    bool selectionFlushQueued_ = false;
    // The rows of the last whole selection set, while nothing else has changed it since.
    std::vector<int> knownSelectedRows_;
    bool selectedRowsKnown_ = false;
    bool settingSelection_ = false;
    int lastCurrentRow_ = -1;
};
