// The outpatient income statistics driven through the real dialog: the four modes, the code
// lookups, the refill of mz_total, the empty result, and both printouts.
#include "Unitmz_query_cost_total.h"
#include "Unitmz_query_cost_total_reports.h"
#include "database.h"
#include "paginator.h"
#include "prompts.h"
#include "resultgrid.h"
#include "screentest.h"
#include "session.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace orbista;

namespace {

const QString kHospital = QStringLiteral("测试县人民医院");
const QString kOperator = QStringLiteral("张收");

struct Charge {
    const char* code;
    const char* fydate;
    const char* fyname;
    const char* style;
    const char* fyprice;
    const char* fydepa;
    const char* fydoctor;
    const char* jzman;
    const char* depa;
};

// Two days of charges: day edges, a blank-padded doctor, two styles of one fee name, another
// login department; and one charge well after them.
const Charge kCharges[] = {
    {"M1", "2026-03-01 08:00:00", "西药费", "01", "12.30", "内科", "王建国", "张收", "01"},
    {"M2", "2026-03-01 23:59:59", "检查费", "02", "80.00", "内科", " 王建国 ", "张收", "01"},
    {"M3", "2026-03-01 10:00:00", "西药费", "21", "5.50", "外科", "李四", "赵收", "01"},
    {"M4", "2026-03-02 09:00:00", "化验费", "03", "33.33", "外科", "王小二", "张收", "02"},
    {"M5", "2026-03-02 23:59:59", "西药费", "01", "0.10", "儿科", "李四", "赵收", "01"},
    {"M6", "2026-03-20 09:00:00", "挂号费", "04", "1.00", "内科", "王建国", "张收", "01"},
};

void fillFixture(Database& db) {
    for (const Charge& c : kCharges) {
        db.append(
            QStringLiteral("mz_cost"),
            {"code", "fydate", "fyname", "style", "fyprice", "fydepa", "fydoctor", "jzman", "depa"},
            {c.code, c.fydate, c.fyname, c.style, c.fyprice, c.fydepa, c.fydoctor, c.jzman,
             c.depa});
    }
    for (const auto& [code, name] : {std::pair{"01", "内科"}, {"02", "外科"}, {"10", "儿科"}}) {
        db.append(QStringLiteral("data_depa"), {"code", "name"}, {code, name});
    }
    for (const auto& [code, name, depa] :
         {std::tuple{"1", "王建国", "内科"}, {"12", "李四", "外科"}, {"3", "王小二", "外科"}}) {
        db.append(QStringLiteral("data_doctor"), {"code", "name", "depa"}, {code, name, depa});
    }
    db.append(QStringLiteral("data_fy_mz"), {"code", "name"}, {"001", "西药费"});
}

QStringList totalsTable(Database& db) {
    auto rs = db.query(QStringLiteral("select name, toatl from mz_total order by name, toatl"));
    QStringList out;
    for (int i = 0; i < rs->recordCount(); ++i) {
        out << rs->text(i, 0) + u'=' + rs->money(i, 1).toString();
    }
    return out;
}

// The screen on the fixture, shown, with the two fixture days chosen.
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
        get<DatePicker>("DateTimePicker1")->setValue(QDateTime(start, QTime(0, 0)));
        get<DatePicker>("DateTimePicker2")->setValue(QDateTime(end, QTime(23, 59, 59)));
    }
    // Clicks the mode, then types a code and presses Enter, or picks a list item.
    void choose(const QString& mode, const QString& codeBox, const QString& code,
                const QString& list, const QString& item) {
        get<QRadioButton>(qPrintable(mode))->click();
        if (!codeBox.isEmpty()) {
            auto* box = get<QLineEdit>(qPrintable(codeBox));
            box->setText(code);
            QTest::keyClick(box, Qt::Key_Return);
        }
        if (!list.isEmpty()) {
            auto* combo = get<QComboBox>(qPrintable(list));
            combo->setCurrentIndex(combo->findText(item));
        }
    }
    void query() { get<QPushButton>("SpeedButton1")->click(); }
    int listedRows() {
        ResultSet* rs = get<ResultGrid>("DBGrid2")->resultModel()->result();
        return rs ? rs->recordCount() : -1;
    }
    int totalRows() {
        ResultSet* rs = get<ResultGrid>("DBGrid1")->resultModel()->result();
        return rs ? rs->recordCount() : -1;
    }
    QString fysum() { return get<QLabel>("fysum")->text(); }

    Tfrmmz_query_cost_total dialog;
};

