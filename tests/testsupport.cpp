#include "testsupport.h"

#include "database.h"
#include "paginator.h"
#include "reportlayout.h"
#include "reportpage.h"
#include "schema.h"

#include <QDir>
#include <QFile>

namespace orbista::test {

QString freshDir(QTemporaryDir& dir) {
    Q_ASSERT(dir.isValid());
    return dir.path();
}

QString sourceDir() {
    return qEnvironmentVariable("ORBISTA_SOURCE_DIR");
}

std::unique_ptr<Database> freshDatabase(const QTemporaryDir& dir, const QString& fileName) {
    const QString path = dir.filePath(fileName);
    QFile::remove(path);
    auto db = std::make_unique<Database>();
    db->openSqlite(path);
    Transaction t(*db);
    for (const QString& statement : schema::createStatements(Dialect::Sqlite)) {
        db->execute(statement);
    }
    t.commit();
    return db;
}

void writeSqliteUdl(const QString& dir, const QString& dbFile) {
    QFile f(QDir(dir).filePath(QStringLiteral("orbista.udl")));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(
            "[oledb]\n; Everything after this line is an OLE DB initstring\n"
            "Provider=SQLite;Data Source=");
        f.write(dbFile.toUtf8());
        f.write("\n");
    }
}

QStringList pageTexts(const report::Page& page) {
    QStringList texts;
    for (const report::PageText& t : page.texts) {
        texts << t.text;
    }
    return texts;
}

QStringList reportTexts(const report::ReportLayout& layout) {
    QStringList texts;
    for (const report::Page& page : report::paginate(layout).pages) {
        texts << pageTexts(page);
    }
    return texts;
}

}  // namespace orbista::test
