// Parses the client's T-SQL with a real T-SQL grammar (tools/tsqlcheck), since no SQL Server
// runs here.
#include "testsupport.h"
#include "tsqlchecker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace orbista::test;

// The file lines the checker reported errors on.
QSet<int> errorLines(const QString& output) {
    static const QRegularExpression errorLine(QStringLiteral("^.*\\.sql:(\\d+):\\d+: "),
                                              QRegularExpression::MultilineOption);
    QSet<int> lines;
    for (auto it = errorLine.globalMatch(output); it.hasNext();) {
        lines.insert(it.next().captured(1).toInt());
    }
    return lines;
}

QString tsqlFixture(const QString& name) {
    return QDir(orbista::test::sourceDir()).filePath(QStringLiteral("tests/tsql/") + name);
}

}  // namespace

class TestTsqlSyntax : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void knownGoodScriptParses();
    void knownBadScriptFailsOnItsLines();
    void statements_data();
    void statements();
    void reportsTheFailingStatement();
    void splitsBatchesOnGoLines_data();
    void splitsBatchesOnGoLines();
};

void TestTsqlSyntax::initTestCase() {
    const QString problem = checkerUnavailable();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestTsqlSyntax::knownGoodScriptParses() {
    const TsqlCheck result = runChecker({tsqlFixture(QStringLiteral("known_good.sql"))});
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    QVERIFY2(result.output.contains(QRegularExpression(QStringLiteral("^\\d+ batches OK$"),
                                                       QRegularExpression::MultilineOption)),
             qPrintable(result.output));
}

void TestTsqlSyntax::knownBadScriptFailsOnItsLines() {
    const TsqlCheck result = runChecker({tsqlFixture(QStringLiteral("known_bad.sql"))});
    QCOMPARE(result.exitCode, 1);
    // "selec * form" on line 4, the missing ")" on line 6; the good batches around them and
    // the placeholder statement on line 8 report nothing.
    QCOMPARE(errorLines(result.output), (QSet<int>{4, 6}));
    QVERIFY2(result.output.contains(QStringLiteral("known_bad.sql:4:")), qPrintable(result.output));
}

void TestTsqlSyntax::statements_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("valid");

    QTest::newRow("lower case, placeholders")
        << QStringLiteral(
               "select * from mz_cost where convert(varchar(10),fydate,20)>=:a1 and "
               "convert(varchar(10),fydate,20)<=:a2")
        << true;
    QTest::newRow("mixed case") << QStringLiteral(
                                       "SELECT Convert(Char(10),FyDate,20) AS Rq FROM "
                                       "Mz_Cost WHERE Depa LIKE :Depa")
                                << true;
    QTest::newRow("colon inside a literal")
        << QStringLiteral("select * from data_oper where name<>':a1' and code=:code") << true;
    QTest::newRow("Chinese literal")
        << QStringLiteral("select '药库药品出库报表' as title") << true;
    QTest::newRow("exec with output")
        << QStringLiteral("declare @b money\nexec p_total @a=:a1, @total=@b output") << true;
    QTest::newRow("misspelt keywords") << QStringLiteral("selec * form mz_cost") << false;
    QTest::newRow("missing parenthesis")
        << QStringLiteral("select isnull(fyprice,0 from mz_cost") << false;
    QTest::newRow("dangling where") << QStringLiteral("update mz_total set price=0 where") << false;
    QTest::newRow("bare colon") << QStringLiteral("select * from mz_cost where code=:") << false;
}

void TestTsqlSyntax::statements() {
    QFETCH(QString, statement);
    QFETCH(bool, valid);
    const TsqlCheck result = checkStatements({statement});
    QVERIFY2(result.exitCode == (valid ? 0 : 1), qPrintable(result.output));
}

void TestTsqlSyntax::reportsTheFailingStatement() {
    const TsqlCheck result = checkStatements({
        QStringLiteral("select code,\n  name\nfrom data_oper\nwhere code=:a1"),
        QStringLiteral("delete mz_total"),
        QStringLiteral("select *\nfrom mz_cost\nwhere (fydate>=:a1"),
        QStringLiteral("select 1"),
    });
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.output.startsWith(QStringLiteral("statement 3, line 3")),
             qPrintable(result.output));
    QVERIFY2(result.output.contains(QStringLiteral("where (fydate>=:a1")),
             qPrintable(result.output));
    QVERIFY2(!result.output.contains(QStringLiteral("statement 1")), qPrintable(result.output));
}

void TestTsqlSyntax::splitsBatchesOnGoLines_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("batches");

    QTest::newRow("upper and lower case")
        << QStringLiteral("select 1\nGO\nselect 2\ngo\nselect 3\n") << 3;
    QTest::newRow("blanks around, CRLF")
        << QStringLiteral("select 1\r\n  Go  \r\n\r\nselect 2\r\n\tGO\r\n") << 2;
    QTest::newRow("empty batches dropped") << QStringLiteral("GO\n\nGO\nselect 1\nGO\nGO\n") << 1;
    QTest::newRow("procedure, then its call")
        << QStringLiteral("create procedure p_a as\nselect 1\nGO\nexec p_a\n") << 2;
}

void TestTsqlSyntax::splitsBatchesOnGoLines() {
    QFETCH(QString, script);
    QFETCH(int, batches);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("script.sql"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script.toUtf8());
    file.close();
    const TsqlCheck result = runChecker({path});
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    QCOMPARE(result.output.trimmed(), QStringLiteral("%1 batches OK").arg(batches));
}

QTEST_GUILESS_MAIN(TestTsqlSyntax)
#include "tst_tsqlsyntax.moc"
