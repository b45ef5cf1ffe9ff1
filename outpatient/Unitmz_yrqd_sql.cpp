#include "Unitmz_yrqd_sql.h"

#include "dayrange.h"

namespace orbista::onedaylist {

Statement takings(const QString& day) {
    return QStringLiteral("select * from mz_cost where ") +
           singleDay(QStringLiteral("fydate"), day) +
           QStringLiteral(" and  tk_flag in('0','1') order by fydepa,code");
}

QueryUnit queryUnit() {
    return {QStringLiteral("Unitmz_yrqd"),
            [] { return QStringList{takings({}).sql}; },
            {},
            [](const QString& start, const QString&) { return takings(start); }};
}

}  // namespace orbista::onedaylist
