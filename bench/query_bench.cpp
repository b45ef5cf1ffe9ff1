// Times representative day-range statements on a demo database: through the database layer
// (Database::query and recordCount, as a screen opens a result) and through the sqlite3 shell
// on the same file with the same adapted SQL, and prints both with their ratio. Each statement
// also runs in an "index form" that compares the stored date-time directly with the day
// bounds, to show what the day filter costs. Later measurements belong in caseList().
//
// Usage: query_bench DB [--long DB] [--repeat N] [--sqlite3 PROGRAM]
//   DB        a database written by "orbista-admin demo" (one year is typical)
//   --long    a second, longer one (five years) to time the month statements on
//   --repeat  timed runs per statement after one warm-up run; the median is shown (3)

#include "database.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <optional>
#include <vector>

using namespace orbista;

namespace {

struct BenchCase {
    QString name;
    QString sql;  // T-SQL as the screens send it
    Params params;
    QString pairedWith;  // for an index form: the name of the case it rewrites
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
};

QString text(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

Params bounds(const QDate& first, const QDate& second) {
    return {{QStringLiteral(":a1"), text(first)}, {QStringLiteral(":a2"), text(second)}};
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
        cases.push_back(
            {QStringLiteral("mz_cost rows, one day"), dayRows, bounds(span.day, span.day), {}});
        cases.push_back({QStringLiteral("  index form"), dayRowsIndexed, bounds(span.day, dayAfter),
                         QStringLiteral("mz_cost rows, one day")});
    }
    cases.push_back({QStringLiteral("mz_cost rows, one month"),
                     dayRows,
                     bounds(span.monthStart, span.monthEnd),
                     {}});
    cases.push_back({QStringLiteral("  index form"), dayRowsIndexed,
                     bounds(span.monthStart, monthAfter),
                     QStringLiteral("mz_cost rows, one month")});
    cases.push_back({QStringLiteral("mz_cost totals by fee, one month"),
                     feeTotals,
                     bounds(span.monthStart, span.monthEnd),
                     {}});
    cases.push_back({QStringLiteral("  index form"), feeTotalsIndexed,
                     bounds(span.monthStart, monthAfter),
                     QStringLiteral("mz_cost totals by fee, one month")});
    cases.push_back({QStringLiteral("zy_cost rows settled in one month"),
                     settled,
                     bounds(span.monthStart, span.monthEnd),
                     {}});
    cases.push_back({QStringLiteral("  index form"), settledIndexed,
                     bounds(span.monthStart, monthAfter),
                     QStringLiteral("zy_cost rows settled in one month")});
    return cases;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The statement as the layer sends it to SQLite, with the values written in as literals.
QString literalSql(const Database& db, const BenchCase& bench) {
    QString sql = db.adapt(bench.sql);
    for (const Param& param : bench.params) {
        QString value = param.value.toString();
        value.replace(u'\'', QStringLiteral("''"));
        sql.replace(
            QRegularExpression(QRegularExpression::escape(param.name) + QStringLiteral("\\b")),
            u'\'' + value + u'\'');
    }
    return sql;
}

qint64 openAndCount(Database& db, const BenchCase& bench, double& ms) {
    QElapsedTimer clock;
    clock.start();
    auto rows = db.query(bench.sql, bench.params);
    const qint64 count = rows->recordCount();
    ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return count;
}

// Runs `script` through the sqlite3 shell on `path`; empty when the shell cannot be run.
std::optional<QString> shell(const QString& program, const QString& path, const QString& script) {
    QProcess process;
    process.start(program, {QStringLiteral("-batch"), path});
    if (!process.waitForStarted()) {
        return std::nullopt;
    }
    process.write(script.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The shell's own timer around each run, output thrown away as the layer keeps it in memory.
std::optional<double> shellMs(const QString& program, const QString& path, const QString& sql,
                              int repeat) {
    QString script = QStringLiteral(".output /dev/null\n") + sql + QStringLiteral(";\n.timer on\n");
    for (int i = 0; i < repeat; ++i) {
        script += sql + QStringLiteral(";\n");
    }
    const std::optional<QString> output = shell(program, path, script);
    if (!output) {
        return std::nullopt;
    }
    std::vector<double> times;
    const QRegularExpression timer(QStringLiteral("Run Time: real ([0-9.]+)"));
    for (auto match = timer.globalMatch(*output); match.hasNext();) {
        times.push_back(match.next().captured(1).toDouble() * 1000.0);
    }
    if (times.empty()) {
        return std::nullopt;
    }
    return median(times);
}

QString queryPlan(const QString& program, const QString& path, const QString& sql) {
    const std::optional<QString> output =
        shell(program, path, QStringLiteral("explain query plan ") + sql + QStringLiteral(";\n"));
    if (!output) {
        return QStringLiteral("?");
    }
    QStringList steps;
    for (QString line : output->split(u'\n')) {
        line.remove(QRegularExpression(QStringLiteral("^[|`\\- ]+")));
        if (line.startsWith(QLatin1String("SCAN")) || line.startsWith(QLatin1String("SEARCH"))) {
            steps.append(line);
        }
    }
    return steps.join(QStringLiteral("; "));
}

Span spanOf(Database& db) {
    const QDate last = QDate::fromString(
        db.query(QStringLiteral("select max(fydate) as d from mz_cost"))->text(u"d").left(10),
        QStringLiteral("yyyy-MM-dd"));
    Span span;
    span.day = last.addDays(-14);
    span.monthStart = QDate(last.year(), last.month(), 1).addMonths(-1);
    span.monthEnd = span.monthStart.addMonths(1).addDays(-1);
    return span;
}

std::vector<Outcome> run(const QString& path, bool longOnly, int repeat, const QString& program,
                         QTextStream& out) {
    Database db;
    db.openSqlite(path);
    const Span span = spanOf(db);
    const qint64 charges =
        db.query(QStringLiteral("select count(*) as n from mz_cost"))->integer(u"n");
    out << path << ": " << charges << " mz_cost rows, " << QFileInfo(path).size() / (1024 * 1024)
        << " MB; day " << text(span.day) << ", month " << text(span.monthStart) << " .. "
        << text(span.monthEnd) << "\n";
    out.flush();

    std::vector<Outcome> outcomes;
    for (const BenchCase& bench : caseList(span, longOnly)) {
        Outcome outcome;
        outcome.name = bench.name;
        outcome.pairedWith = bench.pairedWith;
        double ms = 0;
        openAndCount(db, bench, ms);  // warm-up: the file's pages into the cache
        std::vector<double> times;
        for (int i = 0; i < repeat; ++i) {
            outcome.rows = openAndCount(db, bench, ms);
            times.push_back(ms);
        }
        outcome.layerMs = median(times);
        const QString sql = literalSql(db, bench);
        outcome.shellMs = shellMs(program, path, sql, repeat);
        outcome.plan = queryPlan(program, path, sql);
        out << QStringLiteral("%1 %2 rows  layer %3 ms  sqlite3 %4  ratio %5  [%6]\n")
                   .arg(bench.name, -36)
                   .arg(outcome.rows, 8)
                   .arg(outcome.layerMs, 9, 'f', 1)
                   .arg(outcome.shellMs ? QStringLiteral("%1 ms").arg(*outcome.shellMs, 9, 'f', 1)
                                        : QStringLiteral("      n/a"))
                   .arg(outcome.shellMs && *outcome.shellMs > 0
                            ? QString::number(outcome.layerMs / *outcome.shellMs, 'f', 2)
                            : QStringLiteral("n/a"),
                        5)
                   .arg(outcome.plan);
        out.flush();
        outcomes.push_back(outcome);
    }
    return outcomes;
}

// What the index form gains over the form the screens send, statement by statement.
void printNotes(const std::vector<Outcome>& outcomes, QTextStream& out) {
    for (const Outcome& indexed : outcomes) {
        if (indexed.pairedWith.isEmpty()) {
            continue;
        }
        for (const Outcome& plain : outcomes) {
            // Only worth a note where the form the screens send still scans the table
            // (a database made before the day-expression indexes existed).
            const bool scans = !plain.plan.contains(QLatin1String("USING INDEX"));
            if (plain.name == indexed.pairedWith && indexed.layerMs > 0 && scans) {
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
    QString path;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--long") && i + 1 < args.size()) {
            longPath = args[++i];
        } else if (args[i] == QLatin1String("--repeat") && i + 1 < args.size()) {
            repeat = std::max(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--sqlite3") && i + 1 < args.size()) {
            program = args[++i];
        } else if (path.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            path = args[i];
        } else {
            path.clear();
            break;
        }
    }
    if (path.isEmpty() || !QFileInfo::exists(path) ||
        (!longPath.isEmpty() && !QFileInfo::exists(longPath))) {
        err << "usage: query_bench DB [--long DB] [--repeat N] [--sqlite3 PROGRAM]\n";
        return 2;
    }
    try {
        std::vector<Outcome> outcomes = run(path, false, repeat, program, out);
        if (!longPath.isEmpty()) {
            out << '\n';
            const std::vector<Outcome> longer = run(longPath, true, repeat, program, out);
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
