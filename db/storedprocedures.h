#pragma once

#include "database.h"

#include <QList>
#include <QString>

namespace orbista {

// A stored procedure the client calls, shipped twice: the T-SQL body that administrators
// create on SQL Server, and the embedded body that runs the same computation on SQLite.
// Both return the same columns for the same data.
struct StoredProcedure {
    QString name;
    QString tsql;  // one batch: "CREATE PROCEDURE name ... AS BEGIN ... END"
    EmbeddedProcedure embedded;
};

// Registers both bodies (the embedded one with Database::registerProcedure). Idempotent.
void registerStoredProcedure(StoredProcedure procedure);
QList<StoredProcedure> storedProcedures();

// Every shipped procedure's T-SQL, batches separated by "GO" lines, each dropped first.
QString storedProceduresScript();

}  // namespace orbista
