#pragma once

#include "statement.h"

#include <QDateTime>

namespace orbista {

class ProcedureCall;

// "yyyy-mm-dd" of a picker value, as statements and procedures take it.
inline QString dayText(const QDateTime& value) {
    return value.date().toString(QStringLiteral("yyyy-MM-dd"));
}
// "yyyy-mm-dd hh:nn:ss".
inline QString dateTimeText(const QDateTime& value) {
    return value.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

// How the screens compare a date-time column with the day texts "yyyy-mm-dd" of their pickers.
// Each screen keeps the exact form its statements have always been written in: the converted
// type and style, parentheses around each comparison, and the parameter names.
struct DayForm {
    QString type = QStringLiteral("varchar(10)");  // or "char(10)"
    int style = 20;                                // or 120
    bool parenthesised = false;                    // "(… >= :a1) and (… <= :a2)"
    QString from = QStringLiteral(":a1");
    QString to = QStringLiteral(":a2");

    static DayForm varchar20() { return {}; }
    static DayForm char20() { return {QStringLiteral("char(10)"), 20}; }
    static DayForm char120() { return {QStringLiteral("char(10)"), 120}; }
    DayForm inParentheses() const {
        DayForm f = *this;
        f.parenthesised = true;
        return f;
    }
    DayForm named(const QString& fromParam, const QString& toParam) const {
        DayForm f = *this;
        f.from = fromParam;
        f.to = toParam;
        return f;
    }
};

// "convert(varchar(10),fydate,20)": the column's day as text.
QString convertedDay(const QString& column, const DayForm& form = {});

// The whole days from `startDay` to `endDay` (inclusive), bound as parameters:
// "convert(varchar(10),fydate,20)>=:a1 and convert(varchar(10),fydate,20)<=:a2".
Statement dayRange(const QString& column, const QString& startDay, const QString& endDay,
                   const DayForm& form = {});

// One whole day: "convert(char(10),fydate,20)=:a1".
Statement singleDay(const QString& column, const QString& day,
                    const DayForm& form = DayForm::char20());

// Date-and-time bounds, each "yyyy-mm-dd hh:nn:ss":
// "convert(char(19),fydate,120)>=:a1 and convert(char(19),fydate,120)<=:a2".
Statement dateTimeRange(const QString& column, const QDateTime& start, const QDateTime& end,
                        const QString& from = QStringLiteral(":a1"),
                        const QString& to = QStringLiteral(":a2"));

// A procedure's period parameters ("@startdate"/"@enddate", "@start_date"/"@end_date"), set
// to day texts, declared varchar(10).
void dayParameters(ProcedureCall& call, const QString& startParam, const QString& startDay,
                   const QString& endParam, const QString& endDay);
// The same with whole picker values "yyyy-mm-dd hh:nn:ss", declared varchar(19).
void dateTimeParameters(ProcedureCall& call, const QString& startParam, const QDateTime& start,
                        const QString& endParam, const QDateTime& end);

}  // namespace orbista
