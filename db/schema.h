#pragma once

#include "database.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Every table and column the client reads, as one model from which the SQLite and the
// SQL Server DDL are both generated, so the two can never drift apart.
namespace orbista::schema {

enum class ColumnType {
    Varchar,  // varchar(size)
    Char,     // char(size), blank-padded on SQL Server
    Int,
    SmallInt,
    Bit,
    Money,     // money: 19 digits, 4 decimals
    Decimal,   // decimal(size, scale), the money-like "decimal" columns
    Numeric,   // numeric(size, scale)
    DateTime,  // SQLite keeps "yyyy-mm-dd hh:nn:ss" text
    Identity,  // server-assigned integer key
};

struct ColumnDef {
    QString name;
    ColumnType type = ColumnType::Varchar;
    int size = 0;       // width of varchar/char, precision of decimal/numeric
    int scale = 0;      // decimals of decimal/numeric
    bool ours = false;  // designed by us where the hospital's desks leave the column open
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    // Each index is the list of its columns, in key order.
    QList<QStringList> indexes;

    const ColumnDef* findColumn(QStringView column) const;
};

// The whole model, in a fixed order: reference tables, outpatient, inpatient, pharmacy,
// warehouse.
const QList<TableDef>& tables();
// Case-insensitive, as both servers treat names.
const TableDef* findTable(QStringView name);

// The stored procedures the screens call by name, as the hospital's server must hold them.
const QStringList& serverProcedures();
// What "check" requires of a database of this dialect: on SQLite the embedded bodies this
// process registered; on SQL Server those and every procedure the screens call.
QStringList requiredProcedures(Dialect dialect);

// Whether a CREATE must tolerate an object that already exists.
enum class Creation { Always, IfMissing };

// The declared type of a column in the dialect ("money", "varchar(20)", ...).
QString declaredType(const ColumnDef& column, Dialect dialect);
QString indexName(const TableDef& table, const QStringList& columns);

QString createTableStatement(const TableDef& table, Dialect dialect,
                             Creation creation = Creation::Always);
QStringList createIndexStatements(const TableDef& table, Dialect dialect,
                                  Creation creation = Creation::Always);
// Every table, then every index; one statement each, without terminators.
QStringList createStatements(Dialect dialect, Creation creation = Creation::Always);
// The statements as a script to print or save: ";"-terminated for SQLite, T-SQL batches
// separated by "GO" lines for SQL Server.
QString ddlScript(Dialect dialect);

// What a live database holds, names folded to lower case.
struct Catalog {
    QHash<QString, QSet<QString>> columnsByTable;
    QSet<QString> procedures;
};

// Reads the tables, columns and procedures of the open database `db`.
Catalog readCatalog(Database& db);

// One line per gap between the model (plus `procedures`) and `catalog`, in model order:
// "missing table T", "missing column T.C", "missing procedure P".
QStringList findGaps(const Catalog& catalog, const QStringList& procedures);

}  // namespace orbista::schema
