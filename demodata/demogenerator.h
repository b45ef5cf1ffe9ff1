#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace orbista::demo {

struct DemoOptions {
    QString directory;
    int days = 365;
    std::uint64_t seed = 1;
    QDate end;  // last day of the data; today when not set
    bool force = false;
};

struct DemoProgress {
    int day = 0;  // days done
    int days = 0;
    QDate date;  // the day just finished
    std::int64_t rows = 0;
    double seconds = 0;
};

struct DemoSummary {
    QList<std::pair<QString, std::int64_t>> rowsPerTable;  // every table, in schema order
    std::int64_t totalRows = 0;
    double seconds = 0;
    QString databasePath;
    QString udlPath;
};

using DemoProgressHandler = std::function<void(const DemoProgress&)>;

// The files a demo run writes into `directory` that already exist there.
QStringList existingDemoFiles(const QString& directory);

// Writes `directory`/orbista.db, a SQLite database with the whole schema and a hospital's
// worth of coherent data for the span, and `directory`/orbista.udl naming it. The same seed
// and span always give the same data. The database is built under a temporary name and moved
// into place at the end, so a failed run leaves no half-filled orbista.db behind. Throws
// DemoError on failure, also when the files exist and force is not set. Calls `progress`
// after every simulated day.
DemoSummary generateDemo(const DemoOptions& options, const DemoProgressHandler& progress = {});

}  // namespace orbista::demo
