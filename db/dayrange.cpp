#include "dayrange.h"

#include "database.h"

namespace orbista {

namespace {

QString comparison(const QString& left, const QString& op, const QString& param, bool parens) {
    const QString c = left + op + param;
    return parens ? u'(' + c + u')' : c;
}

}  // namespace

QString convertedDay(const QString& column, const DayForm& form) {
    return QStringLiteral("convert(%1,%2,%3)").arg(form.type, column).arg(form.style);
}

Statement dayRange(const QString& column, const QString& startDay, const QString& endDay,
                   const DayForm& form) {
    const QString day = convertedDay(column, form);
    return {comparison(day, QStringLiteral(">="), form.from, form.parenthesised) +
                QStringLiteral(" and ") +
                comparison(day, QStringLiteral("<="), form.to, form.parenthesised),
            {{form.from, startDay}, {form.to, endDay}}};
}

Statement singleDay(const QString& column, const QString& day, const DayForm& form) {
    return {
        comparison(convertedDay(column, form), QStringLiteral("="), form.from, form.parenthesised),
        {{form.from, day}}};
}

Statement dateTimeRange(const QString& column, const QDateTime& start, const QDateTime& end,
                        const QString& from, const QString& to) {
    const QString at = QStringLiteral("convert(char(19),%1,120)").arg(column);
    return {
        at + QStringLiteral(">=") + from + QStringLiteral(" and ") + at + QStringLiteral("<=") + to,
        {{from, dateTimeText(start)}, {to, dateTimeText(end)}}};
}

void dayParameters(ProcedureCall& call, const QString& startParam, const QString& startDay,
                   const QString& endParam, const QString& endDay) {
    call.in(startParam, startDay, QStringLiteral("varchar(10)"))
        .in(endParam, endDay, QStringLiteral("varchar(10)"));
}

void dateTimeParameters(ProcedureCall& call, const QString& startParam, const QDateTime& start,
                        const QString& endParam, const QDateTime& end) {
    call.in(startParam, dateTimeText(start), QStringLiteral("varchar(19)"))
        .in(endParam, dateTimeText(end), QStringLiteral("varchar(19)"));
}

}  // namespace orbista
