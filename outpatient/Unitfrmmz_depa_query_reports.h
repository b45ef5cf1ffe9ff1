#pragma once

#include "Unitfrmmz_depa_query_sql.h"
#include "reportkit.h"
#include "screenregistry.h"

#include <QString>

namespace orbista::feestatistics {

// "全部科室" / "全部医生": what the scope line says when no name is chosen.
QString everyone(By by);
// The scope line: the chosen name, or everyone(by).
QString scopeOf(By by, const QString& name);

// The numbered charge list (QuickRep1: "门诊科室收费明细" / "门诊医生收费明细"), bound to the
// charges.
void buildChargeList(report::ReportLayout& layout, By by);
void fillChargeList(report::ReportLayout& layout, By by, const QString& scope,
                    const report::PrintContext& period);

// The numbered totals by fee name (QuickRep2: "门诊部门分类统计" / "门诊医生分类统计"),
// bound to the totals.
void buildFeeTotals(report::ReportLayout& layout, By by);
void fillFeeTotals(report::ReportLayout& layout, By by, const QString& scope,
                   const report::PrintContext& period);

// "QuickRep1" and "QuickRep2", filled without the window from start, end and the name
// ("depa" or "doctor"; empty for all).
QList<Printout> printouts(By by);

}  // namespace orbista::feestatistics
