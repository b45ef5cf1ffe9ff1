#pragma once

#include "Unit_mzbm_total_sql.h"
#include "reportkit.h"
#include "screenregistry.h"

#include <QString>
#include <QStringList>

namespace orbista {
class ResultSet;
}

namespace orbista::feecrosstab {

// The classic cross table is printed on a custom page 550 mm wide. Its columns sit 100 report
// pixels apart, so from about 18 fee names on they would run past the right edge: the page
// then widens to hold every column at its place, as wide as the table needs.
constexpr double kClassicPageWidthMm = 550;
constexpr double kPageHeightMm = 297;
double pageWidthMm(int feeNames);

using PrintTexts = report::PrintContext;

// "门诊费用科室分类" or "门诊费用医生分类".
QString reportName(By by);

// The layout with its title band and the three empty bands the columns go on (QuickRep1).
void buildReport(report::ReportLayout& layout);
// Titles, dates, the run-time columns of the period's fee names and the page width.
void fillReport(report::ReportLayout& layout, By by, const PrintTexts& texts,
                const QStringList& feeNames);

// Reads the period's fee names, checks the procedure's rows against them and fills the
// layout (bound to `rows`) for printing.
void prepareReport(Database& db, report::ReportLayout& layout, By by,
                   const report::PrintContext& context, const ResultSet& rows);

// "QuickRep1" of the department (by department) or doctor cross table, from start and end.
QList<Printout> printouts(By by);

// Throws report::ReportError unless the procedure's result holds one amount column for each
// fee name: a charge booked between the procedure and the name list would otherwise put
// amounts under the wrong captions.
void checkAmountColumns(const ResultSet& rows, const QStringList& feeNames);

}  // namespace orbista::feecrosstab
