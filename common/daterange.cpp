#include "daterange.h"

namespace orbista {

namespace {

QDateTime onDay(const QDate& day, const QDateTime& keepTimeOf) {
    return QDateTime(day, keepTimeOf.time());
}

}  // namespace

DateRangeValues applyDateDefault(DateDefault kind, const DateRangeValues& current,
                                 const QDateTime& now) {
    const QDate today = now.date();
    switch (kind) {
        case DateDefault::TodayToday:
        case DateDefault::SingleToday:
            return {onDay(today, current.start), onDay(today, current.end)};
        case DateDefault::NowNow:
        case DateDefault::SingleNow:
            return {now, now};
        case DateDefault::YesterdayToday:
            return {onDay(today.addDays(-1), current.start), onDay(today, current.end)};
        case DateDefault::Minus30Now:
            return {now.addDays(-30), now};
        case DateDefault::SameDayNow:
            return {onDay(today, current.start), now};
    }
    return current;
}

bool isInverted(const DateRangeValues& range, RangeComparison comparison) {
    if (comparison == RangeComparison::DayTexts) {
        return dayText(range.start) > dayText(range.end);
    }
    return range.end < range.start;
}

}  // namespace orbista
