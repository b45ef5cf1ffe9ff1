// The kit the screen tests stand on: fixture rows land exactly as written, golden page texts
// catch a changed line and are written only when asked, and the driver's typing reaches the
// focus filters a screen puts on its boxes.
#include "database.h"
#include "datepicker.h"
#include "golden.h"
#include "prompts.h"
#include "resultgrid.h"
#include "screentest.h"
#include "session.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <optional>

using namespace orbista;

namespace {

// Sets an environment variable for a scope; unset when `value` is nullopt.
class EnvValue {
  public:
    EnvValue(const char* name, std::optional<QByteArray> value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) {
            old_ = qgetenv(name);
        }
        set(value);
    }
    ~EnvValue() { set(old_); }
    EnvValue(const EnvValue&) = delete;
    EnvValue& operator=(const EnvValue&) = delete;

    void set(const std::optional<QByteArray>& value) {
        if (value) {
            qputenv(name_, *value);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<QByteArray> old_;
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), content.size());
}

// A filter dialog as the query screens build them: entering the code box checks the
// "by code" mode, Enter in it runs the query.
class FilterDialog : public QDialog {
  public:
    FilterDialog() {
        setObjectName(QStringLiteral("FilterDialog"));
        auto* layout = new QVBoxLayout(this);
        byCode = add<QRadioButton>("rbcode");
        all = add<QRadioButton>("rball");
        code = add<QLineEdit>("Editcode");
        departments = add<QComboBox>("comboboxdepa");
        outcome = add<QLabel>("Panel1");
        start = new DatePicker(QDateTime::currentDateTime(), this);
        start->setObjectName(QStringLiteral("DateTimePicker1"));
        end = new DatePicker(QDateTime::currentDateTime(), this);
        end->setObjectName(QStringLiteral("DateTimePicker2"));
        grid = add<ResultGrid>("DBGrid1");
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            layout->addWidget(w);
        }
        all->setChecked(true);
        departments->addItems({QStringLiteral("内科"), QStringLiteral("外科")});
        code->installEventFilter(this);
        connect(code, &QLineEdit::returnPressed, this,
                [this] { outcome->setText(QStringLiteral("查询:") + code->text()); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == code && event->type() == QEvent::FocusIn) {
            ++focusIns;
            byCode->setChecked(true);
        }
        return QDialog::eventFilter(watched, event);
    }

    QRadioButton* byCode;
    QRadioButton* all;
    QLineEdit* code;
    QComboBox* departments;
    QLabel* outcome;
    DatePicker* start;
    DatePicker* end;
    ResultGrid* grid;
    int focusIns = 0;

  private:
    template <typename W>
    W* add(const char* name) {
        auto* w = new W(this);
        w->setObjectName(QString::fromLatin1(name));
        return w;
    }
};

}  // namespace

class TestTestKit : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void insertRowsLandsExactValues_data();
    void insertRowsLandsExactValues();
    void insertRowsReadsLayoutAndComments();
    void fixtureLogsInAndRestores();
    void goldenReportsFirstDifference_data();
    void goldenReportsFirstDifference();
    void goldenWritesOnlyMissingFilesWhenAsked();
    void driverWorksTheDialogLikeAnOperator();
};

void TestTestKit::insertRowsLandsExactValues_data() {
    QTest::addColumn<QString>("cell");  // as written between two bars
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("blanks around a cell are layout") << "  王建国     " << QVariant("王建国");
    QTest::newRow("double quotes keep blanks") << R"( " 王建国 " )" << QVariant(" 王建国 ");
    QTest::newRow("NULL is null") << "   NULL  " << QVariant();
    QTest::newRow("quoted NULL is text") << R"( "NULL" )" << QVariant("NULL");
    QTest::newRow("lower-case null is text") << " null " << QVariant("null");
    QTest::newRow("quotes") << " 李四's ' or '1'='1 " << QVariant("李四's ' or '1'='1");
    QTest::newRow("statement text")
        << R"( "a";drop table data_doctor;-- )" << QVariant(R"("a";drop table data_doctor;--)");
    QTest::newRow("quoted statement text")
        << R"( ""a";drop table data_doctor;--" )" << QVariant(R"("a";drop table data_doctor;--)");
    QTest::newRow("percent and underscore") << " 100%_x " << QVariant("100%_x");
    QTest::newRow("empty, not null") << "  " << QVariant("");
    QTest::newRow("a single blank") << R"( " " )" << QVariant(" ");
}

