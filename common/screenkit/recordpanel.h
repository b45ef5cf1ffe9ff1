#pragma once

#include "resultgrid.h"

#include <QList>
#include <QObject>
#include <QString>

class QLabel;

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

}  // namespace orbista