// The columns shared by the mode and print tables: how the mode is chosen.
void addModeColumns() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("codeBox");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("item");
}

}  // namespace

class TestOutpatientIncomeScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void modes_data();
    void modes();
    void codeLookupsRefuseUnknownCodes_data();
    void codeLookupsRefuseUnknownCodes();
    void emptyResultKeepsPreviousTotals();
    void printChoice_data();
    void printChoice();
    void refusedPrintTypes_data();
    void refusedPrintTypes();
    void activationSetsDatesCashierAndStatus();
    void typingIntoAFilterBoxChoosesItsMode_data();
    void typingIntoAFilterBoxChoosesItsMode();

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ScriptedPrompter> prompts_;
};

void TestOutpatientIncomeScreen::init() {
    db_ = test::freshDatabase(dir_);
    fillFixture(*db_);
    prompts_ = std::make_unique<ScriptedPrompter>();
    Session& s = Session::current();
    s.clear();
    s.operatorName = kOperator;
    s.hospitalName = kHospital;
    s.loginDepartmentCode = QStringLiteral("01");
}

void TestOutpatientIncomeScreen::cleanup() {
    prompts_.reset();
    db_.reset();
}

void TestOutpatientIncomeScreen::modes_data() {
    addModeColumns();
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("totals");
    QTest::addColumn<QString>("fysum");
    QTest::newRow("cashier, the operator by default")
        << "rbman"
        << ""
        << ""
        << ""
        << "" << 3 << QStringList{"化验费=33.33", "检查费=80.00", "西药费=12.30"}
        << "合计：￥125.63";
    QTest::newRow("doctor by code 1, not 12; blank-padded name matches")
        << "rbdoctor"
        << "Editdoctorcode"
        << "1"
        << ""
        << "" << 2 << QStringList{"检查费=80.00", "西药费=12.30"} << "合计：￥92.30";
    QTest::newRow("department by code")
        << "rbdepa"
        << "Editdepacode"
        << "02"
        << ""
        << "" << 2 << QStringList{"化验费=33.33", "西药费=5.50"} << "合计：￥38.83";
    QTest::newRow("department by plain name: totals follow it too")
        << "rbdepa"
        << ""
        << ""
        << "comboboxdepa"
        << "外科" << 2 << QStringList{"化验费=33.33", "西药费=5.50"} << "合计：￥38.83";
    QTest::newRow("department list empty: every department")
        << "rbdepa"
        << ""
        << ""
        << ""
        << "" << 5 << QStringList{"化验费=33.33", "检查费=80.00", "西药费=5.50", "西药费=12.40"}
        << "合计：￥131.23";
    QTest::newRow("whole department: login department, whole days")
        << "rb_All"
        << ""
        << ""
        << ""
        << "" << 4 << QStringList{"化验费=33.33", "检查费=80.00", "西药费=5.50", "西药费=12.40"}
        << "合计：￥131.23";
}

void TestOutpatientIncomeScreen::modes() {
    QFETCH(QString, mode);
    QFETCH(QString, codeBox);
    QFETCH(QString, code);
    QFETCH(QString, list);
    QFETCH(QString, item);
    QFETCH(int, rows);
    QFETCH(QStringList, totals);
    QFETCH(QString, fysum);
    Screen s(*db_);
    s.choose(mode, codeBox, code, list, item);
    int checked = 0;
    for (const char* rb : {"rbman", "rbdoctor", "rbdepa", "rb_All"}) {
        checked += s.get<QRadioButton>(rb)->isChecked() ? 1 : 0;
    }
    QCOMPARE(checked, 1);
    QVERIFY(s.get<QRadioButton>(qPrintable(mode))->isChecked());

    s.query();
    QCOMPARE(prompts_->texts(), QStringList());
    QCOMPARE(s.listedRows(), rows);
    QCOMPARE(totalsTable(*db_), totals);
    QCOMPARE(s.totalRows(), totals.size());
    QCOMPARE(s.fysum(), fysum);
}

void TestOutpatientIncomeScreen::codeLookupsRefuseUnknownCodes_data() {
    QTest::addColumn<QString>("codeBox");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("selected");
    QTest::newRow("department 1 is not 10") << "Editdepacode"
                                            << "comboboxdepa"
                                            << "1"
                                            << "没有符合条件的科室数据！"
                                            << "";
    QTest::newRow("department 10") << "Editdepacode"
                                   << "comboboxdepa"
                                   << " 10 "
                                   << ""
                                   << "10::儿科";
    QTest::newRow("doctor 2 is not 12") << "Editdoctorcode"
                                        << "ComboBox1"
                                        << "2"
                                        << "没有符合条件的医生数据！"
                                        << "";
    QTest::newRow("doctor 12") << "Editdoctorcode"
                               << "ComboBox1"
                               << "12"
                               << ""
                               << "12::李四";
}

