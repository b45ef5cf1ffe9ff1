#include "admincommands.h"

#include "clientprocedures.h"
#include "database.h"
#include "democommand.h"
#include "schema.h"
#include "storedprocedures.h"

#include <algorithm>
#include <optional>

namespace orbista::admin {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct AddedCommand {
    QString name;
    QString usage;
    Command run;
};

QList<AddedCommand>& addedCommands() {
    static QList<AddedCommand> commands;
    return commands;
}

void printUsage(QTextStream& err) {
    err << "usage: orbista-admin <command> [options]\n"
           "commands:\n"
           "  schema --dialect sqlite|mssql  print the DDL of every table and index\n"
           "  procedures                     print the T-SQL of the stored procedures\n"
           "  init                           create the missing tables (and on SQL Server the\n"
           "                                 client's procedures) in the database that\n"
           "                                 orbista.udl in the working directory names\n"
           "  check                          list the tables, columns and procedures that\n"
           "                                 database lacks; prints \"ok\" when none\n"
        << demoUsage();
    for (const AddedCommand& c : addedCommands()) {
        err << c.usage;
    }
}

std::optional<Dialect> dialectNamed(const QString& name) {
    if (name == QLatin1String("sqlite")) {
        return Dialect::Sqlite;
    }
    if (name == QLatin1String("mssql")) {
        return Dialect::SqlServer;
    }
    return std::nullopt;
}

// Accepts "--dialect NAME" and "--dialect=NAME" as the only option.
std::optional<Dialect> dialectOption(const QStringList& options) {
    static const QString flag = QStringLiteral("--dialect");
    if (options.size() == 2 && options[0] == flag) {
        return dialectNamed(options[1]);
    }
    if (options.size() == 1 && options[0].startsWith(flag + u'=')) {
        return dialectNamed(options[0].mid(flag.size() + 1));
    }
    return std::nullopt;
}

int printSchema(const QStringList& options, QTextStream& out, QTextStream& err) {
    const std::optional<Dialect> dialect = dialectOption(options);
    if (!dialect) {
        printUsage(err);
        return kUsage;
    }
    out << schema::ddlScript(*dialect);
    return kDone;
}

// The data-link file's own errors name the file; the administrator fixes it and retries.
bool openFromUdl(Database& db, QTextStream& err,
                 Database::MissingFile missing = Database::MissingFile::Refuse) {
    try {
        db.openFromUdl({}, missing);
        return true;
    } catch (const DbError& error) {
        err << error.message() << '\n';
        return false;
    }
}

// Creates each table the database lacks, with its indexes, all in one transaction. Tables that
// exist are left as they are, also when they lack columns (check lists those).
int initSchema(QTextStream& out, QTextStream& err) {
    Database db;
    if (!openFromUdl(db, err, Database::MissingFile::Create)) {
        return kUsage;
    }
    QStringList created;
    try {
        const schema::Catalog catalog = schema::readCatalog(db);
        Transaction guard(db);
        for (const schema::TableDef& table : schema::tables()) {
            if (catalog.columnsByTable.contains(table.name.toLower())) {
                // Our own SQLite file also gets indexes added since it was made; a hospital's
                // server tables are the DBA's to index.
                if (db.dialect() == Dialect::Sqlite) {
                    for (const QString& index : schema::createIndexStatements(
                             table, db.dialect(), schema::Creation::IfMissing)) {
                        db.execute(index);
                    }
                }
                continue;
            }
            db.execute(
                schema::createTableStatement(table, db.dialect(), schema::Creation::IfMissing));
            for (const QString& index :
                 schema::createIndexStatements(table, db.dialect(), schema::Creation::IfMissing)) {
                db.execute(index);
            }
            created.append(table.name);
        }
        guard.commit();
        if (db.dialect() == Dialect::SqlServer) {
            for (const StoredProcedure& p : storedProcedures()) {
                db.execute(QStringLiteral("IF OBJECT_ID(N'%1', N'P') IS NOT NULL DROP PROCEDURE %1")
                               .arg(p.name));
                db.execute(p.tsql);
                out << "created procedure " << p.name << '\n';
            }
        }
    } catch (const DbError& error) {
        err << error.message() << '\n';
        return kFailed;
    }
    for (const QString& name : created) {
        out << "created table " << name << '\n';
    }
    if (created.isEmpty()) {
        out << "all " << schema::tables().size() << " tables exist; nothing created\n";
    } else {
        out << created.size() << " of " << schema::tables().size() << " tables created\n";
    }
    return kDone;
}

int checkSchema(QTextStream& out, QTextStream& err) {
    Database db;
    if (!openFromUdl(db, err)) {
        return kUsage;
    }
    QStringList gaps;
    try {
        gaps = schema::findGaps(schema::readCatalog(db), schema::requiredProcedures(db.dialect()));
    } catch (const DbError& error) {
        err << error.message() << '\n';
        return kFailed;
    }
    if (gaps.isEmpty()) {
        out << "ok\n";
        return kDone;
    }
    for (const QString& gap : gaps) {
        out << gap << '\n';
    }
    return kFailed;
}

}  // namespace

void addCommand(const QString& name, const QString& usage, Command command) {
    addedCommands().append({name, usage, std::move(command)});
}

int run(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return run(arguments, out, err);
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    registerClientProcedures();
    const QString command = arguments.value(1);
    const QStringList options = arguments.mid(2);
    int code = kUsage;
    if (command == QLatin1String("schema")) {
        code = printSchema(options, out, err);
    } else if (command == QLatin1String("procedures") && options.isEmpty()) {
        out << storedProceduresScript();
        code = kDone;
    } else if (command == QLatin1String("init") && options.isEmpty()) {
        code = initSchema(out, err);
    } else if (command == QLatin1String("check") && options.isEmpty()) {
        code = checkSchema(out, err);
    } else if (command == QLatin1String("demo")) {
        code = runDemo(options, out, err);
    } else if (auto added = std::find_if(addedCommands().begin(), addedCommands().end(),
                                         [&](const AddedCommand& c) { return c.name == command; });
               added != addedCommands().end()) {
        code = added->run(options, out, err);
    } else {
        printUsage(err);
    }
    out.flush();
    err.flush();
    return code;
}

}  // namespace orbista::admin
