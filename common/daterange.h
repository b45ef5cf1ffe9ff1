#pragma once

#include "dayrange.h"

#include <QDateTime>
#include <QString>

namespace orbista {

// How a screen's date pickers start (set when the screen is created, shown or activated).
enum class DateDefault {
    TodayToday,      // start = end = today (each keeps its stored time of day)
    NowNow,          // start = end = the moment of opening
    YesterdayToday,  // start = yesterday, end = today
    Minus30Now,      // end = now, start = end minus 30 days
    SameDayNow,      // end = now, start = the same day
    SingleToday,     // one picker: today
    SingleNow,       // one picker: the moment of opening
};

// The two ways a screen checks its range before running.
enum class RangeComparison {
    WholeValues,  // date and time of day of the pickers
    DayTexts,     // "yyyy-mm-dd" texts
};

// The stored times of day the pickers carry before a default replaces their date: the end is
// never earlier than the start, so a one-day range always passes the checks.
inline const QTime kStartTimeOfDay = QTime(0, 0, 0);
inline const QTime kEndTimeOfDay = QTime(23, 59, 59);

struct DateRangeValues {
    QDateTime start;
    QDateTime end;
};

// The values a default gives at `now`, starting from the pickers' current values (whose
// times of day are kept where a default replaces only the date).
DateRangeValues applyDateDefault(DateDefault kind, const DateRangeValues& current,
                                 const QDateTime& now);

// True when the range is inverted under the comparison.
bool isInverted(const DateRangeValues& range, RangeComparison comparison);

}  // namespace orbista
