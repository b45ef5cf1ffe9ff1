#pragma once

#include "statement.h"
#include "storedprocedures.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace orbista {

// What one screen (or one shared piece of the client) sends to the database: every statement
// text it can build, and the stored procedures it calls. The T-SQL check parses the texts,
// `orbista-admin` creates and checks the procedures, and the benchmarks time the default query.
struct QueryUnit {
    QString name;  // the screen's class name, or what the shared piece is
    std::function<QStringList()> statements;
    QList<StoredProcedure> procedures;
    // The statement the screen runs first for a period (its main list or totals); empty for
    // units without one.
    std::function<Statement(const QString& startDay, const QString& endDay)> defaultQuery;
};

// Adds a unit (a unit registered again replaces the earlier record) and its procedures.
void registerQueryUnit(QueryUnit unit);
// In the order registered.
QList<QueryUnit> queryUnits();
// nullptr when no unit has that name.
const QueryUnit* findQueryUnit(const QString& name);

}  // namespace orbista
