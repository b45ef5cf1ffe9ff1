#pragma once

#include "cffcfbb_sql.h"
#include "reportkit.h"
#include "screenregistry.h"

namespace orbista::prescriptioncharges {

// The charge list with its total (QuickRep1), bound to the listed charges.
void buildChargeList(report::ReportLayout& layout);
// Title by kind, the period in the workstation's short date format, the operator, and
// "合计（￥）：" with the total (nothing after it when no charge has an amount).
void fillChargeList(report::ReportLayout& layout, const Filter& listed, const QString& operatorName,
                    const std::optional<Money>& total);

// "QuickRep1" from start, end and "type" ("1" prescription charges, "0" the others).
QList<Printout> printouts();

}  // namespace orbista::prescriptioncharges
