#include "Unitmz_query_cost_tk_sql.h"

namespace orbista::refundquery {

Statement allRefunds() {
    return {QStringLiteral("select * from mz_tk"), {}};
}

Statement refunds(const QString& typedNumber) {
    // Trimmed only to tell a number from none; the number itself is compared as typed.
    if (typedNumber.trimmed().isEmpty()) {
        return {QStringLiteral("select * from mz_tk order by code"), {}};
    }
    return {QStringLiteral("select * from mz_tk where fycode=:a1 order by code"),
            {{QStringLiteral(":a1"), typedNumber}}};
}

QueryUnit queryUnit() {
    return {
        QStringLiteral("Unitmz_query_cost_tk"),
        [] {
            return QStringList{allRefunds().sql, refunds({}).sql, refunds(QStringLiteral("1")).sql};
        },
        {},
        [](const QString&, const QString&) { return allRefunds(); }};
}

}  // namespace orbista::refundquery
