#include "schema.h"

namespace orbista::schema {

namespace {

QString sized(const char* type, int size) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(type)).arg(size);
}

QString scaled(const char* type, int precision, int scale) {
    return QStringLiteral("%1(%2,%3)").arg(QLatin1String(type)).arg(precision).arg(scale);
}

// SQL Server gives a bare column the session's default nullability; say it outright.
QString sqlServerColumn(const ColumnDef& column) {
    if (column.type == ColumnType::Identity) {
        return column.name + QStringLiteral(" int identity(1,1) primary key");
    }
    return column.name + u' ' + declaredType(column, Dialect::SqlServer) + QStringLiteral(" null");
}

QString sqliteColumn(const ColumnDef& column) {
    return column.name + u' ' + declaredType(column, Dialect::Sqlite);
}

}  // namespace

const ColumnDef* TableDef::findColumn(QStringView column) const {
    for (const ColumnDef& def : columns) {
        if (column.compare(def.name, Qt::CaseInsensitive) == 0) {
            return &def;
        }
    }
    return nullptr;
}

const TableDef* findTable(QStringView name) {
    for (const TableDef& table : tables()) {
        if (name.compare(table.name, Qt::CaseInsensitive) == 0) {
            return &table;
        }
    }
    return nullptr;
}

// On SQLite the declared names pick the affinities: "char" gives text (codes such as "01"
// keep their zero), "int" gives integer, money/decimal/numeric give numeric (amounts are
// stored as numbers), and "datetime" keeps the "yyyy-mm-dd hh:nn:ss" text as it is.
QString declaredType(const ColumnDef& column, Dialect dialect) {
    switch (column.type) {
        case ColumnType::Varchar:
            return sized("varchar", column.size);
        case ColumnType::Char:
            return sized("char", column.size);
        case ColumnType::Int:
            return QStringLiteral("int");
        case ColumnType::SmallInt:
            return QStringLiteral("smallint");
        case ColumnType::Bit:
            return QStringLiteral("bit");
        case ColumnType::Money:
            return QStringLiteral("money");
        case ColumnType::Decimal:
            return scaled("decimal", column.size, column.scale);
        case ColumnType::Numeric:
            return scaled("numeric", column.size, column.scale);
        case ColumnType::DateTime:
            return QStringLiteral("datetime");
        case ColumnType::Identity:
            return dialect == Dialect::Sqlite ? QStringLiteral("integer primary key autoincrement")
                                              : QStringLiteral("int identity(1,1) primary key");
    }
    return {};
}

QString indexName(const TableDef& table, const QStringList& columns) {
    return QStringLiteral("ix_") + table.name + u'_' + columns.join(u'_');
}

QString createTableStatement(const TableDef& table, Dialect dialect, Creation creation) {
    QStringList columns;
    for (const ColumnDef& column : table.columns) {
        columns.append(dialect == Dialect::Sqlite ? sqliteColumn(column) : sqlServerColumn(column));
    }
    const QString body = QStringLiteral(" (\n    ") + columns.join(QStringLiteral(",\n    ")) +
                         QStringLiteral("\n)");
    if (dialect == Dialect::Sqlite) {
        const QString head = creation == Creation::IfMissing
                                 ? QStringLiteral("create table if not exists ")
                                 : QStringLiteral("create table ");
        return head + table.name + body;
    }
    const QString guard =
        creation == Creation::IfMissing
            ? QStringLiteral("if object_id(N'%1', N'U') is null\n").arg(table.name)
            : QString();
    return guard + QStringLiteral("create table ") + table.name + body;
}

namespace {

// Date columns the screens compare by day, as convert(char(10),col,20) >= 'yyyy-mm-dd'. On
// SQLite that reads substr(col,1,10), which no plain index serves; an index on the same
// expression lets one day of five years' charges come back without scanning them all.
// (width 19: the exact-time comparisons of the cashier takings.)
struct DayIndex {
    const char* table;
    const char* column;
    int width;
};
constexpr DayIndex kDayIndexes[] = {
    {"mz_cost", "fydate", 10},       {"mz_cost", "fydate", 19},
    {"mz_gh", "indate", 10},         {"mz_tk", "fydate", 10},
    {"mz_ypout_x", "fydate", 10},    {"mz_xy_hj", "fydate", 10},
    {"zy_in", "indate", 10},         {"zy_out", "outdate", 10},
    {"zy_cost", "fydate", 10},       {"zy_cost", "jzdate", 10},
    {"zy_yjk", "indate", 10},        {"zy_lock", "lockdate", 10},
    {"zy_unlock", "unlockdate", 10}, {"zy_changedepa", "changedate", 10},
    {"zy_ypout_x", "fydate", 10},    {"yf_bs", "bsdate", 10},
    {"yf_pc", "pcdate", 10},         {"yp_tj_pd", "pd_date", 10},
};

QStringList sqliteDayIndexes(const TableDef& table, Creation creation) {
    QStringList statements;
    for (const DayIndex& d : kDayIndexes) {
        if (table.name.compare(QLatin1String(d.table), Qt::CaseInsensitive) != 0) {
            continue;
        }
        const QString column = QString::fromLatin1(d.column);
        statements.append(
            QStringLiteral("create index %1ix_%2_%3_day%4 on %2 (substr(%3,1,%4))")
                .arg(creation == Creation::IfMissing ? QStringLiteral("if not exists ") : QString(),
                     table.name, column)
                .arg(d.width));
    }
    return statements;
}

}  // namespace

QStringList createIndexStatements(const TableDef& table, Dialect dialect, Creation creation) {
    QStringList statements;
    if (dialect == Dialect::Sqlite) {
        statements = sqliteDayIndexes(table, creation);
    }
    for (const QStringList& columns : table.indexes) {
        const QString name = indexName(table, columns);
        const QString target =
            table.name + QStringLiteral(" (") + columns.join(QStringLiteral(", ")) + u')';
        if (dialect == Dialect::Sqlite) {
            const QString head = creation == Creation::IfMissing
                                     ? QStringLiteral("create index if not exists ")
                                     : QStringLiteral("create index ");
            statements.append(head + name + QStringLiteral(" on ") + target);
            continue;
        }
        const QString guard =
            creation == Creation::IfMissing
                ? QStringLiteral(
                      "if not exists (select 1 from sys.indexes where name = N'%1' "
                      "and object_id = object_id(N'%2'))\n")
                      .arg(name, table.name)
                : QString();
        statements.append(guard + QStringLiteral("create index ") + name + QStringLiteral(" on ") +
                          target);
    }
    return statements;
}

QStringList createStatements(Dialect dialect, Creation creation) {
    QStringList statements;
    for (const TableDef& table : tables()) {
        statements.append(createTableStatement(table, dialect, creation));
    }
    for (const TableDef& table : tables()) {
        statements.append(createIndexStatements(table, dialect, creation));
    }
    return statements;
}

QString ddlScript(Dialect dialect) {
    const bool sqlite = dialect == Dialect::Sqlite;
    QString script = sqlite
                         ? QStringLiteral("-- orbista-finance tables and indexes, SQLite\n\n")
                         : QStringLiteral("-- orbista-finance tables and indexes, SQL Server\n\n");
    const QString terminator = sqlite ? QStringLiteral(";\n\n") : QStringLiteral("\nGO\n\n");
    for (const QString& statement : createStatements(dialect)) {
        script += statement + terminator;
    }
    return script;
}

}  // namespace orbista::schema
