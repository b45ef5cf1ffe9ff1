#pragma once

#include "queryunit.h"

#include <QString>

namespace orbista::feestatistics {

// The outpatient takings of a period for one department or one doctor (or all): the charges
// themselves, or their totals by fee name. Only rows whose tk_flag is "0" or "1" count.
enum class By { Department, Doctor };

// The names the screen offers: every department, or every doctor by code.
Statement nameList(By by);
// The charges of the period whose department (doctor) begins with `name`; every charge of the
// period when `name` is empty. Ordered by department and outpatient number.
Statement chargeList(By by, const QString& name, const QString& startDay, const QString& endDay);
// The same charges totalled by fee name: fyname, total.
Statement feeTotals(By by, const QString& name, const QString& startDay, const QString& endDay);

// The statements of both screens; the default query is every charge of the period.
QueryUnit queryUnit();

}  // namespace orbista::feestatistics
