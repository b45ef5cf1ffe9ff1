#pragma once

namespace orbista {
class Database;
}

namespace orbista::test {

// Registrations (mz_gh) of 2026-03-01 and 2026-03-02 and one on 2026-03-03: day edges, a
// department whose name ends in another's (中医内科), IDs and clerks holding "%", "_" and a
// quote, Chinese names; none of them in a department other tables name differently.
void insertRegistrations(Database& db);

// Refunds (mz_tk): two of document 0001 (one with a blank before the number), one of 5%1,
// one of 0001x; a NULL amount among them.
void insertRefunds(Database& db);

// Charges (mz_cost) with patient names and refund flags: three of 王小明 (3120) on
// 2026-03-01 whose amounts do not add up exactly in floating point, a refunded one (tk_flag
// 2), one without a flag, one with a NULL amount, names and IDs holding a quote, "%" and "_";
// and one of 王小明 on 2026-03-02.
void insertPatientCharges(Database& db);

}  // namespace orbista::test
