#include "screenregistry.h"

#include <algorithm>

namespace orbista {

namespace {

QList<ScreenRecord>& records() {
    static QList<ScreenRecord> screens;
    return screens;
}

}  // namespace

QList<FilterSpec> periodFilters() {
    return {{QStringLiteral("start"), QStringLiteral("起始日期 yyyy-mm-dd")},
            {QStringLiteral("end"), QStringLiteral("终止日期 yyyy-mm-dd")}};
}

bool Printout::takes(const QString& filter) const {
    return std::any_of(filters.begin(), filters.end(),
                       [&](const FilterSpec& f) { return f.name == filter; });
}

void registerScreen(ScreenRecord record) {
    for (ScreenRecord& known : records()) {
        if (known.className == record.className) {
            known = std::move(record);
            return;
        }
    }
    records().append(std::move(record));
}

void registerScreen(const QString& className, ScreenFactory factory) {
    if (!factory) {
        records().removeIf([&](const ScreenRecord& r) { return r.className == className; });
        return;
    }
    registerScreen(ScreenRecord{className, std::move(factory), className, {}});
}

const ScreenRecord* findScreen(const QString& className) {
    for (const ScreenRecord& record : records()) {
        if (record.className == className) {
            return &record;
        }
    }
    return nullptr;
}

ScreenFactory screenFactory(const QString& className) {
    const ScreenRecord* record = findScreen(className);
    return record ? record->factory : ScreenFactory();
}

QList<ScreenRecord> registeredScreens() {
    return records();
}

}  // namespace orbista
