#pragma once

#include "reportpage.h"

#include <QDateTime>

namespace orbista::report {

// Room between a framed item's rules and its text, on its framed left and right sides,
// when the text is not centred.
constexpr double kCellPaddingMm = 1.0;

struct PaginationOptions {
    // The moment system date and time items print; one value for the whole document.
    QDateTime now = QDateTime::currentDateTime();
};

// Lays a report out page by page from its bound result set:
//  - the title once at the top of the first page; page header and column header at the top
//    of every page; page footer at the bottom of every page, the last included;
//  - one detail band per row, flowing onto new pages; a band that does not fit below the
//    rows moves to the next page (at least one row goes on each page whatever its height);
//  - the summary once after the last row, on a new page when it does not fit;
//  - an empty result still gives one page with title, headers and summary (unless the
//    layout says not to print when empty: then there are no pages).
// A framed item's text keeps kCellPaddingMm from the rules on its left and right (unless it
// is centred): its PageText rectangle is the item's rectangle less that padding, while the
// frame keeps the item's own rectangle.
// Expressions total over the rows printed so far; print-time handlers run as their item is
// placed; "page N of M" texts are filled once the page count is known. The result set is
// walked from its first row and left at its end. Throws ReportError for a column the result
// lacks or an expression that does not parse; a handler's exceptions pass through.
ReportDocument paginate(const ReportLayout& layout, const PaginationOptions& options = {});

}  // namespace orbista::report
