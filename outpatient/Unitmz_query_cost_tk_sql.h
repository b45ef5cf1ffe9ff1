#pragma once

#include "queryunit.h"

namespace orbista::refundquery {

// Every refund, in the database's order: what the window lists when it opens.
Statement allRefunds();
// The refunds of one charge document number, compared exactly as typed (blanks included),
// ordered by outpatient ID; every refund ordered by ID when the number is blank.
Statement refunds(const QString& typedNumber);

// Its statements and default query (every refund, as the window opens).
QueryUnit queryUnit();

}  // namespace orbista::refundquery
