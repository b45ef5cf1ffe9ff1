#pragma once

namespace orbista {
class Database;
}

namespace orbista::test {

// Cashiers' takings of 2026-03-01 and 2026-03-02 with the reference rows they name: charges on
// the stroke of midnight, in the day's last second and one second either side of a shift
// boundary; a refund (tk_flag 2); a NULL amount; department names holding "%" and a quote;
// a department and a doctor whose names begin with another's; a cashier (李娜娜) whose name
// begins with another's (李娜); prescription and other charges at two sites (depa 01, 04);
// and one charge either side of the two days.
void insertTakings(Database& db);

}  // namespace orbista::test
