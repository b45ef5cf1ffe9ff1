#include "resultgrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>

namespace orbista {

namespace {

constexpr int kFetchRows = 512;

}  // namespace

void ResultSetModel::setResult(ResultSet* result, QList<GridColumn> columns) {
    beginResetModel();
    result_ = result;
    columns_ = std::move(columns);
    resultColumns_.clear();
    if (result_ && columns_.isEmpty()) {
        for (int i = 0; i < result_->columnCount(); ++i) {
            GridColumn column;
            column.field = result_->columnName(i);
            column.title = column.field;
            columns_.append(column);
        }
    }
    for (const GridColumn& c : columns_) {
        resultColumns_.append(result_ ? result_->columnIndex(c.field) : -1);
    }
    rows_ = result_ ? result_->fetchedCount() : 0;
    endResetModel();
}

int ResultSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ResultSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString ResultSetModel::display(const ResultSet& rs, int row, int column,
                                GridColumn::Format format) {
    if (rs.isNull(row, column)) {
        return {};
    }
    switch (format) {
        case GridColumn::Format::Date:
            return rs.dateTime(row, column).toString(QStringLiteral("yyyy-MM-dd"));
        case GridColumn::Format::DateTime:
            return rs.dateTime(row, column).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        case GridColumn::Format::Money:
            return rs.money(row, column).toString(2);
        case GridColumn::Format::Integer:
            return QString::number(rs.integer(row, column));
        case GridColumn::Format::Text:
            break;
    }
    return rs.text(row, column);
}

QVariant ResultSetModel::data(const QModelIndex& index, int role) const {
    if (!result_ || !index.isValid() || index.row() >= rows_) {
        return {};
    }
    const GridColumn& c = columns_[index.column()];
    const int column = resultColumns_[index.column()];
    if (role == Qt::DisplayRole) {
        return column < 0 ? QVariant() : display(*result_, index.row(), column, c.format);
    }
    if (role == Qt::TextAlignmentRole) {
        if (c.alignment) {
            return static_cast<int>(*c.alignment);
        }
        const bool number =
            c.format == GridColumn::Format::Money || c.format == GridColumn::Format::Integer;
        return static_cast<int>((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}

QVariant ResultSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return section < columns_.size() ? columns_[section].title : QVariant();
    }
    return section + 1;
}

bool ResultSetModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && result_ &&
           (rows_ < result_->fetchedCount() || result_->canFetchMore());
}

void ResultSetModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !result_) {
        return;
    }
    if (rows_ == result_->fetchedCount()) {
        result_->fetchMore(kFetchRows);
    }
    syncRowCount();
}

void ResultSetModel::syncRowCount() {
    if (!result_) {
        return;
    }
    const int fetched = result_->fetchedCount();
    if (fetched > rows_) {
        beginInsertRows({}, rows_, fetched - 1);
        rows_ = fetched;
        endInsertRows();
    }
}

ResultGrid::ResultGrid(QWidget* parent) : QTableView(parent), model_(new ResultSetModel(this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(22);
    // Fixed row heights: the view never measures a million rows.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid() && model_->result()) {
                    model_->result()->moveTo(current.row());
                }
            });
}

void ResultGrid::bind(ResultSet* result, QList<GridColumn> columns) {
    model_->setResult(result, std::move(columns));
    const QList<GridColumn>& cols = model_->columns();
    for (int i = 0; i < cols.size(); ++i) {
        if (cols[i].width > 0) {
            setColumnWidth(i, cols[i].width);
        }
    }
    followCursor();
}

void ResultGrid::followCursor() {
    ResultSet* rs = model_->result();
    if (!rs || rs->currentRow() < 0) {
        return;
    }
    model_->syncRowCount();
    syncing_ = true;
    const QModelIndex index = model_->index(rs->currentRow(), 0);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
    syncing_ = false;
}

}  // namespace orbista