void TestTestKit::insertRowsLandsExactValues() {
    QFETCH(QString, cell);
    QFETCH(QVariant, stored);
    test::ScreenFixture world;
    test::insertRows(
        world.db(), QStringLiteral("data_doctor"),
        QStringLiteral("| code | name | depa |\n| 1 |") + cell + QStringLiteral("| 内科 |\n"));

    QSqlQuery q(world.db().handle());
    QVERIFY(q.exec(QStringLiteral("select code, name, depa from data_doctor")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("1"));
    QCOMPARE(q.value(1).isNull(), stored.isNull());
    QCOMPARE(q.value(1).toString(), stored.toString());
    QCOMPARE(q.value(2).toString(), QStringLiteral("内科"));
    QVERIFY(!q.next());
}

void TestTestKit::insertRowsReadsLayoutAndComments() {
    test::ScreenFixture world;
    // Indented as in a test's source, CR LF line ends, outer bars on some lines only.
    const QString literal = QString::fromUtf8(R"(
        -- three doctors; 李四 has no department yet
        code | name | depa

        | 1 | 王建国 | 内科 |
        2 | 李四 | NULL
        -- | 9 | 不是一行 | 外科 |
        |3|王小二|外科|
    )")
                                .replace(u'\n', QStringLiteral("\r\n"));
    test::insertRows(world.db(), QStringLiteral("data_doctor"), literal);

    QSqlQuery q(world.db().handle());
    QVERIFY(q.exec(QStringLiteral("select code, name, depa from data_doctor order by id")));
    QStringList rows;
    while (q.next()) {
        rows << QStringLiteral("%1/%2/%3")
                    .arg(q.value(0).toString(), q.value(1).toString(),
                         q.value(2).isNull() ? QStringLiteral("(null)") : q.value(2).toString());
    }
    QCOMPARE(rows, (QStringList{QStringLiteral("1/王建国/内科"), QStringLiteral("2/李四/(null)"),
                                QStringLiteral("3/王小二/外科")}));
}

void TestTestKit::fixtureLogsInAndRestores() {
    {
        test::ScreenFixture world(QStringLiteral("某市中心医院"), QStringLiteral("钱会计"));
        const Session& s = Session::current();
        QCOMPARE(s.hospitalName, QStringLiteral("某市中心医院"));
        QCOMPARE(s.operatorName, QStringLiteral("钱会计"));
        QCOMPARE(s.loginDepartmentCode, QStringLiteral("01"));
        prompter().simpleMessage(nullptr, QStringLiteral("没有数据"));
        QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("没有数据")});
    }
    QCOMPARE(Session::current().operatorName, QString());
    QCOMPARE(Session::current().hospitalName, QString());
    QVERIFY(dynamic_cast<ScriptedPrompter*>(&prompter()) == nullptr);
}

void TestTestKit::goldenReportsFirstDifference_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("messageParts");  // none: the comparison passes
    const QStringList page{QStringLiteral("测试县人民医院门诊收入合计报表"),
                           QStringLiteral("统计科室:外科"), QStringLiteral("备注:\n第二行"),
                           QStringLiteral("合计：￥38.83")};
    QTest::newRow("equal") << page << QStringList();
    QStringList changed = page;
    changed[3] = QStringLiteral("合计：￥38.84");
    QTest::newRow("changed line") << changed
                                  << QStringList{"line 4", "expected: \"合计：￥38.83\"",
                                                 "actual:   \"合计：￥38.84\""};
    QTest::newRow("one text more")
        << page + QStringList{QStringLiteral("第1页")}
        << QStringList{"line 5", "expected: (end of file)", "actual:   \"第1页\""};
    QTest::newRow("one text fewer")
        << page.mid(0, 3)
        << QStringList{"line 4", "expected: \"合计：￥38.83\"", "actual:   (no more texts)"};
    QStringList split = page;
    split.replace(2, QStringLiteral("备注:"));
    split.insert(3, QStringLiteral("第二行"));
    QTest::newRow("line break is not a new text")
        << split << QStringList{"line 3", R"(expected: "备注:\n第二行")", R"(actual:   "备注:")"};
}

