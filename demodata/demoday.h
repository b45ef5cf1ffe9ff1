#pragma once

#include "demorandom.h"

#include <QDate>

#include <cstdint>
#include <string>

namespace orbista::demo {

// One simulated day of the span.
struct DemoDay {
    int index = 0;  // 0 for the first day
    int count = 1;  // days in the span
    QDate date;
    std::string text;  // "yyyy-mm-dd"
    int weekday = 1;   // 1 Monday .. 7 Sunday

    DemoDay(int dayIndex, int dayCount, QDate day);

    bool isLast() const { return index == count - 1; }
    bool isWeekend() const { return weekday >= 6; }
    // "yyyy-mm-dd hh:nn:ss" for a second of this day (clamped into the day).
    std::string at(int secondOfDay) const;
};

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr int hours(int h, int m = 0, int s = 0) {
    return h * 3600 + m * 60 + s;
}

// `delay` seconds after `from`, or, when that would run past midnight, some moment of what is
// left of the day: what a late-night patient sets off still happens on that day.
inline int laterInDay(Rng& rng, int from, int delay) {
    constexpr int last = kSecondsPerDay - 1;
    return from + delay <= last ? from + delay : from + rng.below(last - from + 1);
}

// Running numbers as the desks print them: prefix and zero-padded digits.
std::string serialCode(const char* prefix, std::int64_t number, int width);

}  // namespace orbista::demo
