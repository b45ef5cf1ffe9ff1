#include "Unitmz_query_recman_sql.h"

#include "dayrange.h"

namespace orbista::cashierday {

Statement cashierList() {
    return {QStringLiteral("select * from data_oper where grade='收费员'"), {}};
}

Statement cashierCharges(const QString& cashier, const QString& day) {
    // The whole day whatever the time of each charge, not only charges stamped at midnight.
    Statement s{QStringLiteral("select * from mz_cost where (jzman=:a1) and ("),
                {{QStringLiteral(":a1"), cashier}}};
    return s +
           singleDay(QStringLiteral("fydate"), day,
                     DayForm::char20().named(QStringLiteral(":a2"), {})) +
           QStringLiteral(") order by fycode,id");
}

Statement dayCharges(const QString& day) {
    return QStringLiteral("select * from mz_cost where ") +
           singleDay(QStringLiteral("fydate"), day,
                     DayForm::char20().named(QStringLiteral(":a2"), {})) +
           QStringLiteral(" order by jzman,fycode,id");
}

QueryUnit queryUnit() {
    return {
        QStringLiteral("Unitmz_query_recman"),
        [] {
            return QStringList{cashierList().sql, cashierCharges({}, {}).sql, dayCharges({}).sql};
        },
        {},
        [](const QString& start, const QString&) { return dayCharges(start); }};
}

}  // namespace orbista::cashierday
