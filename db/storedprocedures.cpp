#include "storedprocedures.h"

#include <QMap>

namespace orbista {

namespace {

QMap<QString, StoredProcedure>& registry() {
    static QMap<QString, StoredProcedure> procedures;  // ordered by name
    return procedures;
}

}  // namespace

void registerStoredProcedure(StoredProcedure procedure) {
    Database::registerProcedure(procedure.name, procedure.embedded);
    registry().insert(procedure.name.toLower(), std::move(procedure));
}

QList<StoredProcedure> storedProcedures() {
    return registry().values();
}

QString storedProceduresScript() {
    QString script;
    for (const StoredProcedure& p : registry()) {
        script += QStringLiteral("IF OBJECT_ID(N'%1', N'P') IS NOT NULL DROP PROCEDURE %1\nGO\n")
                      .arg(p.name);
        script += p.tsql.trimmed() + QStringLiteral("\nGO\n");
    }
    return script;
}

}  // namespace orbista
