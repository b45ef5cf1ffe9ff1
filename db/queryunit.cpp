#include "queryunit.h"

namespace orbista {

namespace {

QList<QueryUnit>& units() {
    static QList<QueryUnit> all;
    return all;
}

}  // namespace

void registerQueryUnit(QueryUnit unit) {
    for (const StoredProcedure& p : unit.procedures) {
        registerStoredProcedure(p);
    }
    for (QueryUnit& known : units()) {
        if (known.name == unit.name) {
            known = std::move(unit);
            return;
        }
    }
    units().append(std::move(unit));
}

QList<QueryUnit> queryUnits() {
    return units();
}

const QueryUnit* findQueryUnit(const QString& name) {
    for (const QueryUnit& unit : units()) {
        if (unit.name == name) {
            return &unit;
        }
    }
    return nullptr;
}

}  // namespace orbista
