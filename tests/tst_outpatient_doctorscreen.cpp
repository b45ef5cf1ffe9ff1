// The outpatient doctor income driven through the real dialog: the code lookup, the charge
// list with its count and exact total, the print offers and both printouts.
#include "Unitmz_query_cost_doctor.h"
#include "database.h"
#include "paginator.h"
#include "prompts.h"
#include "resultgrid.h"
#include "session.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace orbista;

namespace {

const QString kHospital = QStringLiteral("测试县人民医院");
const QString kOperator = QStringLiteral("钱会计");

// 李四's three amounts add up to 0.6000000000000001 in floating point.
void fillFixture(Database& db) {
    const char* const charges[][5] = {
        {"M1", "2026-03-01 08:00:00", "西药费", "12.30", "王建国"},
        {"M2", "2026-03-01 23:59:59", "检查费", "80.00", " 王建国 "},
        {"M3", "2026-03-01 10:00:00", "西药费", "0.10", "李四"},
        {"M4", "2026-03-02 09:00:00", "化验费", "0.20", "李四"},
        {"M5", "2026-03-02 23:59:59", "治疗费", "0.30", "李四"},
    };
    for (const auto& c : charges) {
        db.append(QStringLiteral("mz_cost"),
                  {"code", "fydate", "fyname", "fyprice", "fydepa", "fydoctor", "jzman"},
                  {c[0], c[1], c[2], c[3], "内科", c[4], "张收"});
    }
    for (const auto& [code, name] : {std::pair{"1", "王建国"}, {"12", "李四"}, {"7", "赵六"}}) {
        db.append(QStringLiteral("data_doctor"), {"code", "name", "depa"}, {code, name, "内科"});
    }
}

struct Screen {
    explicit Screen(Database& db) : dialog(db) {
        dialog.show();
        setRange(QDate(2026, 3, 1), QDate(2026, 3, 2));
    }
    template <typename W>
    W* get(const char* name) {
        return test::control<W>(&dialog, name);
    }
    void setRange(QDate start, QDate end) {
        get<DatePicker>("DateTimePicker1")->setValue(QDateTime(start, QTime(9, 30)));
        get<DatePicker>("DateTimePicker2")->setValue(QDateTime(end, QTime(9, 30)));
    }
    void typeCode(const QString& code) {
        auto* box = get<QLineEdit>("Editdoctorcode");
        box->setText(code);
        QTest::keyClick(box, Qt::Key_Return);
    }
    int rowsOf(const char* grid) {
        ResultSet* rs = get<ResultGrid>(grid)->resultModel()->result();
        return rs ? rs->recordCount() : -1;
    }
    QString panel(const char* name) { return get<QLabel>(name)->text(); }

    Tfrmmz_query_cost_doctor dialog;
};

}  // namespace

class TestOutpatientDoctorScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void doctorCodeLookup_data();
    void doctorCodeLookup();
    void noChargesKeepsTheList();
    void chargeTablePrints();
    void doctorSummary_data();
    void doctorSummary();
    void activationSetsNowAndStatus();

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ScriptedPrompter> prompts_;
};

void TestOutpatientDoctorScreen::init() {
    db_ = test::freshDatabase(dir_);
    fillFixture(*db_);
    prompts_ = std::make_unique<ScriptedPrompter>();
    Session& s = Session::current();
    s.clear();
    s.operatorName = kOperator;
    s.hospitalName = kHospital;
}

void TestOutpatientDoctorScreen::cleanup() {
    prompts_.reset();
    db_.reset();
}

void TestOutpatientDoctorScreen::doctorCodeLookup_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("total");
    const QString offer = QStringLiteral("要打印吗？");
    QTest::newRow("stored with blanks still matches")
        << "1" << QStringList{offer} << 2 << "符合条件的费用条数:2"
        << "费用总计:92.30";
    QTest::newRow("exact two-decimal total")
        << "12" << QStringList{offer} << 3 << "符合条件的费用条数:3"
        << "费用总计:0.60";
    QTest::newRow("unknown code") << "99" << QStringList{"没有符合条件的医生！"} << -1 << ""
                                  << "";
    QTest::newRow("known doctor without charges")
        << "7" << QStringList{"没有该医生费用信息！"} << -1 << ""
        << "";
}

void TestOutpatientDoctorScreen::doctorCodeLookup() {
    QFETCH(QString, code);
    QFETCH(QStringList, messages);
    QFETCH(int, rows);
    QFETCH(QString, count);
    QFETCH(QString, total);
    Screen s(*db_);
    s.typeCode(code);
    QCOMPARE(prompts_->texts(), messages);
    QCOMPARE(s.rowsOf("DBGrid1"), rows);
    QCOMPARE(s.panel("Panel2"), count);
    QCOMPARE(s.panel("Panel4"), total);
    if (rows > 0) {
        QCOMPARE(prompts_->last().title, QStringLiteral("打印明细数据"));
        QCOMPARE(prompts_->last().buttons, PromptButtons::YesNo);
        QVERIFY(s.get<ResultGrid>("DBGrid1")->isVisibleTo(&s.dialog));
        QVERIFY(!s.get<ResultGrid>("DBGrid2")->isVisibleTo(&s.dialog));
    } else {
        const bool unknown = code == u"99";
        QCOMPARE(prompts_->last().title,
                 unknown ? QStringLiteral("系统操作提示：") : QStringLiteral("系统提示："));
        QCOMPARE(prompts_->last().icon, PromptIcon::Question);
    }
}

