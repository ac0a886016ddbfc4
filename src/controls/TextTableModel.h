#pragma once
#include <QAbstractTableModel>
#include <string>
#include <vector>

// Rows of UTF-8 text cells under fixed column titles; read-only for the view. A row stores
// its cells up to the last one ever set: the empty cells after it take no room.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit TextTableModel(QObject* parent = nullptr);

    // Replaces the columns; existing rows keep their first cells.
    void setColumnTitles(std::vector<std::string> titles);
    const std::vector<std::string>& columnTitles() const { return titles_; }

    using Row = std::vector<std::string>;

    int appendRow();
    // Appends the rows with one notification and returns the index of the first; cells
    // beyond the columns are dropped, missing ones are empty.
    int appendRows(std::vector<Row> rows);
    void clearRows();
    // "" outside the table.
    const std::string& cell(int row, int column) const;
    // False (nothing changed) outside the table.
    bool setCell(int row, int column, std::string text);
    int rows() const { return static_cast<int>(rows_.size()); }
    int columns() const { return static_cast<int>(titles_.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    bool contains(int row, int column) const;

    std::vector<std::string> titles_;
    std::vector<Row> rows_;
};
