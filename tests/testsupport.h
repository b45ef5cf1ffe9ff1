#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace orbista {
class Database;
namespace report {
class ReportLayout;
struct Page;
}  // namespace report
}  // namespace orbista

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

// The texts laid out on one report page, in layout order.
QStringList pageTexts(const report::Page& page);
// The texts of every page the layout paginates to.
QStringList reportTexts(const report::ReportLayout& layout);

// A control of a window by its objectName; stops the test run when it is missing.
template <typename W>
W* control(const QWidget* window, const char* name) {
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    if (!w) {
        qFatal("no control %s", name);
    }
    return w;
}

}  // namespace orbista::test
