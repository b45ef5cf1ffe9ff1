#include "database.h"
#include "udl.h"

#include <QDir>

namespace orbista {

void Database::openFromUdl(const QString& udlPath) {
    const QString path = udlPath.isEmpty()
                             ? QDir::current().absoluteFilePath(QStringLiteral("orbista.udl"))
                             : udlPath;
    const DataLink link = readUdlFile(path);
    if (link.driver == DataLink::Driver::Sqlite) {
        openSqlite(link.sqliteFile);
    } else {
        openOdbc(link.odbcConnectionString, link.dialect);
    }
}

}  // namespace orbista