void TestOutpatientIncomeScreen::codeLookupsRefuseUnknownCodes() {
    QFETCH(QString, codeBox);
    QFETCH(QString, list);
    QFETCH(QString, code);
    QFETCH(QString, message);
    QFETCH(QString, selected);
    Screen s(*db_);
    auto* box = s.get<QLineEdit>(qPrintable(codeBox));
    box->setText(code);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(s.get<QComboBox>(qPrintable(list))->currentText(), selected);
    if (message.isEmpty()) {
        QCOMPARE(prompts_->records().size(), 0);
        QCOMPARE(box->text(), code.trimmed());  // the item's code, written back
    } else {
        QCOMPARE(prompts_->texts(), QStringList{message});
        QCOMPARE(prompts_->last().title, QStringLiteral("系统操作提示："));
        QCOMPARE(prompts_->last().icon, PromptIcon::Question);
    }
}

void TestOutpatientIncomeScreen::emptyResultKeepsPreviousTotals() {
    Screen s(*db_);
    s.choose(QStringLiteral("rb_All"), {}, {}, {}, {});
    s.query();
    const QStringList before = totalsTable(*db_);
    QCOMPARE(before.size(), 4);
    const QString fysum = s.fysum();

    s.setRange(QDate(2026, 4, 1), QDate(2026, 4, 30));
    s.query();
    QCOMPARE(prompts_->texts(), QStringList{QStringLiteral("没有数据")});
    QCOMPARE(prompts_->last().title, QStringLiteral("系统操作提示："));
    QCOMPARE(prompts_->last().icon, PromptIcon::Question);
    QCOMPARE(s.listedRows(), 0);  // the grid shows the empty result
    QCOMPARE(totalsTable(*db_), before);
    QCOMPARE(s.totalRows(), 4);
    QCOMPARE(s.fysum(), fysum);
}

void TestOutpatientIncomeScreen::printChoice_data() {
    addModeColumns();
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("reportName");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("d, cashier") << "rbman"
                                << ""
                                << ""
                                << ""
                                << ""
                                << "d"
                                << "收费统计明细表"
                                << QStringList{"该收费员所收费用全部科室", "检查费", "125.63"};
    QTest::newRow("d, department")
        << "rbdepa"
        << "Editdepacode"
        << "02"
        << ""
        << ""
        << "d"
        << "收费统计明细表" << QStringList{"统计科室:外科", "化验费", "38.83"};
    QTest::newRow("s, cashier") << "rbman"
                                << ""
                                << ""
                                << ""
                                << ""
                                << "s"
                                << "收费统计汇总表"
                                << QStringList{"该收费员所收费用全部科室",
                                               "该收费员所收费用全部医生", "￥125.63"};
    QTest::newRow("s, doctor: the doctor's department")
        << "rbdoctor"
        << "Editdoctorcode"
        << "1"
        << ""
        << ""
        << "s"
        << "收费统计汇总表" << QStringList{"内科", "王建国", "￥92.30"};
    QTest::newRow("s, whole department")
        << "rb_All"
        << ""
        << ""
        << ""
        << ""
        << "s"
        << "收费统计汇总表" << QStringList{"全部科室", "全部医生", "￥131.23"};
}

