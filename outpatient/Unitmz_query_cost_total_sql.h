#pragma once

#include "database.h"
#include "money.h"
#include "queryunit.h"

#include <QString>

namespace orbista::costtotal {

// Which charges the outpatient income statistics total.
enum class Mode { Cashier, Doctor, Department, Whole };

struct Filter {
    Mode mode = Mode::Department;
    QString startDay;  // "yyyy-mm-dd"
    QString endDay;
    QString cashier;              // cashier mode: jzman equals it
    QString doctorName;           // doctor mode: fydoctor contains it
    QString departmentName;       // department mode: fydepa equals it; empty = every department
    QString loginDepartmentCode;  // whole-department mode: the listed charges' depa equals it
};

// The charge rows listed on screen.
Statement chargeRows(const Filter& filter);
// The fee-item totals written into mz_total: one row per (style, fyname). In every mode but
// the whole department they total exactly the listed charges; the whole department's totals
// cover every charge of the range, whichever desk (depa) booked it, while its list shows the
// login department's charges only.
Statement groupedTotals(const Filter& filter);

struct Refill {
    bool done = false;  // false when data_fy_mz is empty: mz_total is left as it was
    Money total;
    int groups = 0;
};

// Empties mz_total and writes one row per fee-item group, all in one transaction: a failure
// leaves the previous contents, and two workstations refilling at once never mix rows.
Refill refillTotals(Database& db, const Filter& filter);

// The scratch table as the screen lists and prints it.
QString totalsTableStatement();
// The plain department names the department list offers after its code-name items.
QStringList departmentNames(Database& db);
// The department (data_doctor.depa) of the doctor with this code; empty when unknown.
QString doctorDepartment(Database& db, const QString& doctorCode);

// Every statement text this unit sends, its default query, no procedures.
QueryUnit queryUnit();

}  // namespace orbista::costtotal
