#include "database.h"
#include "udl.h"

#include <QDir>
#include <QFileInfo>

namespace orbista {

void Database::openFromUdl(const QString& udlPath, MissingFile missing) {
    const QString path = udlPath.isEmpty()
                             ? QDir::current().absoluteFilePath(QStringLiteral("orbista.udl"))
                             : udlPath;
    const DataLink link = readUdlFile(path);
    if (link.driver == DataLink::Driver::Sqlite) {
        // SQLite would silently create an empty file where the data link points.
        if (missing == MissingFile::Refuse && !QFileInfo::exists(link.sqliteFile)) {
            throw DbError(QStringLiteral("数据库文件不存在：") + link.sqliteFile);
        }
        openSqlite(link.sqliteFile);
        // A file that is not a database, or a damaged one, opens and fails on the first
        // read: read once now, so the message names the file.
        try {
            query(QStringLiteral("select count(*) from sqlite_master"))->recordCount();
        } catch (const DbError& e) {
            close();
            throw DbError(link.sqliteFile + QStringLiteral("：") + e.message());
        }
    } else {
        openOdbc(link.odbcConnectionString, link.dialect);
    }
}

}  // namespace orbista
