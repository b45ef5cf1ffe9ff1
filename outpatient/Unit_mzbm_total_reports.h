#pragma once

#include "feecrosstab.h"

#include <QString>
#include <QStringList>

namespace orbista {
class ResultSet;
}

namespace orbista::report {
class ReportLayout;
}

namespace orbista::feecrosstab {

// The classic cross table is printed on a custom page 550 mm wide. Its columns sit 100 report
// pixels apart, so from about 18 fee names on they would run past the right edge: the page
// then widens to hold every column at its place, as wide as the table needs.
constexpr double kClassicPageWidthMm = 550;
constexpr double kPageHeightMm = 297;
double pageWidthMm(int feeNames);

struct PrintTexts {
    QString hospitalName;
    QString operatorName;
    QString startDay;  // "yyyy-mm-dd"
    QString endDay;
};

// "门诊费用科室分类" or "门诊费用医生分类".
QString reportName(By by);

// The layout with its title band and the three empty bands the columns go on (QuickRep1).
void buildReport(report::ReportLayout& layout);
// Titles, dates, the run-time columns of the period's fee names and the page width.
void fillReport(report::ReportLayout& layout, By by, const PrintTexts& texts,
                const QStringList& feeNames);

// Throws report::ReportError unless the procedure's result holds one amount column for each
// fee name: a charge booked between the procedure and the name list would otherwise put
// amounts under the wrong captions.
void checkAmountColumns(const ResultSet& rows, const QStringList& feeNames);

}  // namespace orbista::feecrosstab
