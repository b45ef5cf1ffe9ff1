#include "Sdimain.h"
#include "Unitchangepass.h"
#include "Unitmz_xyf_onland.h"
#include "commandtable.h"
#include "database.h"
#include "prompts.h"
#include "screenregistry.h"
#include "session.h"
#include "startup.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <stdexcept>

using namespace orbista;

class TestMainWindow : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void commandTableNamesScreens_data();
    void commandTableNamesScreens();
    void panelControlsRunTheirCommands_data();
    void panelControlsRunTheirCommands();
    void menusInOrderWithHiddenItems();
    void categoryButtonsShowOnePanel();
    void unbuiltCommandsAreDisabledWithATip();
    void hourglassRestoredWhenCreationFails();
    void exitCancelledChangesNothing();
    void reloginShowsAFreshLoginWindow();
    void passwordChangeFlows();
    void secondChangeInOneRunUsesTheNewPassword();

  private:
    QString openedBy(const QString& controlName);

    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ScriptedPrompter> prompts_;
    std::unique_ptr<Tfrm_query_main> main_;
    QStringList opened_;
};

namespace {

// A stand-in screen carrying the class name it was created for.
void registerStandIns(QStringList& opened) {
    for (const ScreenCommand& c : screenCommands()) {
        const QString cls = c.screenClass;
        const QString caption = c.screenCaption;
        registerScreen(cls, [&opened, cls, caption](QWidget* owner) {
            auto* d = new QDialog(owner);
            d->setObjectName(cls);
            d->setWindowTitle(caption);
            opened << cls;
            return d;
        });
    }
}

}  // namespace

void TestMainWindow::init() {
    Session::current().clear();
    db_ = test::freshDatabase(dir_);
    prompts_ = std::make_unique<ScriptedPrompter>();
    opened_.clear();
    registerStandIns(opened_);
    main_ = std::make_unique<Tfrm_query_main>(*db_);
    main_->setScreenRunner([](QDialog*) {});
}

void TestMainWindow::cleanup() {
    main_.reset();
    prompts_.reset();
    db_.reset();
}

QString TestMainWindow::openedBy(const QString& controlName) {
    opened_.clear();
    if (auto* b = main_->findChild<QAbstractButton*>(controlName)) {
        b->click();
    } else if (auto* l = main_->findChild<QLabel*>(controlName)) {
        QTest::mouseClick(l, Qt::LeftButton);
    } else if (auto* a = main_->findChild<QAction*>(controlName)) {
        a->trigger();
    }
    return opened_.value(0);
}

void TestMainWindow::commandTableNamesScreens_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("screenClass");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("hourglass");
    const struct {
        const char *item, *cls, *caption;
        bool hourglass;
    } rows[] = {
        {"N35", "Tcf_form", "处方非处方费用统计", false},
        {"N40", "Tfrmmz_query_cost_doctor", "门诊医生收入情况", false},
        {"N41", "Tfrmmz_query_recman", "本日缴款项记录", false},
        {"N42", "Tfrmmz_query_cost_total", "收入合计统计表", false},
        {"N61", "Tfrmmz_doctor_query", "门诊医生费用查询", false},
        {"N9", "Tfrm_yfxs_query", "门诊药房销售信息查询", false},
        {"N51", "Tfrmzy_kucuntotal", "库存量查询窗口", false},
        {"N8", "Tfrm_tj_zybb", "药品出库统计报表", false},
        {"N57", "Tfrm_cx_bs", "查询药品报损单", false},
        {"N58", "Tfrm_cx_bs", "查询药品报损单", false},
        {"N19", "Tfrmzy_query_inman", "在院病人基础信息查询", true},
        {"N28", "Tfrmzy_zz", "住院扎帐", true},
        {"N29", "Tfrmzy_cost_day", "住院部一日清单", false},
        {"N45", "Tfrm_zy_br_shouru_sumrep", "病人住院收入汇总(总收入)", true},
        {"N64", "Tfrm_zy_outbr_shouru_dayrep", "出院病人住院收入报表", true},
        {"N18", "Tfrm_pr_work", "工作明细统计窗口", false},
        {"N34", "Tfrm_zydoctor_total", "住院医生收入统计", false},
        {"N44", "TForm2", "门诊部门统计", false},
        {"N47", "TForm3", "门诊医生统计", false},
    };
    for (const auto& r : rows) {
        QTest::newRow(r.item) << QString::fromUtf8(r.item) << QString::fromUtf8(r.cls)
                              << QString::fromUtf8(r.caption) << r.hourglass;
    }
}

