#include "Unitfrmmz_depa_query_sql.h"

#include "dayrange.h"

namespace orbista::feestatistics {

namespace {

QString filteredColumn(By by) {
    return by == By::Department ? QStringLiteral("fydepa") : QStringLiteral("fydoctor");
}

// "fydepa like :a3 escape '\' and tk_flag in('0','1') and (…>=:a1) and (…<=:a2)": the chosen
// name is a bound prefix, so a name holding a quote, "%" or "_" matches only itself.
Statement takings(By by, const QString& name, const QString& startDay, const QString& endDay) {
    Statement s{
        filteredColumn(by) + QStringLiteral(" like :a3 escape '\\' and tk_flag in('0','1') and "),
        {{QStringLiteral(":a3"), likePrefix(name)}}};
    return s +
           dayRange(QStringLiteral("fydate"), startDay, endDay, DayForm::char20().inParentheses());
}

}  // namespace

Statement nameList(By by) {
    return {by == By::Department ? QStringLiteral("select  *   from data_depa")
                                 : QStringLiteral("select * from data_doctor order by code"),
            {}};
}

Statement chargeList(By by, const QString& name, const QString& startDay, const QString& endDay) {
    return QStringLiteral("select *  from mz_cost where ") + takings(by, name, startDay, endDay) +
           QStringLiteral(" order by fydepa,code");
}

Statement feeTotals(By by, const QString& name, const QString& startDay, const QString& endDay) {
    // Ordered by name, so the numbered lines of the printout come out the same every time.
    return QStringLiteral("select fyname,sum(isnull(fyprice,0)) as total  from mz_cost where ") +
           takings(by, name, startDay, endDay) +
           QStringLiteral("  group by fyname order by fyname");
}

QueryUnit queryUnit() {
    return {QStringLiteral("Unitfrmmz_depa_query"),
            [] {
                QStringList texts;
                for (By by : {By::Department, By::Doctor}) {
                    texts << nameList(by).sql << chargeList(by, {}, {}, {}).sql
                          << feeTotals(by, {}, {}, {}).sql;
                }
                return texts;
            },
            {},
            [](const QString& start, const QString& end) {
                return chargeList(By::Department, {}, start, end);
            }};
}

}  // namespace orbista::feestatistics
