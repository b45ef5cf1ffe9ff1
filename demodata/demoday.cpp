#include "demoday.h"

#include <algorithm>
#include <cstdio>

namespace orbista::demo {

DemoDay::DemoDay(int dayIndex, int dayCount, QDate day)
    : index(dayIndex),
      count(dayCount),
      date(day),
      text(day.toString(QStringLiteral("yyyy-MM-dd")).toStdString()),
      weekday(day.dayOfWeek()) {}

std::string DemoDay::at(int secondOfDay) const {
    const int second = std::clamp(secondOfDay, 0, kSecondsPerDay - 1);
    char clock[10];
    std::snprintf(clock, sizeof clock, " %02d:%02d:%02d", second / 3600, second / 60 % 60,
                  second % 60);
    return text + clock;
}

std::string serialCode(const char* prefix, std::int64_t number, int width) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%0*lld", width, static_cast<long long>(number));
    return std::string(prefix) + digits;
}

}  // namespace orbista::demo
