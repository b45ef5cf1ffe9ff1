#pragma once

class QString;

namespace orbista {
class Database;
}

namespace orbista::test {

// Two days of outpatient charges (2026-03-01 and 2026-03-02) with the reference rows they
// name: day edges, a blank-padded doctor, a quote in a name, one fee name in two styles, a
// charge booked by another desk (depa 02), a NULL amount; and one charge well after them.
// Every charge is a paid one (tk_flag 0); type_flag 1 marks the prescription ones.
void insertOutpatientCharges(Database& db);

}  // namespace orbista::test
