#include "cffcfbb_sql.h"

#include "dayrange.h"
#include "resultset.h"

namespace orbista::prescriptioncharges {

Statement charges(const Filter& f) {
    const QString flag = f.kind == Kind::Prescription ? QStringLiteral("1") : QStringLiteral("0");
    return QStringLiteral("select * from mz_cost where type_flag='%1' and ").arg(flag) +
           dayRange(QStringLiteral("fydate"), f.startDay, f.endDay) +
           Statement{QStringLiteral(" and depa=:a3 order by code"),
                     {{QStringLiteral(":a3"), f.loginDepartmentCode}}};
}

std::optional<Money> totalOf(ResultSet& rows) {
    std::optional<Money> total;
    const int price = rows.columnIndex(u"fyprice");
    for (int row = 0; row < rows.recordCount(); ++row) {
        if (!rows.isNull(row, price)) {
            total = total.value_or(Money()) + rows.money(row, price);
        }
    }
    return total;
}

QueryUnit queryUnit() {
    return {QStringLiteral("cffcfbb"),
            [] {
                return QStringList{charges({Kind::Prescription, {}, {}, {}}).sql,
                                   charges({Kind::Other, {}, {}, {}}).sql};
            },
            {},
            [](const QString& start, const QString& end) {
                return charges({Kind::Prescription, start, end, QStringLiteral("01")});
            }};
}

}  // namespace orbista::prescriptioncharges
