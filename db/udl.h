#pragma once

#include "database.h"

#include <QString>

namespace orbista {

// Where the one connection goes, as read from the data-link file "orbista.udl".
struct DataLink {
    enum class Driver { Sqlite, Odbc };

    Driver driver = Driver::Sqlite;
    Dialect dialect = Dialect::Sqlite;
    QString sqliteFile;            // absolute path, for Driver::Sqlite
    QString odbcConnectionString;  // for Driver::Odbc; holds the password, never show it

    // What describe() shows; never a password.
    QString endpoint;  // "SQL Server 10.1.1.5,1433", "ODBC data source his", "SQLite file /x.db"
    QString database;  // empty when the connection names none
    QString user;      // empty for integrated security or when none is named

    // One line for the operator and the logs, e.g.
    // "SQL Server 10.1.1.5,1433 database his (user sa)".
    QString describe() const;
};

// Reads a data-link file as Windows writes it (UTF-16LE with BOM, CRLF, "[oledb]", a comment,
// the init string) or as plain UTF-8. Throws DbError naming the file and the problem.
DataLink readUdlFile(const QString& path);

// Parses an OLE DB init string ("Provider=SQLOLEDB.1;Data Source=host;..."). A relative SQLite
// Data Source is resolved against `baseDir`; `fileName` prefixes error messages.
DataLink parseInitString(const QString& initString, const QString& baseDir,
                         const QString& fileName);

}  // namespace orbista
