#include "doctorincome.h"

namespace orbista::doctorincome {

namespace {

const QString kDayRange =
    QStringLiteral("convert(varchar(10),fydate,20)>=:a1 and convert(varchar(10),fydate,20)<=:a2");

}  // namespace

Statement charges(const QString& doctorName, const QString& startDay, const QString& endDay) {
    if (doctorName.isEmpty()) {
        return {QStringLiteral("select * from mz_cost where ") + kDayRange,
                {{":a1", startDay}, {":a2", endDay}}};
    }
    return {
        QStringLiteral("select * from mz_cost where ltrim(rtrim(fydoctor))=:a3 and ") + kDayRange,
        {{":a1", startDay}, {":a2", endDay}, {":a3", doctorName}}};
}

Statement summary(const QString& startDay, const QString& endDay) {
    // A name stored with blanks around it is the same doctor, as in the charge list.
    return {QStringLiteral("select sum(fyprice) doctorsum,ltrim(rtrim(fydoctor)) fydoctor,fydepa "
                           "from mz_cost where ") +
                kDayRange + QStringLiteral(" group by ltrim(rtrim(fydoctor)),fydepa"),
            {{":a1", startDay}, {":a2", endDay}}};
}

Statement rangeTotal(const QString& startDay, const QString& endDay) {
    return {QStringLiteral("select sum(fyprice) fysum from mz_cost where ") + kDayRange,
            {{":a1", startDay}, {":a2", endDay}}};
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

QStringList statements() {
    return {charges(QStringLiteral("x"), {}, {}).sql, charges({}, {}, {}).sql, summary({}, {}).sql,
            rangeTotal({}, {}).sql};
}

}  // namespace orbista::doctorincome
