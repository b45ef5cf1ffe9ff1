#pragma once

#include "reportkit.h"
#include "screenregistry.h"

#include <QString>

namespace orbista::doctorincome {

// What the doctor income printouts say besides their rows.
using PrintTexts = report::PrintContext;

// The charge table ("门诊医生收入明细表", QuickRep2), bound to the listed charges.
void buildChargeTable(report::ReportLayout& layout);
void fillChargeTable(report::ReportLayout& layout, const PrintTexts& texts);

// The doctor summary ("医生费用汇总表", QuickRep1), bound to the totals by doctor.
void buildDoctorSummary(report::ReportLayout& layout);
// The texts the summary shows on screen before the print offer: the department line, the
// period on every line and the range total ("￥" + amount, "￥" alone for an empty range).
void fillSummaryTexts(report::ReportLayout& layout, const PrintTexts& texts,
                      const QString& rangeTotal);
// The title, set when the operator chose to print.
void fillSummaryTitle(report::ReportLayout& layout, const PrintTexts& texts);
// The range total as the summary prints it: two decimals, empty for a range without charges.
QString rangeTotalText(Database& db, const QString& startDay, const QString& endDay);

// "QuickRep2" (the charges of one doctor, or of all when "doctor" is empty) and "QuickRep1"
// (the doctor summary), filled without the window from start, end and doctor.
QList<Printout> printouts();

}  // namespace orbista::doctorincome
