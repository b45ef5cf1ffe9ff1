#include "Unitmz_query_cost_doctor_sql.h"

#include "dayrange.h"

namespace orbista::doctorincome {

namespace {

Statement days(const QString& startDay, const QString& endDay) {
    return dayRange(QStringLiteral("fydate"), startDay, endDay);
}

}  // namespace

Statement charges(const QString& doctorName, const QString& startDay, const QString& endDay) {
    if (doctorName.isEmpty()) {
        return QStringLiteral("select * from mz_cost where ") + days(startDay, endDay);
    }
    Statement s = QStringLiteral("select * from mz_cost where ltrim(rtrim(fydoctor))=:a3 and ") +
                  days(startDay, endDay);
    s.params.append({QStringLiteral(":a3"), doctorName});
    return s;
}

Statement summary(const QString& startDay, const QString& endDay) {
    // A name stored with blanks around it is the same doctor, as in the charge list.
    return QStringLiteral(
               "select sum(fyprice) doctorsum,ltrim(rtrim(fydoctor)) fydoctor,fydepa "
               "from mz_cost where ") +
           days(startDay, endDay) + QStringLiteral(" group by ltrim(rtrim(fydoctor)),fydepa");
}

Statement rangeTotal(const QString& startDay, const QString& endDay) {
    return QStringLiteral("select sum(fyprice) fysum from mz_cost where ") + days(startDay, endDay);
}

Totals totalsOf(ResultSet& rows) {
    Totals t;
    t.count = rows.recordCount();
    const int price = rows.columnIndex(u"fyprice");
    for (int row = 0; row < t.count; ++row) {
        t.total += rows.money(row, price);
    }
    return t;
}

QueryUnit queryUnit() {
    return {QStringLiteral("Unitmz_query_cost_doctor"),
            [] {
                return QStringList{charges(QStringLiteral("x"), {}, {}).sql,
                                   charges({}, {}, {}).sql, summary({}, {}).sql,
                                   rangeTotal({}, {}).sql};
            },
            {},
            [](const QString& start, const QString& end) { return charges({}, start, end); }};
}

}  // namespace orbista::doctorincome
