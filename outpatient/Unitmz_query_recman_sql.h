#pragma once

#include "queryunit.h"

#include <QString>

namespace orbista::cashierday {

// The cashiers the screen offers: operators of grade "收费员".
Statement cashierList();
// One cashier's charges of one whole day ("yyyy-mm-dd"), by document number. The name is
// compared exactly as chosen, so an empty name finds nothing.
Statement cashierCharges(const QString& cashier, const QString& day);
// Every cashier's charges of the day, by cashier and document number (the sheets of a day).
Statement dayCharges(const QString& day);

QueryUnit queryUnit();

}  // namespace orbista::cashierday
