#pragma once

#include "resultgrid.h"

#include <QList>

#include <QObject>
#include <QString>
#include <initializer_list>

class QGridLayout;
class QLabel;
class QWidget;

namespace orbista {

// Labels that show fields of the row a grid is on: the details panel beside a list. They
// follow the grid's current row, record buttons and every new result; with no row they are
// empty.
class RecordPanel : public QObject {
  public:
    explicit RecordPanel(ResultGrid* grid);

    // `label` shows `field` of the current row, written as the grid writes `format`.
    QLabel* show(QLabel* label, const QString& field,
                 GridColumn::Format format = GridColumn::Format::Text);
    void refresh();

  private:
    struct Shown {
        QLabel* label;
        QString field;
        GridColumn::Format format;
    };
    ResultGrid* grid_;
    QList<Shown> shown_;
};

// One value of a details grid: its caption, the field it shows and how it is written.
struct DetailItem {
    const char* caption;
    const char* field;
    GridColumn::Format format = GridColumn::Format::Text;
};

// The details of `grid`'s current row laid out `perRow` values a row, each after its caption.
// The value labels are named "record_" + field.
QGridLayout* detailsGrid(QWidget* parent, ResultGrid* grid, std::initializer_list<DetailItem> items,
                         int valueWidth, int perRow = 4);

}  // namespace orbista