void TestTestKit::goldenReportsFirstDifference() {
    QFETCH(QStringList, texts);
    QFETCH(QStringList, messageParts);
    QTemporaryDir source;
    QVERIFY(QDir(source.path()).mkpath(QStringLiteral("tests/golden")));
    writeFile(source.filePath(QStringLiteral("tests/golden/income.txt")),
              "测试县人民医院门诊收入合计报表\n统计科室:外科\n备注:\\n第二行\n合计：￥38.83\n");
    EnvValue dir("ORBISTA_SOURCE_DIR", source.path().toLocal8Bit());
    EnvValue update("ORBISTA_UPDATE_GOLDEN", QByteArray("1"));  // changes no existing file

    const QString message = test::compareGolden(QStringLiteral("income"), texts);
    if (messageParts.isEmpty()) {
        QCOMPARE(message, QString());
    }
    for (const QString& part : messageParts) {
        QVERIFY2(message.contains(part), qPrintable(message));
    }
    QCOMPARE(readAll(source.filePath(QStringLiteral("tests/golden/income.txt"))),
             QByteArray(
                 "测试县人民医院门诊收入合计报表\n统计科室:外科\n备注:\\n第二行\n合计：￥38.83\n"));
}

void TestTestKit::goldenWritesOnlyMissingFilesWhenAsked() {
    QTemporaryDir source;
    EnvValue dir("ORBISTA_SOURCE_DIR", source.path().toLocal8Bit());
    EnvValue update("ORBISTA_UPDATE_GOLDEN", std::nullopt);
    const QString file = source.filePath(QStringLiteral("tests/golden/outpatient/summary.txt"));
    const QRegularExpression madeAt(QStringLiteral(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"));
    const auto page = [&](const char* madeTime) {
        const QStringList texts{QStringLiteral("收费统计汇总表"),
                                QStringLiteral("制表时间:") + QString::fromLatin1(madeTime)};
        return test::maskVolatile(texts, madeAt, QStringLiteral("<时间>"));
    };

    const QString missing =
        test::compareGolden(QStringLiteral("outpatient/summary"), page("2026-03-01 08:00:00"));
    QVERIFY2(missing.contains(QStringLiteral("ORBISTA_UPDATE_GOLDEN=1")), qPrintable(missing));
    QVERIFY(!QFile::exists(file));

    update.set(QByteArray("1"));
    QCOMPARE(test::compareGolden(QStringLiteral("outpatient/summary"), page("2026-03-01 08:00:00")),
             QString());
    QCOMPARE(readAll(file), QByteArray("收费统计汇总表\n制表时间:<时间>\n"));

    update.set(std::nullopt);
    ORBISTA_COMPARE_GOLDEN(QStringLiteral("outpatient/summary"), page("2026-04-30 17:45:09"));
}

void TestTestKit::driverWorksTheDialogLikeAnOperator() {
    test::ScreenFixture world;
    test::insertRows(world.db(), QStringLiteral("data_doctor"), QStringLiteral(R"(
        | code | name |
        | 1 | 王建国 |
        | 12 | 李四 |
    )"));
    FilterDialog dialog;
    test::Driver d(&dialog);

    // Typing into the hidden dialog's box shows it and enters the box: the mode follows.
    d.type("Editcode", QStringLiteral("王建国"));
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.code->hasFocus());  // the real focus, so leaving the box is seen too
    QCOMPARE(dialog.focusIns, 1);
    QVERIFY(dialog.byCode->isChecked());
    QCOMPARE(d.text("Editcode"), QStringLiteral("王建国"));

    // Another mode clicked, then back into the box: a new focus-in; the text is replaced.
    d.click("rball");
    QVERIFY(dialog.all->isChecked());
    QVERIFY(dialog.all->hasFocus());
    d.type("Editcode", QStringLiteral("12"));
    QCOMPARE(dialog.focusIns, 2);
    QVERIFY(dialog.byCode->isChecked());
    QCOMPARE(d.text("Editcode"), QStringLiteral("12"));

    d.enter("Editcode");
    QCOMPARE(dialog.focusIns, 2);  // the box had the focus already
    QCOMPARE(d.text("Panel1"), QStringLiteral("查询:12"));

    QSignalSpy picked(dialog.departments, &QComboBox::textActivated);
    d.choose("comboboxdepa", QStringLiteral("外科"));
    QCOMPARE(d.text("comboboxdepa"), QStringLiteral("外科"));
    QCOMPARE(picked.size(), 1);

    d.setRange(QDate(2026, 3, 1), QDate(2026, 3, 2));
    QCOMPARE(dialog.start->value(), QDateTime(QDate(2026, 3, 1), QTime(0, 0)));
    QCOMPARE(dialog.end->value(), QDateTime(QDate(2026, 3, 2), QTime(23, 59, 59)));

    QCOMPARE(d.rows("DBGrid1"), -1);
    auto doctors = world.db().query(QStringLiteral("select code from data_doctor"));
    dialog.grid->bind(doctors.get());
    QCOMPARE(d.rows("DBGrid1"), 2);
    dialog.grid->unbind();
}

QTEST_MAIN(TestTestKit)
#include "tst_testkit.moc"
