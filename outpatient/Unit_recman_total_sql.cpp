#include "Unit_recman_total_sql.h"

#include "dayrange.h"

namespace orbista::cashiertakings {

Statement cashierList() {
    return {QStringLiteral("select * from data_oper where grade='门诊管理'"), {}};
}

Statement takingsByFee(const QString& cashier, const QDateTime& start, const QDateTime& end) {
    // The amount column is named, so every driver reads it as COLUMN1.
    return QStringLiteral(
               "select fyname,round(sum(isnull(fyprice,0)),1) as COLUMN1 from mz_cost"
               " where tk_flag in ('0','1') and ") +
           dateTimeRange(QStringLiteral("fydate"), start, end) +
           Statement{
               QStringLiteral(" and jzman like :a3 escape '\\' group by fyname order by fyname"),
               {{QStringLiteral(":a3"), likePrefix(cashier)}}};
}

QueryUnit queryUnit() {
    return {QStringLiteral("Unit_recman_total"),
            [] {
                return QStringList{cashierList().sql, takingsByFee({}, {}, {}).sql};
            },
            {},
            [](const QString& start, const QString& end) {
                const QDate first = QDate::fromString(start, Qt::ISODate);
                const QDate last = QDate::fromString(end, Qt::ISODate);
                return takingsByFee({}, QDateTime(first, QTime(0, 0)),
                                    QDateTime(last, QTime(23, 59, 59)));
            }};
}

}  // namespace orbista::cashiertakings
