#include "demogenerator.h"

#include "database.h"
#include "demoday.h"
#include "inpatientward.h"
#include "outpatientdesk.h"
#include "pharmacydesk.h"
#include "referencewriter.h"
#include "schema.h"
#include "warehousedesk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace orbista::demo {

namespace {

const QString kDatabaseFile = QStringLiteral("orbista.db");
const QString kUdlFile = QStringLiteral("orbista.udl");

// As the Windows data-link dialog saves it: UTF-16LE with a byte-order mark, CRLF lines.
void writeUdl(const QString& path) {
    const QString text = QStringLiteral(
        "[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n"
        "Provider=SQLite;Data Source=orbista.db\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        bytes.append(static_cast<char>(unit & 0xFF));
        bytes.append(static_cast<char>(unit >> 8));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw DemoError("cannot write " + path.toStdString() + ": " +
                        file.errorString().toStdString());
    }
}

void removeDatabaseFiles(const QString& path) {
    for (const QString& suffix :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFile::exists(path + suffix) && !QFile::remove(path + suffix)) {
            throw DemoError("cannot remove " + (path + suffix).toStdString());
        }
    }
}

// Tables first, indexes once the rows are in: building an index over sorted data is much
// cheaper than keeping it up to date through millions of inserts.
void createTables(sqlite3* db) {
    for (const schema::TableDef& table : schema::tables()) {
        executeNative(db, schema::createTableStatement(table, Dialect::Sqlite).toStdString());
    }
}

void createIndexes(sqlite3* db) {
    for (const schema::TableDef& table : schema::tables()) {
        for (const QString& statement : schema::createIndexStatements(table, Dialect::Sqlite)) {
            executeNative(db, statement.toStdString());
        }
    }
}

DemoSummary fill(sqlite3* db, const DemoOptions& options, const QDate& first,
                 const DemoProgressHandler& progress, const QElapsedTimer& clock) {
    const ReferenceCatalog& catalog = ReferenceCatalog::instance();
    WriterSet writers(db);
    createTables(db);
    executeNative(db, "begin");
    writeReferenceTables(writers, catalog);
    OutpatientDesk outpatient(writers, catalog, options.seed);
    InpatientWard inpatient(writers, catalog, options.seed);
    PharmacyDesk pharmacy(writers, catalog, options.seed);
    WarehouseDesk warehouse(writers, catalog, options.seed);
    for (int index = 0; index < options.days; ++index) {
        const DemoDay day(index, options.days, first.addDays(index));
        outpatient.simulate(day);
        inpatient.simulate(day);
        pharmacy.simulate(day);
        warehouse.simulate(day);
        if (day.isLast()) {
            inpatient.finish(day);
            pharmacy.finish(day);
        }
        // One transaction per day keeps the memory flat however long the span.
        executeNative(db, "commit");
        executeNative(db, "begin");
        if (progress) {
            progress({index + 1, options.days, day.date, writers.totalRows(),
                      static_cast<double>(clock.elapsed()) / 1000.0});
        }
    }
    executeNative(db, "commit");

    DemoSummary summary;
    for (const schema::TableDef& table : schema::tables()) {
        summary.rowsPerTable.append({table.name, writers.rows(table.name.toStdString())});
    }
    summary.totalRows = writers.totalRows();
    return summary;
}

}  // namespace

QStringList existingDemoFiles(const QString& directory) {
    QStringList existing;
    const QDir dir(directory);
    for (const QString& name : {kDatabaseFile, kUdlFile}) {
        if (dir.exists(name)) {
            existing.append(dir.filePath(name));
        }
    }
    return existing;
}

DemoSummary generateDemo(const DemoOptions& options, const DemoProgressHandler& progress) {
    if (options.days < 1) {
        throw DemoError("the span must be at least one day");
    }
    const QStringList existing = existingDemoFiles(options.directory);
    if (!existing.isEmpty() && !options.force) {
        throw DemoError(existing.join(QStringLiteral(", ")).toStdString() +
                        " already exists; use --force to overwrite");
    }
    if (!QDir().mkpath(options.directory)) {
        throw DemoError("cannot create the folder " + options.directory.toStdString());
    }
    const QDir dir(options.directory);
    const QString databasePath = dir.absoluteFilePath(kDatabaseFile);
    const QString partPath = databasePath + QStringLiteral(".part");
    const QDate end = options.end.isValid() ? options.end : QDate::currentDate();
    const QDate first = end.addDays(1 - options.days);

    QElapsedTimer clock;
    clock.start();
    removeDatabaseFiles(partPath);
    DemoSummary summary;
    {
        Database db;
        db.openSqlite(partPath);
        sqlite3* native = nativeHandle(db);
        // A fresh file that nobody else reads yet: no journal, no syncing, a big cache.
        executeNative(native,
                      "pragma journal_mode=off; pragma synchronous=off; "
                      "pragma locking_mode=exclusive; pragma cache_size=-65536");
        summary = fill(native, options, first, progress, clock);
        createIndexes(native);
        executeNative(native, "pragma journal_mode=delete; pragma synchronous=full");
        db.close();
    }
    removeDatabaseFiles(databasePath);
    if (!QFile::rename(partPath, databasePath)) {
        throw DemoError("cannot move " + partPath.toStdString() + " to " +
                        databasePath.toStdString());
    }
    summary.databasePath = databasePath;
    summary.udlPath = dir.absoluteFilePath(kUdlFile);
    writeUdl(summary.udlPath);
    summary.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    return summary;
}

}  // namespace orbista::demo
