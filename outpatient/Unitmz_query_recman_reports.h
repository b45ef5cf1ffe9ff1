#pragma once

#include "reportkit.h"
#include "screenregistry.h"

#include <QString>

namespace orbista::cashierday {

// The cashier's payment-in sheet ("个人费用交款单", QuickRep1), bound to the charges.
void buildPaymentSheet(report::ReportLayout& layout);
// Title, the cashier whose takings these are, and the day ("yyyy-mm-dd").
void fillPaymentSheet(report::ReportLayout& layout, const QString& hospitalName,
                      const QString& cashier, const QString& day);

// "QuickRep1" for the day "start" and the "cashier" (empty: every cashier of the day).
QList<Printout> printouts();

}  // namespace orbista::cashierday