void TestOutpatientDoctorScreen::noChargesKeepsTheList() {
    Screen s(*db_);
    s.get<QPushButton>("bitbtnquery")->click();  // no doctor chosen: every charge
    QCOMPARE(s.rowsOf("DBGrid1"), 5);
    QCOMPARE(s.panel("Panel4"), QStringLiteral("费用总计:92.90"));
    s.setRange(QDate(2026, 5, 1), QDate(2026, 5, 1));
    prompts_->clear();
    s.get<QPushButton>("bitbtnquery")->click();
    QCOMPARE(prompts_->texts(), QStringList{QStringLiteral("没有该医生费用信息！")});
    QCOMPARE(s.rowsOf("DBGrid1"), 5);
    QCOMPARE(s.panel("Panel4"), QStringLiteral("费用总计:92.90"));
}

void TestOutpatientDoctorScreen::chargeTablePrints() {
    Screen s(*db_);
    prompts_->answer(PromptAnswer::Yes);
    s.typeCode(QStringLiteral("12"));
    QCOMPARE(prompts_->last().kind, QStringLiteral("preview"));
    QCOMPARE(prompts_->last().title, kHospital + QStringLiteral("门诊医生收入明细表"));
    QCOMPARE(prompts_->last().pages, 1);
    // back from the preview the pickers show the moment again
    QCOMPARE(s.dialog.startDay(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));

    const QStringList page = test::reportTexts(s.dialog.QuickRep2());
    for (const QString& text : {kHospital + QStringLiteral("门诊医生收入明细表"),
                                QStringLiteral("2026-03-01----2026-03-02"), kOperator,
                                QStringLiteral("治疗费"), QStringLiteral("0.60")}) {
        QVERIFY2(page.contains(text), qPrintable(text + QStringLiteral(" in ") + page.join(u'|')));
    }
    QCOMPARE(page.count(QStringLiteral("李四")), 3);
}

void TestOutpatientDoctorScreen::doctorSummary_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("sum");
    QTest::newRow("the fixture's days") << QDate(2026, 3, 1) << 2 << "￥92.90";
    QTest::newRow("empty range: no offer, the sign alone") << QDate(2026, 5, 1) << 0 << "￥";
}

void TestOutpatientDoctorScreen::doctorSummary() {
    QFETCH(QDate, day);
    QFETCH(int, rows);
    QFETCH(QString, sum);
    Screen s(*db_);
    s.setRange(day, day.addDays(1));
    prompts_->answer(PromptAnswer::Yes);
    s.get<QPushButton>("SpeedButton1")->click();
    QCOMPARE(s.rowsOf("DBGrid2"), rows);
    QVERIFY(s.get<ResultGrid>("DBGrid2")->isVisibleTo(&s.dialog));
    QVERIFY(!s.get<ResultGrid>("DBGrid1")->isVisibleTo(&s.dialog));
    QCOMPARE(s.dialog.QuickRep1().item(QStringLiteral("fy_sum"))->captionText(), sum);
    if (rows == 0) {
        QCOMPARE(prompts_->records().size(), 0);
        return;
    }
    QCOMPARE(prompts_->records().size(), 2);
    QCOMPARE(prompts_->records()[0].text, QStringLiteral("要打印吗？请插入打印纸"));
    QCOMPARE(prompts_->records()[0].title, QStringLiteral("医生汇总表"));
    QCOMPARE(prompts_->last().title, kHospital + QStringLiteral("医生费用汇总表"));

    const QStringList page = test::reportTexts(s.dialog.QuickRep1());
    for (const QString& text : {kHospital + QStringLiteral("医生费用汇总表"),
                                QStringLiteral("门诊部"), QStringLiteral("2026-03-01-2026-03-02"),
                                sum, kOperator, QStringLiteral("92.30"), QStringLiteral("0.60")}) {
        QVERIFY2(page.contains(text), qPrintable(text + QStringLiteral(" in ") + page.join(u'|')));
    }
}

void TestOutpatientDoctorScreen::activationSetsNowAndStatus() {
    const QDateTime before = QDateTime::currentDateTime();
    Screen s(*db_);
    s.dialog.FormActivate();
    const DateRangeValues range = s.dialog.dateRange();
    QVERIFY(qAbs(range.start.secsTo(before)) < 5);
    QVERIFY(qAbs(range.end.secsTo(before)) < 5);
    QCOMPARE(s.dialog.statusPanelText(0), QStringLiteral("〖门诊医生费用查询〗"));
    QCOMPARE(s.dialog.statusPanelText(1), QStringLiteral("操作员:") + kOperator);
    QCOMPARE(s.get<QComboBox>("editdoctor")->count(), 3);
    QCOMPARE(s.get<QComboBox>("editdoctor")->currentIndex(), -1);
}

QTEST_MAIN(TestOutpatientDoctorScreen)
#include "tst_outpatient_doctorscreen.moc"
