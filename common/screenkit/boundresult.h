#pragma once

#include "resultgrid.h"
#include "resultset.h"

#include <QList>
#include <QPointer>

#include <memory>

namespace orbista {

namespace report {
class ReportLayout;
}

// One result set of a screen together with the grids and report layouts that show it.
// Replacing the result rebinds every one of them; the holder unbinds them before its rows
// go, so no screen writes a destructor for that. Declare it after the layouts it feeds.
class BoundResult {
  public:
    BoundResult() = default;
    ~BoundResult();
    BoundResult(const BoundResult&) = delete;
    BoundResult& operator=(const BoundResult&) = delete;

    // The grid shows this result with these columns (from now on, and empty until a result).
    BoundResult& shownIn(ResultGrid* grid, QList<GridColumn> columns);
    // The layout prints this result.
    BoundResult& feeds(report::ReportLayout& layout);

    // Takes the new rows and rebinds every grid and layout to them.
    ResultSet& reset(std::unique_ptr<ResultSet> rows);
    // Lets go of the rows; grids show nothing, layouts print nothing.
    void clear();

    ResultSet* get() const { return rows_.get(); }
    ResultSet* operator->() const { return rows_.get(); }
    explicit operator bool() const { return rows_ != nullptr; }

  private:
    void bindAll(ResultSet* rows);

    struct Shown {
        QPointer<ResultGrid> grid;
        QList<GridColumn> columns;
    };
    QList<Shown> grids_;
    QList<report::ReportLayout*> layouts_;
    std::unique_ptr<ResultSet> rows_;
};

}  // namespace orbista
