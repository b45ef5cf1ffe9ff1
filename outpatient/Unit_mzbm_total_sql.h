#pragma once

#include "queryunit.h"
#include "resultset.h"

#include <memory>

#include <QString>
#include <QStringList>

namespace orbista {

class Database;

// Outpatient income of a period as a cross table: one row per department or doctor, one
// amount column per fee name of the period ("name1" … "nameN", in the order of
// feeNames()), then "total". The rows come from the procedure mz_fenlei_total.
namespace feecrosstab {

enum class By { Doctor, Department };

// "1" by doctor, "2" by department: the procedure's @bz.
QString bzOf(By by);
// The rows of mz_fenlei_total for the period.
std::unique_ptr<ResultSet> callProcedure(Database& db, By by, const QString& startDay,
                                         const QString& endDay);
// The fee names of the period in the order the procedure numbers its columns.
QStringList feeNames(Database& db, const QString& startDay, const QString& endDay);
Statement feeNamesStatement(const QString& startDay, const QString& endDay);

// The fee-name list and mz_fenlei_total (T-SQL and embedded bodies), for both screens.
QueryUnit queryUnit();

}  // namespace feecrosstab
}  // namespace orbista