void TestMainWindow::commandTableNamesScreens() {
    QFETCH(QString, item);
    QFETCH(QString, screenClass);
    QFETCH(QString, caption);
    QFETCH(bool, hourglass);
    const ScreenCommand* c = findCommand(item);
    QVERIFY(c);
    QCOMPARE(c->screenClass, screenClass);
    QCOMPARE(c->screenCaption, caption);
    QCOMPARE(c->hourglass, hourglass);
    QCOMPARE(openedBy(item), screenClass);
    QSet<QString> screens;
    for (const ScreenCommand& command : screenCommands()) {
        screens.insert(command.screenClass);
    }
    QCOMPARE(screens.size(), 44);  // N57 and N58 open the same screen
    QCOMPARE(screenCommands().size(), 45);
}

void TestMainWindow::panelControlsRunTheirCommands_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("screenClass");
    QTest::newRow("outpatient label") << "Label19"
                                      << "Tfrmmz_query_cost_total";
    QTest::newRow("inpatient label") << "Label8"
                                     << "Tfrm_zy_br_shouru_sumrep";
    QTest::newRow("warehouse stock button opens the loss screen") << "SpeedButton5"
                                                                  << "Tfrm_cx_bs";
    QTest::newRow("toolbar button") << "SpeedButton19"
                                    << "Tfrm_yfxs_query";
    QTest::newRow("hidden work-detail item's button") << "SpeedButton12"
                                                      << "Tfrm_pr_work";
    QTest::newRow("医生收入 under 住院部收入") << "SpeedButton10"
                                               << "TForm3";
    QTest::newRow("医生收入 under 门诊部收入") << "SpeedButton11"
                                               << "Tfrm_zydoctor_total";
}

void TestMainWindow::panelControlsRunTheirCommands() {
    QFETCH(QString, control);
    QFETCH(QString, screenClass);
    QCOMPARE(openedBy(control), screenClass);
}

void TestMainWindow::menusInOrderWithHiddenItems() {
    const QList<QAction*> top = main_->menuBar()->actions();
    QStringList titles;
    for (QAction* a : top) {
        titles << a->text();
    }
    QCOMPARE(titles, (QStringList{"【门诊信息查询&M】", "【药房信息查询】", "【库房信息查询&K】",
                                  "【住院信息查询&Z】", "【财务报表&F】", "【系统功能&S】",
                                  "【系统帮助&H】", "退出系统(&X)"}));
    QAction* workDetail = main_->findChild<QAction*>(QStringLiteral("N18"));
    QVERIFY(workDetail && !workDetail->isVisible());
    QStringList warehouse;
    for (QAction* a : top[2]->menu()->actions()) {
        warehouse << (a->isSeparator() ? (a->isVisible() ? "—" : "(—)") : a->objectName());
    }
    QCOMPARE(warehouse,
             (QStringList{"N31", "N16", "N32", "—", "N8", "N10", "N49", "(—)", "N58", "N57"}));
    QCOMPARE(main_->findChild<QLabel*>(QStringLiteral("Label13"))->text(),
             QStringLiteral("财务报表管理系统"));
}

void TestMainWindow::categoryButtonsShowOnePanel() {
    QCOMPARE(main_->visibleCategoryPanel()->objectName(), QStringLiteral("Panel1"));
    const QList<std::pair<QString, QString>> pairs = {{"BitBtn1", "Panel7"},
                                                      {"BitBtn3", "Panel3"},
                                                      {"BitBtn4", "Panel6"},
                                                      {"BitBtn5", "Panel4"},
                                                      {"BitBtn6", "Panel1"}};
    for (const auto& [button, panel] : pairs) {
        main_->findChild<QPushButton*>(button)->click();
        QCOMPARE(main_->visibleCategoryPanel()->objectName(), panel);
    }
    // opening and closing a screen keeps the chosen panel
    main_->findChild<QPushButton*>(QStringLiteral("BitBtn5"))->click();
    main_->runCommand(QStringLiteral("N19"));
    QCOMPARE(main_->visibleCategoryPanel()->objectName(), QStringLiteral("Panel4"));
}

