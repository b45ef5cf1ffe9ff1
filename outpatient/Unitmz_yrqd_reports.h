#pragma once

#include "reportlayout.h"
#include "screenregistry.h"

namespace orbista::onedaylist {

// The one-day list ("门诊收费一日清单", QuickRep1), bound to the day's takings: numbered lines
// and the day's total.
void buildOneDayList(report::ReportLayout& layout);
// The day under the title.
void fillOneDayList(report::ReportLayout& layout, const QString& day);

// "QuickRep1" filled without the window for the day "start" ("end" is not read).
QList<Printout> printouts();

}  // namespace orbista::onedaylist
