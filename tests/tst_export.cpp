// orbista-admin export: every registered printout written as PDF, xlsx and CSV from the
// command line, checked against the page texts and rows of the same printout; the exit
// statuses and messages; the print record.
#include "database.h"
#include "exportcommand.h"
#include "golden.h"
#include "outpatientdeskfixture.h"
#include "outpatientfixture.h"
#include "paginator.h"
#include "printrecord.h"
#include "screenregistry.h"
#include "screens.h"
#include "screentest.h"
#include "testsupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace orbista;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

QString tool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString withoutBlanks(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

}  // namespace

class TestExport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyPrintoutAsPdfXlsxAndCsv_data();
    void everyPrintoutAsPdfXlsxAndCsv();
    void refusals_data();
    void refusals();
    void missingDataLink();
    void listNamesEveryPrintout();

  private:
    Run exportWith(const QStringList& options);

    std::unique_ptr<test::ScreenFixture> world_;
    QTemporaryDir dir_;
    QString previousDir_;
};

void TestExport::initTestCase() {
    registerAllScreens();
    previousDir_ = QDir::currentPath();
}

// A hospital database in a folder of its own with orbista.udl naming it, as the command
// finds it in its working directory.
void TestExport::init() {
    world_ = std::make_unique<test::ScreenFixture>();
    QDir::setCurrent(dir_.path());
    QFile::remove(dir_.filePath(QStringLiteral("orbista.db")));
    QFile::remove(dir_.filePath(QString::fromLatin1(report::kPrintLogFileName)));
    auto db = test::freshDatabase(dir_, QStringLiteral("orbista.db"));
    test::insertOutpatientCharges(*db);
    // Registrations and flagged takings, for the registration sheets and the one-day list.
    test::insertRegistrations(*db);
    test::insertPatientCharges(*db);
    test::insertRows(*db, QStringLiteral("data_xtconfig"),
                     QStringLiteral("neirong\n测试县人民医院"));
    test::insertRows(*db, QStringLiteral("data_oper"),
                     QStringLiteral("code | name | pass | grade\n1001 | 周敏 | 1001 | 财务科查询"));
    test::writeSqliteUdl(dir_.path(), QStringLiteral("orbista.db"));
    report::setPrintLogDirectory(dir_.path());
}

void TestExport::cleanup() {
    Database::shared().close();
    report::setPrintLogDirectory({});
    QDir::setCurrent(previousDir_);
    world_.reset();
}

Run TestExport::exportWith(const QStringList& options) {
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = admin::runExport(options, out, err);
    out.flush();
    err.flush();
    Database::shared().close();
    return run;
}

void TestExport::everyPrintoutAsPdfXlsxAndCsv_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("printout");
    for (const ScreenRecord& record : registeredScreens()) {
        for (const Printout& p : record.printouts) {
            QTest::addRow("%s %s", qPrintable(record.className), qPrintable(p.name))
                << record.className << p.name;
        }
    }
}

