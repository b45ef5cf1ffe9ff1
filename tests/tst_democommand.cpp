// orbista-admin demo: the command line, the files it writes, and what it refuses to do.

#include "admincommands.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace orbista;

namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

Outcome runAdmin(const QStringList& arguments) {
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.code = admin::run(QStringList{QStringLiteral("orbista-admin")} + arguments, out, err);
    return outcome;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DemoCommandTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void writesADatabaseThatCheckAccepts();
    void writesTheDataLinkAsWindowsDoes();
    void reportsProgressAndRowsPerTable();
    void refusesToOverwriteWithoutForce_data();
    void refusesToOverwriteWithoutForce();
    void overwritesWithForce();
    void badCommandLinesGetTheUsage_data();
    void badCommandLinesGetTheUsage();

  private:
    Outcome demo(const QStringList& extra = {});

    QString previousDir_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void DemoCommandTest::init() {
    previousDir_ = QDir::currentPath();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void DemoCommandTest::cleanup() {
    QDir::setCurrent(previousDir_);
    dir_.reset();
}

Outcome DemoCommandTest::demo(const QStringList& extra) {
    return runAdmin(QStringList{QStringLiteral("demo"), dir_->path(), QStringLiteral("--days"),
                                QStringLiteral("2"), QStringLiteral("--end"),
                                QStringLiteral("2024-01-10")} +
                    extra);
}

void DemoCommandTest::writesADatabaseThatCheckAccepts() {
    const Outcome made = demo();
    QCOMPARE(made.code, 0);
    QVERIFY2(made.err.isEmpty(), qPrintable(made.err));
    QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("orbista.db"))));
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("orbista.db.part"))));

    QVERIFY(QDir::setCurrent(dir_->path()));
    const Outcome checked = runAdmin({QStringLiteral("check")});
    QCOMPARE(checked.out, QStringLiteral("ok\n"));
    QCOMPARE(checked.code, 0);
}

void DemoCommandTest::writesTheDataLinkAsWindowsDoes() {
    QCOMPARE(demo().code, 0);
    const QByteArray udl = contentOf(dir_->filePath(QStringLiteral("orbista.udl")));
    QVERIFY(udl.startsWith("\xFF\xFE"));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(udl.constData() + 2),
                                            (udl.size() - 2) / 2);
    QCOMPARE(text, QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB "
                                  "initstring\r\nProvider=SQLite;Data Source=orbista.db\r\n"));
}

void DemoCommandTest::reportsProgressAndRowsPerTable() {
    const Outcome made = demo();
    QCOMPARE(made.code, 0);
    QVERIFY2(made.out.contains(QStringLiteral("day 2/2  2024-01-10")), qPrintable(made.out));
    QVERIFY(QRegularExpression(QStringLiteral("\\nmz_cost +[1-9][0-9]+\\n"))
                .match(made.out)
                .hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("\\nmz_total +0\\n")).match(made.out).hasMatch());
    QVERIFY(made.out.contains(QStringLiteral(" rows in ")));
}

void DemoCommandTest::refusesToOverwriteWithoutForce_data() {
    QTest::addColumn<QString>("existing");
    QTest::newRow("database") << "orbista.db";
    QTest::newRow("data link") << "orbista.udl";
}

void DemoCommandTest::refusesToOverwriteWithoutForce() {
    QFETCH(QString, existing);
    const QString path = dir_->filePath(existing);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    const Outcome refused = demo();
    QCOMPARE(refused.code, 1);
    QVERIFY2(refused.err.contains(existing) && refused.err.contains(QStringLiteral("--force")),
             qPrintable(refused.err));
    QVERIFY(refused.out.isEmpty());
    QCOMPARE(contentOf(path), QByteArray("keep me"));
}

void DemoCommandTest::overwritesWithForce() {
    QCOMPARE(demo().code, 0);
    const QString database = dir_->filePath(QStringLiteral("orbista.db"));
    const QByteArray first = contentOf(database);
    QCOMPARE(demo().code, 1);

    const Outcome forced =
        demo({QStringLiteral("--force"), QStringLiteral("--seed"), QStringLiteral("5")});
    QCOMPARE(forced.code, 0);
    QVERIFY2(forced.err.isEmpty(), qPrintable(forced.err));
    QVERIFY(contentOf(database) != first);
}

void DemoCommandTest::badCommandLinesGetTheUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no folder") << QStringList{"demo"};
    QTest::newRow("two folders") << QStringList{"demo", "a", "b"};
    QTest::newRow("no days") << QStringList{"demo", "x", "--days", "0"};
    QTest::newRow("days not a number") << QStringList{"demo", "x", "--days", "many"};
    QTest::newRow("days missing") << QStringList{"demo", "x", "--days"};
    QTest::newRow("bad end") << QStringList{"demo", "x", "--end", "2024-13-01"};
    QTest::newRow("bad seed") << QStringList{"demo", "x", "--seed=-3"};
    QTest::newRow("unknown option") << QStringList{"demo", "x", "--fast"};
}

void DemoCommandTest::badCommandLinesGetTheUsage() {
    QFETCH(QStringList, arguments);
    const Outcome outcome = runAdmin(arguments);
    QCOMPARE(outcome.code, 2);
    QVERIFY(outcome.out.isEmpty());
    QVERIFY(outcome.err.startsWith(QStringLiteral("usage: orbista-admin")));
    QVERIFY(outcome.err.contains(QStringLiteral("demo DIR")));
}

QTEST_GUILESS_MAIN(DemoCommandTest)
#include "tst_democommand.moc"