void TestOutpatientIncomeScreen::printChoice() {
    QFETCH(QString, mode);
    QFETCH(QString, codeBox);
    QFETCH(QString, code);
    QFETCH(QString, list);
    QFETCH(QString, item);
    QFETCH(QString, answer);
    QFETCH(QString, reportName);
    QFETCH(QStringList, texts);
    Screen s(*db_);
    s.choose(mode, codeBox, code, list, item);
    s.query();
    auto* departments = s.get<QComboBox>("comboboxdepa");
    const int listed = departments->count();

    // Back from another window (an earlier preview) the pickers show today again.
    s.dialog.FormActivate();
    prompts_->clear();
    prompts_->answerInput(answer);
    s.get<QPushButton>("bitbtnprint")->click();
    QCOMPARE(prompts_->records().size(), 2);
    QCOMPARE(prompts_->records()[0].kind, QStringLiteral("input"));
    QCOMPARE(prompts_->records()[0].title, QStringLiteral("请输入要打印的类型"));
    QCOMPARE(prompts_->records()[0].text, QStringLiteral("打印类型选择(s汇总表）（D明细表）"));
    QCOMPARE(prompts_->last().kind, QStringLiteral("preview"));
    QCOMPARE(prompts_->last().title, kHospital + reportName);
    QCOMPARE(prompts_->last().pages, 1);

    // Back from the preview: dates at today again, the department list as it was.
    QCOMPARE(s.dialog.startDay(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    QCOMPARE(departments->count(), listed);
    QCOMPARE(listed, 6);  // three code-name items, then three plain names, once
    QStringList items;
    for (int i = 0; i < departments->count(); ++i) {
        items << departments->itemText(i);
    }
    QCOMPARE(items.removeDuplicates(), 0);

    // The printed page names the period of the totals it shows, not the reset pickers.
    const bool detail = answer == u"d";
    const QStringList page =
        test::reportTexts(detail ? s.dialog.QuickRep1() : s.dialog.QuickRep2());
    QVERIFY(page.contains(kHospital + reportName));
    QVERIFY(page.contains(kOperator));
    if (detail) {
        QVERIFY(page.contains(QStringLiteral("2026-03-01")));
        QVERIFY(page.contains(QStringLiteral("2026-03-02")));
    } else {
        QVERIFY(page.contains(costtotal::shortDate(QStringLiteral("2026-03-01")) +
                              QStringLiteral("--") +
                              costtotal::shortDate(QStringLiteral("2026-03-02"))));
    }
    for (const QString& text : texts) {
        QVERIFY2(page.contains(text), qPrintable(text + QStringLiteral(" in ") + page.join(u'|')));
    }
}

void TestOutpatientIncomeScreen::refusedPrintTypes_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("capital D") << "D";
    QTest::newRow("other letter") << "x";
    QTest::newRow("blank") << "";
}

void TestOutpatientIncomeScreen::refusedPrintTypes() {
    QFETCH(QString, answer);
    Screen s(*db_);
    s.query();
    prompts_->clear();
    prompts_->answerInput(answer);
    s.get<QPushButton>("bitbtnprint")->click();
    QCOMPARE(prompts_->records().size(), 2);
    QCOMPARE(prompts_->last().kind, QStringLiteral("simple"));
    QCOMPARE(prompts_->last().text, QStringLiteral("无效的输入"));
}

void TestOutpatientIncomeScreen::activationSetsDatesCashierAndStatus() {
    Screen s(*db_);
    s.get<QLineEdit>("editjzman")->setText(QStringLiteral("赵收"));
    s.dialog.FormActivate();
    QCOMPARE(s.get<QLineEdit>("editjzman")->text(), kOperator);
    QCOMPARE(s.dialog.endDay(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    QCOMPARE(s.dialog.statusPanelText(0), QStringLiteral("门诊收入合计报表"));
    QCOMPARE(s.dialog.statusPanelText(1), QStringLiteral("操作员:") + kOperator);
    QVERIFY(s.get<QRadioButton>("rbdepa")->isChecked());
    QCOMPARE(s.get<QComboBox>("comboboxdepa")->currentIndex(), -1);
    QCOMPARE(s.get<QComboBox>("ComboBox1")->count(), 3);
}

void TestOutpatientIncomeScreen::typingIntoAFilterBoxChoosesItsMode_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("fysum");
    // The screen opens in department mode; typing a doctor code (and Enter) without clicking
    // "统计医生：" first totals that doctor, not the departments.
    QTest::newRow("doctor code") << "Editdoctorcode"
                                 << "1"
                                 << "rbdoctor"
                                 << "合计：￥92.30";
    QTest::newRow("cashier") << "editjzman"
                             << "赵收"
                             << "rbman"
                             << "合计：￥5.60";
    QTest::newRow("department code, from the cashier mode") << "Editdepacode"
                                                            << "02"
                                                            << "rbdepa"
                                                            << "合计：￥38.83";
}

void TestOutpatientIncomeScreen::typingIntoAFilterBoxChoosesItsMode() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, mode);
    QFETCH(QString, fysum);
    Screen s(*db_);
    test::Driver ui(&s.dialog);
    if (mode == u"rbdepa") {
        ui.click("rbman");
    }
    ui.type(qPrintable(box), text);
    QVERIFY(s.get<QRadioButton>(qPrintable(mode))->isChecked());
    if (box != u"editjzman") {
        ui.enter(qPrintable(box));  // the code selects its list item
    }
    s.query();
    QCOMPARE(s.fysum(), fysum);
}

QTEST_MAIN(TestOutpatientIncomeScreen)
#include "tst_outpatient_incomescreen.moc"
