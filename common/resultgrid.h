#pragma once

#include "resultset.h"

#include <QAbstractTableModel>
#include <QTableView>

namespace orbista {

// One column of a grid: the result column it shows, its title and how values are written.
struct GridColumn {
    enum class Format { Text, Date, DateTime, Money, Integer };

    GridColumn() = default;
    GridColumn(QString fieldName, QString titleText, Format fmt = Format::Text, int widthPx = 0)
        : field(std::move(fieldName)), title(std::move(titleText)), format(fmt), width(widthPx) {}

    QString field;
    QString title;
    Format format = Format::Text;
    int width = 0;  // 0: the view decides
    // Money and integers align right unless set.
    std::optional<Qt::Alignment> alignment;
};

// A read-only table model over a ResultSet that does not own it. Rows arrive as the view
// scrolls (canFetchMore/fetchMore), so a million-row result shows its first rows at once.
class ResultSetModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Columns empty: every column of the result, titled by name.
    void setResult(ResultSet* result, QList<GridColumn> columns = {});
    ResultSet* result() const { return result_; }
    const QList<GridColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    // Tells views about rows the result pulled in by itself (recordCount(), cursor moves).
    void syncRowCount();

    static QString display(const ResultSet& rs, int row, int column, GridColumn::Format format);

  private:
    ResultSet* result_ = nullptr;
    QList<GridColumn> columns_;
    QList<int> resultColumns_;
    int rows_ = 0;
};

// A read-only grid bound to a result set; its current row follows the result set's cursor
// and selecting a row moves the cursor.
class ResultGrid : public QTableView {
    Q_OBJECT
  public:
    explicit ResultGrid(QWidget* parent = nullptr);

    void bind(ResultSet* result, QList<GridColumn> columns = {});
    void unbind() { bind(nullptr); }
    ResultSetModel* resultModel() const { return model_; }
    // Shows the cursor's row as the current row.
    void followCursor();

  private:
    ResultSetModel* model_;
    bool syncing_ = false;
};

}  // namespace orbista
