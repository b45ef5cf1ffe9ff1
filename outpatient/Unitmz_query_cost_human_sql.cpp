#include "Unitmz_query_cost_human_sql.h"

#include "dayrange.h"
#include "resultset.h"

namespace orbista::patientfees {

Statement charges(Mode mode, const QString& typed, const QString& day) {
    const QString column =
        mode == Mode::PatientName ? QStringLiteral("zman") : QStringLiteral("code");
    Statement s{QStringLiteral("select * from mz_cost where ") + column +
                    QStringLiteral(" like :a1 escape '\\'"),
                {{QStringLiteral(":a1"), likeContains(typed)}}};
    return s + QStringLiteral("\n and ") +
           singleDay(QStringLiteral("fydate"), day,
                     DayForm::varchar20().named(QStringLiteral(":a2"), QStringLiteral(":a2")));
}

Money totalOf(ResultSet& rows) {
    Money total;
    const int price = rows.columnIndex(u"fyprice");
    const int count = rows.recordCount();
    for (int row = 0; row < count; ++row) {
        total += rows.money(row, price);
    }
    return total;
}

QString shortestText(Money amount) {
    QString text = amount.toString(4);
    while (text.endsWith(u'0')) {
        text.chop(1);
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    return text;
}

QueryUnit queryUnit() {
    return {
        QStringLiteral("Unitmz_query_cost_human"),
        [] {
            return QStringList{charges(Mode::PatientName, {}, {}).sql,
                               charges(Mode::PatientId, {}, {}).sql};
        },
        {},
        [](const QString& start, const QString&) { return charges(Mode::PatientName, {}, start); }};
}

}  // namespace orbista::patientfees
