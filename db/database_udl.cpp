#include "database.h"
#include "udl.h"

#include <QDir>

namespace orbista {

void Database::openFromUdl(const QString& udlPath) {
    const QString path = udlPath.isEmpty()
                             ? QDir::current().absoluteFilePath(QStringLiteral("orbista.udl"))
                             : udlPath;
    const ConnectionSpec spec = readUdlFile(path);
    if (spec.driver == ConnectionSpec::Driver::Sqlite) {
        openSqlite(spec.sqliteFile);
    } else {
        openOdbc(spec.odbcConnectionString, spec.dialect);
    }
}

}  // namespace orbista
