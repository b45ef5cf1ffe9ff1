#pragma once

#include "database.h"
#include "money.h"
#include "queryunit.h"

namespace orbista::doctorincome {

// One doctor's charges (the stored name trimmed before comparing, so " 王建国 " matches
// 王建国), or every charge of the range when the doctor name is empty.
Statement charges(const QString& doctorName, const QString& startDay, const QString& endDay);
// The range totalled by doctor (the stored name trimmed) and department: doctorsum,
// fydoctor, fydepa.
Statement summary(const QString& startDay, const QString& endDay);
// The range's grand total: fysum.
Statement rangeTotal(const QString& startDay, const QString& endDay);

struct Totals {
    int count = 0;
    Money total;  // exact; NULL amounts count as nothing
};
// Adds up fyprice over every row of a charge result.
Totals totalsOf(ResultSet& charges);

// Its statements and default query (every charge of the period).
QueryUnit queryUnit();

}  // namespace orbista::doctorincome
