#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace orbista {
class Database;
}

namespace orbista::test {

// The folder of a temporary directory (asserting it was created).
QString freshDir(QTemporaryDir& dir);
// The repository's root folder (for checked-in files the tests read).
QString sourceDir();
// A new SQLite file in `dir` with the whole schema, opened.
std::unique_ptr<Database> freshDatabase(const QTemporaryDir& dir,
                                        const QString& fileName = QStringLiteral("test.db"));
// Writes an orbista.udl in `dir` naming the SQLite file `dbFile` (relative), as UTF-8.
void writeSqliteUdl(const QString& dir, const QString& dbFile);

}  // namespace orbista::test
