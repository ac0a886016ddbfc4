#pragma once
#include <QAbstractTableModel>
#include <string>
#include <string_view>
#include <vector>

#include "PackedRows.h"

// Rows of UTF-8 text cells under fixed column titles; read-only for the view. The cells are
// held packed (PackedRows), so a list of a million rows costs little more than its text.
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
    int appendRows(const std::vector<Row>& rows);
    // The same for packed rows; an empty table takes them over as they are.
    int appendRows(PackedRows&& rows);
    const PackedRows& packedRows() const { return rows_; }
    // Empties the table and gives its memory back.
    void clearRows();
    // "" outside the table; valid until the table next changes.
    std::string_view cell(int row, int column) const;
    // False (nothing changed) outside the table.
    bool setCell(int row, int column, std::string_view text);
    int rows() const { return rows_.rows(); }
    int columns() const { return static_cast<int>(titles_.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    bool contains(int row, int column) const;

    int beginAppend(int count);

    std::vector<std::string> titles_;
    PackedRows rows_;
};
