#pragma once

#include "reportkit.h"
#include "screenregistry.h"

#include <QDateTime>
#include <QString>

namespace orbista::cashiertakings {

// The reconciliation sheet (QuickRep1), bound to the takings by fee name, with a column the
// cashier signs.
void buildReconciliationSheet(report::ReportLayout& layout);
// The hospital, "收费员:" + cashier and "统计时间:" + the two moments.
void fillReconciliationSheet(report::ReportLayout& layout, const QString& hospitalName,
                             const QString& cashier, const QDateTime& start, const QDateTime& end);

// "QuickRep1" from the days "start" and "end", the times "starttime" and "endtime"
// ("hh:nn:ss", 00:00:00 unless given) and the "cashier" (a prefix; empty for all).
QList<Printout> printouts();

}  // namespace orbista::cashiertakings