void TestMainWindow::unbuiltCommandsAreDisabledWithATip() {
    registerScreen(QStringLiteral("Tcf_form"), {});
    main_->refreshCommandStates();
    auto* action = main_->findChild<QAction*>(QStringLiteral("N35"));
    auto* label = main_->findChild<QLabel*>(QStringLiteral("Label16"));
    QVERIFY(!action->isEnabled());
    QVERIFY(!label->isEnabled());
    QVERIFY(label->toolTip().contains(u"尚未开放"));
    QCOMPARE(openedBy(QStringLiteral("N35")), QString());
    QVERIFY(main_->findChild<QAction*>(QStringLiteral("N42"))->isEnabled());
}

void TestMainWindow::hourglassRestoredWhenCreationFails() {
    registerScreen(QStringLiteral("Tfrmzy_query_inman"), [](QWidget*) -> QDialog* {
        throw DbError(QStringLiteral("对象名 'zy_in' 无效。"));
    });
    QVERIFY(!QApplication::overrideCursor());
    main_->runCommand(QStringLiteral("N19"));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(prompts_->last().kind, QStringLiteral("error"));
    QCOMPARE(prompts_->last().text, QStringLiteral("对象名 'zy_in' 无效。"));
    // during a screen the pointer is normal
    registerScreen(QStringLiteral("Tfrmzy_query_out"), [](QWidget* o) { return new QDialog(o); });
    Qt::CursorShape during = Qt::BusyCursor;
    main_->setScreenRunner(
        [&during](QDialog*) { during = QApplication::overrideCursor()->shape(); });
    main_->runCommand(QStringLiteral("N20"));
    QCOMPARE(during, Qt::ArrowCursor);
    QVERIFY(!QApplication::overrideCursor());
}

void TestMainWindow::exitCancelledChangesNothing() {
    int exits = 0;
    main_->setExitHook([&exits] { ++exits; });
    main_->findChild<QPushButton*>(QStringLiteral("BitBtn4"))->click();
    prompts_->answer(PromptAnswer::Cancel);
    main_->findChild<QAction*>(QStringLiteral("FileExitItem"))->trigger();
    QCOMPARE(exits, 0);
    QCOMPARE(prompts_->last().text, QStringLiteral("确实要退出本系统吗?"));
    QCOMPARE(main_->visibleCategoryPanel()->objectName(), QStringLiteral("Panel6"));
    // the title-bar close box asks the same question
    prompts_->answer(PromptAnswer::Ok);
    main_->close();
    QCOMPARE(exits, 1);
}

void TestMainWindow::reloginShowsAFreshLoginWindow() {
    db_->append(QStringLiteral("data_oper"), {"code", "name", "pass", "grade"},
                {"1001", "张会计", "pw", "财务科查询"});
    db_->append(QStringLiteral("data_oper"), {"code", "name", "pass", "grade"},
                {"0000", "陈管理", "admin", "系统管理员"});
    main_->setReloginHook([this](Tfrm_query_main* m) { relogin(*db_, m); });
    main_->show();
    main_->findChild<QAction*>(QStringLiteral("N6"))->trigger();
    QVERIFY(!main_->isVisible());
    QVERIFY(!QApplication::overrideCursor());
    auto* login = main_->findChild<Tfrmmz_xyf_onland*>();
    QVERIFY(login && login->isVisible());
    for (const char* box : {"Editcode", "Editname", "editpass"}) {
        QVERIFY(login->findChild<QLineEdit*>(QString::fromLatin1(box))->text().isEmpty());
    }
    login->findChild<QLineEdit*>(QStringLiteral("Editcode"))->setText(QStringLiteral("0000"));
    login->findChild<QLineEdit*>(QStringLiteral("editpass"))->setText(QStringLiteral("admin"));
    login->SpeedButtonsureClick();
    QVERIFY(main_->isVisible());
    QVERIFY(!login->isVisible());
    QCOMPARE(Session::current().operatorName, QStringLiteral("陈管理"));
    QCOMPARE(Session::current().loginDepartmentCode, QStringLiteral("01"));
}

