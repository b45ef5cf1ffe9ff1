#include "boundresult.h"

#include "reportlayout.h"

namespace orbista {

BoundResult::~BoundResult() {
    bindAll(nullptr);
}

BoundResult& BoundResult::shownIn(ResultGrid* grid, QList<GridColumn> columns) {
    grid->bind(rows_.get(), columns);
    grids_.append({grid, std::move(columns)});
    return *this;
}

BoundResult& BoundResult::feeds(report::ReportLayout& layout) {
    layout.bind(rows_.get());
    layouts_.append(&layout);
    return *this;
}

ResultSet& BoundResult::reset(std::unique_ptr<ResultSet> rows) {
    // Bind the new rows before the old ones go, so nothing ever points at freed rows.
    bindAll(rows.get());
    rows_ = std::move(rows);
    return *rows_;
}

void BoundResult::clear() {
    bindAll(nullptr);
    rows_.reset();
}

void BoundResult::bindAll(ResultSet* rows) {
    for (const Shown& shown : grids_) {
        if (shown.grid) {
            shown.grid->bind(rows, shown.columns);
        }
    }
    for (report::ReportLayout* layout : layouts_) {
        layout->bind(rows);
    }
}

}  // namespace orbista
