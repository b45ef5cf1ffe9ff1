#pragma once

#include "queryunit.h"

namespace orbista::onedaylist {

// The charges of one day that count as takings (tk_flag "0" or "1"), by department and
// outpatient number: every mz_cost column.
Statement takings(const QString& day);

// Its statements and default query (the takings of the start day).
QueryUnit queryUnit();

}  // namespace orbista::onedaylist