void TestMainWindow::passwordChangeFlows() {
    db_->append(QStringLiteral("data_oper"), {"code", "name", "pass", "grade"},
                {"1001", "张会计", "old", "财务科查询"});
    db_->append(QStringLiteral("data_oper"), {"code", "name", "pass", "grade"},
                {"1001", "张会计(重复)", "old", "财务科查询"});
    db_->append(QStringLiteral("data_oper"), {"code", "name", "pass", "grade"},
                {"1002", "李", "keep", "财务科查询"});
    Session::current().operatorCode = QStringLiteral("1001");
    Session::current().operatorName = QStringLiteral("张会计");
    Session::current().operatorPassword = QStringLiteral("old");
    Tfrmchangepass w(*db_);
    auto edit = [&w](const char* n) { return w.findChild<QLineEdit*>(QString::fromLatin1(n)); };
    QCOMPARE(edit("Edit3")->text(), QStringLiteral("张会计"));
    QVERIFY(!edit("Edit3")->isEnabled());

    edit("Edit4")->setText(QStringLiteral("wrong"));
    w.bitbtnsaveClick();
    QCOMPARE(prompts_->last().text, QStringLiteral("密码验证错误!"));
    QCOMPARE(prompts_->last().title, QStringLiteral("提示信息"));

    edit("Edit4")->setText(QStringLiteral("  old "));  // blanks around the old one are ignored
    edit("Edit1")->setText(QStringLiteral("a"));
    edit("Edit2")->setText(QStringLiteral("a "));
    w.bitbtnsaveClick();
    QCOMPARE(prompts_->last().text, QStringLiteral("密码不一致！"));

    const QString quoted = QStringLiteral(" it's'; update data_oper set pass='x' -- ");
    edit("Edit1")->setText(quoted);
    edit("Edit2")->setText(quoted);
    w.bitbtnsaveClick();
    QCOMPARE(prompts_->last().text, QStringLiteral("已经完成修改"));
    QCOMPARE(prompts_->last().title, QStringLiteral("系统提示："));
    for (const char* n : {"Edit1", "Edit2", "Edit4"}) {
        QVERIFY(edit(n)->text().isEmpty());
    }
    auto rows = db_->query(QStringLiteral("select code, pass from data_oper order by code, name"));
    QCOMPARE(rows->text(0, 1), quoted);  // stored exactly, blanks and quotes included
    QCOMPARE(rows->text(1, 1), quoted);  // every row with the code
    QCOMPARE(rows->text(2, 1), QStringLiteral("keep"));
}

void TestMainWindow::secondChangeInOneRunUsesTheNewPassword() {
    db_->append(QStringLiteral("data_oper"), {"code", "name", "pass", "grade"},
                {"1001", "张会计", "old", "财务科查询"});
    Session::current().operatorCode = QStringLiteral("1001");
    Session::current().operatorPassword = QStringLiteral("old");
    Tfrmchangepass w(*db_);
    auto edit = [&w](const char* n) { return w.findChild<QLineEdit*>(QString::fromLatin1(n)); };
    edit("Edit4")->setText(QStringLiteral("old"));
    edit("Edit1")->setText(QStringLiteral("new1"));
    edit("Edit2")->setText(QStringLiteral("new1"));
    w.bitbtnsaveClick();
    // the old password no longer verifies; the one now stored does
    edit("Edit4")->setText(QStringLiteral("old"));
    w.Edit4Enter();
    QCOMPARE(prompts_->last().text, QStringLiteral("密码验证错误!"));
    edit("Edit4")->setText(QStringLiteral("new1"));
    edit("Edit1")->setText(QString());
    edit("Edit2")->setText(QString());
    w.bitbtnsaveClick();  // an empty new password typed twice is saved as empty
    QCOMPARE(prompts_->last().text, QStringLiteral("已经完成修改"));
    QCOMPARE(db_->query(QStringLiteral("select pass from data_oper"))->text(u"pass"), QString());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
