#include "recordpanel.h"

#include <QGridLayout>

#include <QItemSelectionModel>
#include <QLabel>

namespace orbista {

RecordPanel::RecordPanel(ResultGrid* grid) : QObject(grid), grid_(grid) {
    connect(grid->resultModel(), &QAbstractItemModel::modelReset, this, [this] { refresh(); });
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { refresh(); });
}

QLabel* RecordPanel::show(QLabel* label, const QString& field, GridColumn::Format format) {
    shown_.append({label, field, format});
    return label;
}

void RecordPanel::refresh() {
    const ResultSet* rows = grid_->resultModel()->result();
    const int row = rows ? rows->currentRow() : -1;
    for (const Shown& s : shown_) {
        const int column = rows ? rows->columnIndex(s.field) : -1;
        s.label->setText(row >= 0 && row < rows->fetchedCount() && column >= 0
                             ? ResultSetModel::display(*rows, row, column, s.format)
                             : QString());
    }
}

QGridLayout* detailsGrid(QWidget* parent, ResultGrid* grid, std::initializer_list<DetailItem> items,
                         int valueWidth, int perRow) {
    auto* panel = new RecordPanel(grid);
    auto* layout = new QGridLayout;
    int cell = 0;
    for (const DetailItem& item : items) {
        auto* value = new QLabel(parent);
        value->setObjectName(QStringLiteral("record_") + QLatin1String(item.field));
        value->setMinimumWidth(valueWidth);
        layout->addWidget(new QLabel(QString::fromUtf8(item.caption), parent), cell / perRow,
                          (cell % perRow) * 2);
        layout->addWidget(panel->show(value, QLatin1String(item.field), item.format), cell / perRow,
                          (cell % perRow) * 2 + 1);
        ++cell;
    }
    return layout;
}

}  // namespace orbista
