#include "democommand.h"

#include "demogenerator.h"
#include "tablewriter.h"

#include <optional>

namespace orbista::admin {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kProgressEveryDays = 30;
constexpr int kMostDays = 36500;

// Accepts "--name VALUE" and "--name=VALUE"; advances `i` past what it used.
std::optional<QString> optionValue(const QStringList& options, qsizetype& i, const QString& name) {
    const QString& option = options[i];
    if (option == name && i + 1 < options.size()) {
        return options[++i];
    }
    if (option.startsWith(name + u'=')) {
        return option.mid(name.size() + 1);
    }
    return std::nullopt;
}

std::optional<demo::DemoOptions> parse(const QStringList& options) {
    demo::DemoOptions parsed;
    bool haveDirectory = false;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& option = options[i];
        if (option == QLatin1String("--force")) {
            parsed.force = true;
        } else if (auto days = optionValue(options, i, QStringLiteral("--days"))) {
            bool ok = false;
            parsed.days = days->toInt(&ok);
            if (!ok || parsed.days < 1 || parsed.days > kMostDays) {
                return std::nullopt;
            }
        } else if (auto seed = optionValue(options, i, QStringLiteral("--seed"))) {
            bool ok = false;
            parsed.seed = seed->toULongLong(&ok);
            if (!ok) {
                return std::nullopt;
            }
        } else if (auto end = optionValue(options, i, QStringLiteral("--end"))) {
            parsed.end = QDate::fromString(*end, QStringLiteral("yyyy-MM-dd"));
            if (!parsed.end.isValid()) {
                return std::nullopt;
            }
        } else if (!option.startsWith(QLatin1String("--")) && !haveDirectory) {
            parsed.directory = option;
            haveDirectory = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveDirectory) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

const char* demoUsage() {
    return "  demo DIR [--days N] [--seed S] [--end yyyy-mm-dd] [--force]\n"
           "                                 write a demo database DIR/orbista.db (N days up to\n"
           "                                 the end day, default 365 days to today, seed 1)\n"
           "                                 and DIR/orbista.udl naming it\n";
}

int runDemo(const QStringList& options, QTextStream& out, QTextStream& err) {
    const std::optional<demo::DemoOptions> parsed = parse(options);
    if (!parsed) {
        err << "usage: orbista-admin\n" << demoUsage();
        return kUsage;
    }
    const QStringList existing = demo::existingDemoFiles(parsed->directory);
    if (!existing.isEmpty() && !parsed->force) {
        err << existing.join(QStringLiteral(", "))
            << " already exists; use --force to overwrite it\n";
        return kFailed;
    }
    demo::DemoSummary summary;
    try {
        summary = demo::generateDemo(*parsed, [&out](const demo::DemoProgress& progress) {
            if (progress.day % kProgressEveryDays == 0 || progress.day == progress.days) {
                out << QStringLiteral("day %1/%2  %3  %4 rows  %5 s\n")
                           .arg(progress.day)
                           .arg(progress.days)
                           .arg(progress.date.toString(QStringLiteral("yyyy-MM-dd")))
                           .arg(progress.rows)
                           .arg(progress.seconds, 0, 'f', 1);
                out.flush();
            }
        });
    } catch (const demo::DemoError& error) {
        err << QString::fromStdString(error.what()) << '\n';
        return kFailed;
    }
    for (const auto& [table, rows] : summary.rowsPerTable) {
        out << QStringLiteral("%1 %2\n").arg(table, -16).arg(rows, 10);
    }
    out << QStringLiteral("%1 rows in %2 s\n")
               .arg(summary.totalRows)
               .arg(summary.seconds, 0, 'f', 1)
        << "wrote " << summary.databasePath << " and " << summary.udlPath << '\n';
    return kDone;
}

}  // namespace orbista::admin