void TestExport::everyPrintoutAsPdfXlsxAndCsv() {
    QFETCH(QString, screen);
    QFETCH(QString, printout);
    const QStringList period{screen,
                             printout,
                             QStringLiteral("--from"),
                             QStringLiteral("2026-03-01"),
                             QStringLiteral("--to"),
                             QStringLiteral("2026-03-02"),
                             QStringLiteral("--operator"),
                             QStringLiteral("1001")};
    const QString pdf = dir_.filePath(QStringLiteral("out.pdf"));
    const Run written = exportWith(period + QStringList{QStringLiteral("--pdf"), pdf});
    QVERIFY2(written.status == 0, qPrintable(written.err));

    // What the preview shows for the same values: the printout filled by the screen's own
    // function, with the same session.
    const Printout* p = nullptr;
    for (const Printout& candidate : findScreen(screen)->printouts) {
        if (candidate.name == printout) {
            p = &candidate;
        }
    }
    Database& db = Database::shared();
    db.openFromUdl(dir_.filePath(QStringLiteral("orbista.udl")));
    FilterValues values{{QStringLiteral("start"), QStringLiteral("2026-03-01")},
                        {QStringLiteral("end"), QStringLiteral("2026-03-02")}};
    for (const FilterSpec& f : p->filters) {
        values.insert(f.name, values.value(f.name, f.defaultValue));
    }
    auto job = p->fill(db, values);
    QVERIFY(!job->refused());
    QStringList texts = test::reportTexts(job->layout());
    // The moment of printing differs between the two; leave it out of both.
    texts = test::maskVolatile(
        texts,
        // Also inside a longer text, as the PDF side removes them.
        QRegularExpression(QStringLiteral(R"(\d{4}-\d{2}-\d{2}[ T]+\d{1,2}:\d{2}(:\d{2})?)")),
        QString());
    QString pdfText =
        tool(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    pdfText.remove(
        QRegularExpression(QStringLiteral(R"(\d{4}-\d{2}-\d{2} +\d{1,2}:\d{2}(:\d{2})?)")));
    QCOMPARE(withoutBlanks(pdfText), withoutBlanks(texts.join(QString())));

    // The same rows in the spreadsheets; amounts as numbers.
    ResultSet* rows = job->layout().boundRows();
    const int expectedRows = rows ? rows->recordCount() : static_cast<int>(texts.size());
    const QString csv = dir_.filePath(QStringLiteral("out.csv"));
    QCOMPARE(exportWith(period + QStringList{QStringLiteral("--csv"), csv}).status, 0);
    QFile csvFile(csv);
    QVERIFY(csvFile.open(QIODevice::ReadOnly));
    const QStringList csvLines =
        QString::fromUtf8(csvFile.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(csvLines.size(), expectedRows + 1);  // and the header

    const QString xlsx = dir_.filePath(QStringLiteral("out.xlsx"));
    QCOMPARE(exportWith(period + QStringList{QStringLiteral("--xlsx"), xlsx}).status, 0);
    const QString sheet =
        tool(QStringLiteral("unzip"),
             {QStringLiteral("-p"), xlsx, QStringLiteral("xl/worksheets/sheet1.xml")});
    QCOMPARE(sheet.count(QStringLiteral("<row ")), expectedRows + 1);
    const QString total = report::grandTotalText(job->layout(), report::paginate(job->layout()));
    if (!total.isEmpty()) {
        // A numeric cell holds no type attribute; the grand total is among the column sums.
        static const QRegularExpression number(
            QStringLiteral(R"(<c r="([A-Z]+)\d+"(?: s="\d+")?><v>([-0-9.E]+)</v>)"));
        QMap<QString, Money> sums;
        for (const auto& m : number.globalMatch(sheet)) {
            sums[m.captured(1)] += *Money::parse(m.captured(2));
        }
        const Money printed = *Money::parse(QString(total).remove(u','));
        QVERIFY2(
            std::any_of(sums.begin(), sums.end(),
                        [&](const Money& sum) { return sum.toString(2) == printed.toString(2); }),
            qPrintable(total));
    }

    // One print record per export, naming the operator, the printout and its values.
    QFile log(dir_.filePath(QString::fromLatin1(report::kPrintLogFileName)));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    QCOMPARE(lines.size(), 4);  // three lines and the last line break
    const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(first.value(QStringLiteral("operator")).toString(), QStringLiteral("周敏"));
    QCOMPARE(first.value(QStringLiteral("screen")).toString(), screen);
    QCOMPARE(first.value(QStringLiteral("printout")).toString(), printout);
    QCOMPARE(
        first.value(QStringLiteral("filters")).toObject().value(QStringLiteral("start")).toString(),
        QStringLiteral("2026-03-01"));
    QCOMPARE(first.value(QStringLiteral("total")).toString(), total);
    QCOMPARE(first.value(QStringLiteral("output")).toString(), QStringLiteral("pdf: ") + pdf);
}

void TestExport::refusals_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QStringList period{"--from", "2026-03-01", "--to", "2026-03-02"};
    QTest::newRow("unknown class")
        << (QStringList{"Tfrmnothing"} + period + QStringList{"--pdf", "x.pdf"}) << 2
        << "没有这个窗口：Tfrmnothing";
    QTest::newRow("unknown printout")
        << (QStringList{"TForm2", "QuickRep9"} + period + QStringList{"--pdf", "x.pdf"}) << 2
        << "没有这个打印表：QuickRep9";
    QTest::newRow("printout needed")
        << (QStringList{"Tfrmmz_query_cost_total"} + period + QStringList{"--pdf", "x.pdf"}) << 2
        << "请指定打印表：d, s";
    QTest::newRow("bad date") << QStringList{"TForm2",     "--from", "2026-02-30", "--to",
                                             "2026-03-02", "--pdf",  "x.pdf"}
                              << 2 << "yyyy-mm-dd";
    QTest::newRow("unknown filter")
        << (QStringList{"TForm2"} + period + QStringList{"--set", "doctor=王", "--pdf", "x.pdf"})
        << 2 << "不接受取值 doctor";
    QTest::newRow("no output") << (QStringList{"TForm2"} + period) << 2 << "--pdf";
    QTest::newRow("unknown operator")
        << (QStringList{"TForm2"} + period + QStringList{"--operator", "9'9", "--pdf", "x.pdf"})
        << 2 << "没有这个操作员：9'9";
    QTest::newRow("no rows: the screen's own message")
        << QStringList{"TForm2", "--from", "2025-01-01", "--to", "2025-01-02", "--pdf", "x.pdf"}
        << 1 << "时间段内无费用发生!";
    QTest::newRow("no charges of that doctor")
        << (QStringList{"Tfrmmz_query_cost_doctor", "QuickRep2"} + period +
            QStringList{"--set", "doctor=%", "--csv", "x.csv"})
        << 1 << "没有该医生费用信息！";
}

void TestExport::refusals() {
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run run = exportWith(options);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    // Nothing written, nothing recorded.
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("x.pdf"))));
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("x.csv"))));
    QVERIFY(!QFile::exists(dir_.filePath(QString::fromLatin1(report::kPrintLogFileName))));
}

void TestExport::missingDataLink() {
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    const Run run =
        exportWith({"TForm2", "--from", "2026-03-01", "--to", "2026-03-02", "--pdf", "x.pdf"});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(QStringLiteral("orbista.udl")), qPrintable(run.err));
    QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("x.pdf"))));
}

void TestExport::listNamesEveryPrintout() {
    const Run run = exportWith({"--list"});
    QCOMPARE(run.status, 0);
    for (const ScreenRecord& record : registeredScreens()) {
        for (const Printout& p : record.printouts) {
            QVERIFY2(run.out.contains(record.className + u' ' + p.name + u'\n'),
                     qPrintable(run.out));
        }
    }
    QVERIFY(run.out.contains(QStringLiteral("（默认 department）")));
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
