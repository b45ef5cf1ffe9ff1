#pragma once

#include "queryunit.h"

#include <QDateTime>
#include <QString>

namespace orbista::cashiertakings {

// The cashiers the screen offers: operators of grade "门诊管理".
Statement cashierList();
// A cashier's takings between two moments (both included, to the second), by fee name:
// fyname and COLUMN1, the amount rounded to tenths of a yuan. Refunds (tk_flag other than
// "0" or "1") are left out. The cashier is a prefix: 李娜 also counts 李娜娜, and an empty
// name counts every cashier.
Statement takingsByFee(const QString& cashier, const QDateTime& start, const QDateTime& end);

QueryUnit queryUnit();

}  // namespace orbista::cashiertakings
