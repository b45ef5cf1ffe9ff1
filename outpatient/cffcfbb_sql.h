#pragma once

#include "money.h"
#include "queryunit.h"

#include <QString>

#include <optional>

namespace orbista::prescriptioncharges {

// Prescription charges (type_flag "1") or the others ("0").
enum class Kind { Prescription, Other };

struct Filter {
    Kind kind = Kind::Prescription;
    QString startDay;  // "yyyy-mm-dd"
    QString endDay;
    QString loginDepartmentCode;  // the site whose charges count (depa)
};

// The charges of the period at the login's site, by outpatient number.
Statement charges(const Filter& filter);
// The sum of fyprice over every row of a charge result; nullopt when no row has an amount
// (the sheet then shows no figure).
std::optional<Money> totalOf(ResultSet& charges);

QueryUnit queryUnit();

}  // namespace orbista::prescriptioncharges
