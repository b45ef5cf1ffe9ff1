#pragma once

#include "Unitmz_query_cost_total_sql.h"
#include "reportkit.h"
#include "screenregistry.h"

namespace orbista::costtotal {

// How the printed reports name the charges a query covered.
struct Scope {
    QString detailLine;  // the detail table's scope line (`off`)
    QString department;  // the summary sheet's "统计科室" (`tjks`)
    QString doctor;      // the summary sheet's "统计医生" (`tjdoctor`)
};

// `department` and `doctor` are the chosen names, empty when the list had no choice;
// `doctorDepartment` is the chosen doctor's department.
Scope scopeOf(Mode mode, const QString& department, const QString& doctor,
              const QString& doctorDepartment);

// Everything the two reports print besides mz_total's rows.
struct PrintTexts {
    report::PrintContext context;
    Scope scope;
    Money total;  // the statistics total of the refill
};

// What the printouts say for a refill over `filter`: the session's hospital and operator,
// the period and scope, and the refill's total. `doctorCode` names the chosen doctor, whose
// department the summary sheet prints.
PrintTexts printTexts(Database& db, const Filter& filter, const QString& doctorCode,
                      const Money& total);

// The detail table ("明细表", QuickRep1): one line per mz_total row, bound by the screen.
void buildDetailTable(report::ReportLayout& layout);
void fillDetailTable(report::ReportLayout& layout, const PrintTexts& texts);

// The one-page summary sheet ("汇总表", QuickRep2): no rows, a ruled table of five lines.
void buildSummarySheet(report::ReportLayout& layout);
void fillSummarySheet(report::ReportLayout& layout, const PrintTexts& texts);

// "yyyy-mm-dd" in the workstation's short date format, as the summary sheet's period prints.
QString shortDate(const QString& day);

// "d" (detail table) and "s" (summary sheet) filled without the window: they refill
// mz_total for the filter values (start, end, mode, cashier, doctor, doctorcode, department)
// as the query button does. Modes: cashier, doctor, department, whole.
QList<Printout> printouts();

}  // namespace orbista::costtotal
