// Times the statements the client sends, on a demo database: through the database layer
// (Database::query and recordCount, as a screen opens a result) and through the sqlite3 shell
// on the same file with the same adapted SQL, and prints both with their ratio and the query
// plan. A plan that reads a large table from end to end without an index is flagged.
//
// Two groups are timed:
//   - every registered query unit's default query for one month, so a new screen is timed as
//     soon as its subsystem registers its queries;
//   - a few day filters kept here by hand, each also in an "index form" that compares the
//     stored date-time directly with the day bounds, to show what the day filter costs.
//     Later measurements of that kind belong in caseList().
//
// Usage: query_bench DB [--long DB] [--month yyyy-mm] [--repeat N] [--sqlite3 PROGRAM]
//   DB        a database written by "orbista-admin demo" (one year is typical)
//   --long    a second, longer one (five years) to time the month statements on
//   --month   the month to time (default: the last full month up to max(fydate) of mz_cost)
//   --repeat  timed runs per statement after one warm-up run; the median is shown (3)

#include "clientprocedures.h"
#include "database.h"
#include "queryunit.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

using namespace orbista;

namespace {

// A plan step that scans a table this large without an index is flagged.
constexpr qint64 kLargeTable = 100000;

struct BenchCase {
    QString name;
    Statement statement;  // T-SQL as the screens send it, with its parameters
    QString pairedWith;   // for an index form: the name of the case it rewrites
    QString error;        // set when the statement could not even be built
};

struct Span {
    QDate day;
    QDate monthStart;
    QDate monthEnd;
};

struct Outcome {
    QString name;
    qint64 rows = 0;
    double layerMs = 0;
    std::optional<double> shellMs;
    QString plan;
    QString pairedWith;
    bool failed = false;
};

struct ShellRun {
    bool ok = false;
    QString output;
    QString error;
};

QString text(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

Statement bounded(const QString& sql, const QDate& first, const QDate& second) {
    return {sql, {{QStringLiteral(":a1"), text(first)}, {QStringLiteral(":a2"), text(second)}}};
}

// The statements timed on every database. The first form of each is what the screens send;
// the index form is the same question asked as fydate >= first day and < the day after.
std::vector<BenchCase> caseList(const Span& span, bool longOnly) {
    const QString dayRows = QStringLiteral(
        "select * from mz_cost where convert(varchar(10),fydate,20)>=:a1 and "
        "convert(varchar(10),fydate,20)<=:a2");
    const QString dayRowsIndexed =
        QStringLiteral("select * from mz_cost where fydate>=:a1 and fydate<:a2");
    const QString feeTotals = QStringLiteral(
        "select fyname, sum(fyprice) as s from mz_cost where convert(char(10),fydate,20)>=:a1 and "
        "convert(char(10),fydate,20)<=:a2 group by fyname");
    const QString feeTotalsIndexed = QStringLiteral(
        "select fyname, sum(fyprice) as s from mz_cost where fydate>=:a1 and fydate<:a2 group by "
        "fyname");
    const QString settled = QStringLiteral(
        "select * from zy_cost where convert(char(10),jzdate,20)>=:a1 and "
        "convert(char(10),jzdate,20)<=:a2");
    const QString settledIndexed =
        QStringLiteral("select * from zy_cost where jzdate>=:a1 and jzdate<:a2");

    const QDate dayAfter = span.day.addDays(1);
    const QDate monthAfter = span.monthEnd.addDays(1);
    std::vector<BenchCase> cases;
    if (!longOnly) {
        cases.push_back({QStringLiteral("mz_cost rows, one day"),
                         bounded(dayRows, span.day, span.day),
                         {},
                         {}});
        cases.push_back({QStringLiteral("  index form"),
                         bounded(dayRowsIndexed, span.day, dayAfter),
                         QStringLiteral("mz_cost rows, one day"),
                         {}});
    }
    cases.push_back({QStringLiteral("mz_cost rows, one month"),
                     bounded(dayRows, span.monthStart, span.monthEnd),
                     {},
                     {}});
    cases.push_back({QStringLiteral("  index form"),
                     bounded(dayRowsIndexed, span.monthStart, monthAfter),
                     QStringLiteral("mz_cost rows, one month"),
                     {}});
    cases.push_back({QStringLiteral("mz_cost totals by fee, one month"),
                     bounded(feeTotals, span.monthStart, span.monthEnd),
                     {},
                     {}});
    cases.push_back({QStringLiteral("  index form"),
                     bounded(feeTotalsIndexed, span.monthStart, monthAfter),
                     QStringLiteral("mz_cost totals by fee, one month"),
                     {}});
    cases.push_back({QStringLiteral("zy_cost rows settled in one month"),
                     bounded(settled, span.monthStart, span.monthEnd),
                     {},
                     {}});
    cases.push_back({QStringLiteral("  index form"),
                     bounded(settledIndexed, span.monthStart, monthAfter),
                     QStringLiteral("zy_cost rows settled in one month"),
                     {}});
    return cases;
}

// Every registered unit that has a default query, asked for the month.
std::vector<BenchCase> unitCases(const Span& span) {
    std::vector<BenchCase> cases;
    for (const QueryUnit& unit : queryUnits()) {
        if (!unit.defaultQuery) {
            continue;
        }
        BenchCase bench;
        bench.name = unit.name;
        try {
            bench.statement = unit.defaultQuery(text(span.monthStart), text(span.monthEnd));
        } catch (const DbError& error) {
            bench.error = error.message();
        } catch (const std::exception& error) {
            bench.error = QString::fromLocal8Bit(error.what());
        }
        cases.push_back(bench);
    }
    return cases;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString quoted(const QVariant& value) {
    if (value.isNull()) {
        return QStringLiteral("NULL");
    }
    QString literal = value.toString();
    literal.replace(u'\'', QStringLiteral("''"));
    return u'\'' + literal + u'\'';
}

// The statement as the layer sends it to SQLite, with the values written in as literals for
// the shell. One pass over the text: quoted strings and names are copied as they are, and a
// parameter's value never gets rewritten by a later parameter.
QString literalSql(const Database& db, const Statement& statement) {
    const QString sql = db.adapt(statement.sql);
    QHash<QString, QString> values;
    for (const Param& param : statement.params) {
        values.insert(param.name, quoted(param.value));
    }
    const auto isNameChar = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    QString result;
    result.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"' || c == u'[') {
            const QChar close = c == u'[' ? QChar(u']') : c;
            qsizetype end = sql.indexOf(close, i + 1);
            end = end < 0 ? sql.size() : end + 1;
            result += sql.mid(i, end - i);
            i = end;
        } else if (c == u':' && i + 1 < sql.size() && isNameChar(sql[i + 1])) {
            qsizetype end = i + 1;
            while (end < sql.size() && isNameChar(sql[end])) {
                ++end;
            }
            const QString name = sql.mid(i, end - i);
            result += values.value(name, name);
            i = end;
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

qint64 openAndCount(Database& db, const Statement& statement, double& ms) {
    QElapsedTimer clock;
    clock.start();
    auto rows = db.query(statement);
    const qint64 count = rows->recordCount();
    ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return count;
}

// Runs `script` through the sqlite3 shell on `path`.
ShellRun shell(const QString& program, const QString& path, const QString& script) {
    ShellRun run;
    QProcess process;
    process.start(program, {QStringLiteral("-batch"), QStringLiteral("-bail"), path});
    if (!process.waitForStarted()) {
        run.error = QStringLiteral("cannot start %1").arg(program);
        return run;
    }
    process.write(script.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(-1)) {
        run.error = QStringLiteral("%1 did not finish").arg(program);
        return run;
    }
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.error = QString::fromUtf8(process.readAllStandardError()).trimmed();
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.ok && run.error.isEmpty()) {
        run.error = QStringLiteral("%1 exited with %2").arg(program).arg(process.exitCode());
    }
    return run;
}

// The shell's own timer around each run, output thrown away as the layer keeps it in memory.
std::optional<double> shellMs(const QString& program, const QString& path, const QString& sql,
                              int repeat, QString& error) {
    QString script = QStringLiteral(".output /dev/null\n") + sql + QStringLiteral(";\n.timer on\n");
    for (int i = 0; i < repeat; ++i) {
        script += sql + QStringLiteral(";\n");
    }
    const ShellRun run = shell(program, path, script);
    if (!run.ok) {
        error = run.error;
        return std::nullopt;
    }
    std::vector<double> times;
    const QRegularExpression timer(QStringLiteral("Run Time: real ([0-9.]+)"));
    for (auto match = timer.globalMatch(run.output); match.hasNext();) {
        times.push_back(match.next().captured(1).toDouble() * 1000.0);
    }
    if (times.empty()) {
        error = QStringLiteral("no timings from %1").arg(program);
        return std::nullopt;
    }
    return median(times);
}

struct ShellPlan {
    QStringList steps;           // EXPLAIN QUERY PLAN without the tree drawing, in order
    std::optional<qint64> rows;  // what the shell counts for the same text
};

// The shell's plan for `sql`, and its row count: a parameter the literal text missed would be
// NULL in the shell without an error, and show here as a different count.
ShellPlan queryPlan(const QString& program, const QString& path, const QString& sql) {
    const ShellRun run = shell(program, path,
                               QStringLiteral("explain query plan ") + sql +
                                   QStringLiteral(";\nselect 'rows: ' || count(*) from (") + sql +
                                   QStringLiteral(");\n"));
    if (!run.ok) {
        return {{QStringLiteral("?")}, std::nullopt};
    }
    ShellPlan plan;
    for (QString line : run.output.split(u'\n')) {
        if (line.startsWith(QLatin1String("rows: "))) {
            plan.rows = line.mid(6).trimmed().toLongLong();
            continue;
        }
        line.remove(QRegularExpression(QStringLiteral("^[|`\\- ]+")));
        line = line.trimmed();
        if (!line.isEmpty() && line != QLatin1String("QUERY PLAN")) {
            plan.steps.append(line);
        }
    }
    return plan;
}

// Row counts of the database's tables, counted when a plan first scans one.
class TableSizes {
  public:
    explicit TableSizes(Database& db) : db_(db) {
        QSqlQuery tables(db_.handle());
        tables.exec(QStringLiteral("select name from sqlite_master where type='table'"));
        while (tables.next()) {
            const QString name = tables.value(0).toString();
            names_.insert(name.toLower(), name);
        }
    }

    // The table a plan step names: the table itself, or the table an alias in `sql` stands
    // for. Empty for subqueries, views and anything else that is not a table.
    QString tableOf(const QString& planName, const QString& sql) const {
        const QString known = names_.value(planName.toLower());
        if (!known.isEmpty()) {
            return known;
        }
        const QRegularExpression alias(
            QStringLiteral("(?:from|join|,)\\s+([A-Za-z_][A-Za-z0-9_]*)\\s+(?:as\\s+)?") +
                QRegularExpression::escape(planName) + QStringLiteral("\\b"),
            QRegularExpression::CaseInsensitiveOption);
        for (auto match = alias.globalMatch(sql); match.hasNext();) {
            const QString table = names_.value(match.next().captured(1).toLower());
            if (!table.isEmpty()) {
                return table;
            }
        }
        return {};
    }

    qint64 rows(const QString& table) {
        const auto found = rows_.constFind(table);
        if (found != rows_.constEnd()) {
            return *found;
        }
        QSqlQuery count(db_.handle());
        qint64 n = -1;
        if (count.exec(QStringLiteral("select count(*) from \"%1\"").arg(table)) && count.next()) {
            n = count.value(0).toLongLong();
        }
        rows_.insert(table, n);
        return n;
    }

  private:
    Database& db_;
    QHash<QString, QString> names_;  // lower-case name -> name as created
    QHash<QString, qint64> rows_;
};

// "FULL SCAN mz_cost (1234567 rows)" for each plan step that reads a large table without
// an index; empty when there is none.
QString fullScans(const QStringList& plan, const QString& sql, TableSizes& sizes) {
    QStringList flags;
    for (const QString& step : plan) {
        if (!step.startsWith(QLatin1String("SCAN ")) || step.contains(QLatin1String("USING"))) {
            continue;
        }
        QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        words.removeFirst();
        if (!words.isEmpty() && words.first() == QLatin1String("TABLE")) {
            words.removeFirst();  // older shells write "SCAN TABLE name"
        }
        if (words.isEmpty()) {
            continue;
        }
        const QString table = sizes.tableOf(words.first(), sql);
        if (table.isEmpty()) {
            continue;
        }
        const qint64 rows = sizes.rows(table);
        if (rows > kLargeTable) {
            flags.append(QStringLiteral("FULL SCAN %1 (%2 rows)").arg(table).arg(rows));
        }
    }
    return flags.join(QStringLiteral(", "));
}

Outcome measure(Database& db, const QString& path, const BenchCase& bench, int repeat,
                const QString& program, TableSizes& sizes, QTextStream& out) {
    Outcome outcome;
    outcome.name = bench.name;
    outcome.pairedWith = bench.pairedWith;
    if (!bench.error.isEmpty()) {
        outcome.failed = true;
        out << QStringLiteral("%1 error: %2\n").arg(bench.name, -36).arg(bench.error);
        out.flush();
        return outcome;
    }
    try {
        double ms = 0;
        openAndCount(db, bench.statement, ms);  // warm-up: the file's pages into the cache
        std::vector<double> times;
        for (int i = 0; i < repeat; ++i) {
            outcome.rows = openAndCount(db, bench.statement, ms);
            times.push_back(ms);
        }
        outcome.layerMs = median(times);
    } catch (const DbError& error) {
        outcome.failed = true;
        out << QStringLiteral("%1 error: %2\n").arg(bench.name, -36).arg(error.message());
        out.flush();
        return outcome;
    } catch (const std::exception& error) {
        outcome.failed = true;
        out << QStringLiteral("%1 error: %2\n")
                   .arg(bench.name, -36)
                   .arg(QString::fromLocal8Bit(error.what()));
        out.flush();
        return outcome;
    }
    const QString sql = literalSql(db, bench.statement);
    QString shellError;
    outcome.shellMs = shellMs(program, path, sql, repeat, shellError);
    const ShellPlan plan = queryPlan(program, path, sql);
    outcome.plan = plan.steps.join(QStringLiteral("; "));
    QString scans = fullScans(plan.steps, sql, sizes);
    if (plan.rows && *plan.rows != outcome.rows) {
        scans += QStringLiteral("  SHELL COUNTS %1 ROWS").arg(*plan.rows);
    }
    out << QStringLiteral("%1 %2 rows  layer %3 ms  sqlite3 %4  ratio %5  [%6]%7%8\n")
               .arg(bench.name, -36)
               .arg(outcome.rows, 8)
               .arg(outcome.layerMs, 9, 'f', 1)
               .arg(outcome.shellMs ? QStringLiteral("%1 ms").arg(*outcome.shellMs, 9, 'f', 1)
                                    : QStringLiteral("      n/a"))
               .arg(outcome.shellMs && *outcome.shellMs > 0
                        ? QString::number(outcome.layerMs / *outcome.shellMs, 'f', 2)
                        : QStringLiteral("n/a"),
                    5)
               .arg(outcome.plan, scans.isEmpty() ? QString() : QStringLiteral("  ") + scans,
                    shellError.isEmpty() ? QString()
                                         : QStringLiteral("  sqlite3 error: ") + shellError);
    out.flush();
    return outcome;
}

// The last month that max(fydate) of mz_cost covers to its end, or `month` when given.
Span spanOf(Database& db, const std::optional<QDate>& month) {
    const QDate last = QDate::fromString(
        db.query(QStringLiteral("select max(fydate) as d from mz_cost"))->text(u"d").left(10),
        QStringLiteral("yyyy-MM-dd"));
    if (!last.isValid() && !month) {
        throw DbError(QStringLiteral("mz_cost has no charges to take the month from"));
    }
    Span span;
    if (month) {
        span.monthStart = *month;
    } else {
        span.monthStart = QDate(last.year(), last.month(), 1);
        if (last.day() != last.daysInMonth()) {
            span.monthStart = span.monthStart.addMonths(-1);
        }
    }
    span.monthEnd = span.monthStart.addMonths(1).addDays(-1);
    span.day = last.isValid() ? last.addDays(-14) : span.monthEnd;
    return span;
}

std::vector<Outcome> run(const QString& path, bool longOnly, const std::optional<QDate>& month,
                         int repeat, const QString& program, QTextStream& out) {
    Database db;
    db.openSqlite(path);
    const Span span = spanOf(db, month);
    TableSizes sizes(db);
    out << path << ": " << sizes.rows(QStringLiteral("mz_cost")) << " mz_cost rows, "
        << QFileInfo(path).size() / (1024 * 1024) << " MB; day " << text(span.day) << ", month "
        << text(span.monthStart) << " .. " << text(span.monthEnd) << "\n";
    out.flush();

    std::vector<Outcome> outcomes;
    out << "\nscreens' default queries, one month\n";
    out.flush();
    const std::vector<BenchCase> units = unitCases(span);
    if (units.empty()) {
        out << "(no query unit with a default query is registered)\n";
    }
    for (const BenchCase& bench : units) {
        outcomes.push_back(measure(db, path, bench, repeat, program, sizes, out));
    }
    out << "\nday filters and their index forms\n";
    out.flush();
    for (const BenchCase& bench : caseList(span, longOnly)) {
        outcomes.push_back(measure(db, path, bench, repeat, program, sizes, out));
    }
    return outcomes;
}

// What the index form gains over the form the screens send, statement by statement.
void printNotes(const std::vector<Outcome>& outcomes, QTextStream& out) {
    for (const Outcome& indexed : outcomes) {
        if (indexed.pairedWith.isEmpty() || indexed.failed) {
            continue;
        }
        for (const Outcome& plain : outcomes) {
            // Only worth a note where the form the screens send still scans the table
            // (a database made before the day-expression indexes existed).
            const bool scans = !plain.plan.contains(QLatin1String("USING INDEX"));
            if (plain.name == indexed.pairedWith && !plain.failed && indexed.layerMs > 0 && scans) {
                out << QStringLiteral(
                           "note: %1: the day filter on the converted date scans the "
                           "table; as a direct date range it %2 (%3 ms -> %4 ms, "
                           "x%5)%6\n")
                           .arg(plain.name, indexed.plan.contains(QLatin1String("USING INDEX"))
                                                ? QStringLiteral("uses the index")
                                                : QStringLiteral("still scans"))
                           .arg(plain.layerMs, 0, 'f', 1)
                           .arg(indexed.layerMs, 0, 'f', 1)
                           .arg(plain.layerMs / indexed.layerMs, 0, 'f', 1)
                           .arg(plain.rows == indexed.rows ? QString()
                                                           : QStringLiteral(" ROW COUNTS DIFFER"));
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    QString longPath;
    QString program = QStringLiteral("sqlite3");
    int repeat = 3;
    std::optional<QDate> month;
    bool usable = true;
    QString path;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--long") && i + 1 < args.size()) {
            longPath = args[++i];
        } else if (args[i] == QLatin1String("--month") && i + 1 < args.size()) {
            const QDate first =
                QDate::fromString(args[++i] + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
            usable = usable && first.isValid();
            month = first;
        } else if (args[i] == QLatin1String("--repeat") && i + 1 < args.size()) {
            repeat = std::max(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--sqlite3") && i + 1 < args.size()) {
            program = args[++i];
        } else if (path.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            path = args[i];
        } else {
            usable = false;
            break;
        }
    }
    if (!usable || path.isEmpty() || !QFileInfo::exists(path) ||
        (!longPath.isEmpty() && !QFileInfo::exists(longPath))) {
        err << "usage: query_bench DB [--long DB] [--month yyyy-mm] [--repeat N] "
               "[--sqlite3 PROGRAM]\n";
        return 2;
    }
    admin::registerClientProcedures();
    try {
        std::vector<Outcome> outcomes = run(path, false, month, repeat, program, out);
        if (!longPath.isEmpty()) {
            out << '\n';
            const std::vector<Outcome> longer = run(longPath, true, month, repeat, program, out);
            out << '\n';
            printNotes(outcomes, out);
            printNotes(longer, out);
        } else {
            out << '\n';
            printNotes(outcomes, out);
        }
    } catch (const DbError& error) {
        err << error.message() << '\n';
        return 1;
    }
    return 0;
}
