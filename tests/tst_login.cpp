#include "Unitmz_xyf_onland.h"
#include "database.h"
#include "prompts.h"
#include "session.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace orbista;

class TestLogin : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void admitsFinanceGrades_data();
    void admitsFinanceGrades();
    void codeLookupOnEnterShowsNameAndMovesOn();
    void unknownCodeOnEnterKeepsText();
    void unknownCodeOnLoginEmptiesCode();
    void wrongPasswordEmptiesPassword();
    void refusedGradeEmptiesEverything();
    void quotesAndPercentAreValues_data();
    void quotesAndPercentAreValues();
    void hospitalNameFromFirstRow();
    void missingDataLinkIsReportedAndRetried();
    void exitAsksAndCancelChangesNothing();

  private:
    void addOperator(const QString& code, const QString& name, const QString& pass,
                     const QString& grade);
    void type(const char* edit, const QString& text);

    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ScriptedPrompter> prompts_;
    std::unique_ptr<Tfrmmz_xyf_onland> login_;
    int admitted_ = 0;
};

void TestLogin::init() {
    Session::current().clear();
    db_ = test::freshDatabase(dir_);
    prompts_ = std::make_unique<ScriptedPrompter>();
    addOperator("1001", "张会计", "pw", "财务科查询");
    addOperator("1002", "李管理", "admin", "系统管理员   ");
    addOperator("2001", "王收费", "cash", "收费员");
    addOperator("2002", "赵半", "x", "系统管理");
    addOperator("3001", "钱空", "", " 财务科查询 ");
    admitted_ = 0;
    login_ = std::make_unique<Tfrmmz_xyf_onland>(*db_);
    login_->setAdmittedHook([this] { ++admitted_; });
    login_->show();
    QVERIFY(QTest::qWaitForWindowExposed(login_.get()));
    login_->activateWindow();
}

void TestLogin::cleanup() {
    login_.reset();
    prompts_.reset();
    db_.reset();
}

void TestLogin::addOperator(const QString& code, const QString& name, const QString& pass,
                            const QString& grade) {
    db_->append(QStringLiteral("data_oper"), {"code", "name", "pass", "grade"},
                {code, name, pass, grade});
}

void TestLogin::type(const char* edit, const QString& text) {
    auto* e = login_->findChild<QLineEdit*>(QString::fromLatin1(edit));
    QVERIFY(e);
    e->setText(text);
}

void TestLogin::admitsFinanceGrades_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("pass");
    QTest::addColumn<bool>("admitted");
    QTest::addColumn<QString>("grade");
    QTest::newRow("finance") << "1001"
                             << "pw" << true << "财务科查询";
    QTest::newRow("admin with trailing blanks") << "1002"
                                                << "admin" << true << "系统管理员";
    QTest::newRow("blanks around, empty password") << "3001"
                                                   << "" << true << "财务科查询";
    QTest::newRow("cashier refused") << "2001"
                                     << "cash" << false << "收费员";
    QTest::newRow("prefix of admin refused") << "2002"
                                             << "x" << false << "系统管理";
}

void TestLogin::admitsFinanceGrades() {
    QFETCH(QString, code);
    QFETCH(QString, pass);
    QFETCH(bool, admitted);
    QFETCH(QString, grade);
    Session::current().pharmacyCode = QStringLiteral("stale");
    type("Editcode", code);
    type("editpass", pass);
    QTest::keyClick(login_->findChild<QLineEdit*>(QStringLiteral("editpass")), Qt::Key_Return);
    QCOMPARE(admitted_, admitted ? 1 : 0);
    QCOMPARE(Session::current().operatorGrade, grade);
    QCOMPARE(Session::current().operatorCode, code);
    QVERIFY(Session::current().pharmacyCode.isEmpty());
    QCOMPARE(login_->isVisible(), !admitted);
    if (admitted) {
        QVERIFY(prompts_->records().isEmpty());
        QCOMPARE(Session::current().loginDepartmentCode, QStringLiteral("01"));
    } else {
        QCOMPARE(prompts_->last().text, QStringLiteral("非财务科人员不能进行\r\r  请重新登陆！"));
        QCOMPARE(prompts_->last().title, QStringLiteral("系统操作提示：\r"));
        QVERIFY(Session::current().loginDepartmentCode.isEmpty());
    }
}

void TestLogin::codeLookupOnEnterShowsNameAndMovesOn() {
    auto* code = login_->findChild<QLineEdit*>(QStringLiteral("Editcode"));
    code->setFocus();
    code->setText(QStringLiteral("1001"));
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(login_->findChild<QLineEdit*>(QStringLiteral("Editname"))->text(),
             QStringLiteral("张会计"));
    QCOMPARE(Session::current().operatorPassword, QStringLiteral("pw"));
    QVERIFY(prompts_->records().isEmpty());
    QCOMPARE(admitted_, 0);
}

void TestLogin::unknownCodeOnEnterKeepsText() {
    auto* code = login_->findChild<QLineEdit*>(QStringLiteral("Editcode"));
    code->setText(QStringLiteral("9999"));
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(prompts_->last().text, QStringLiteral("没有符合条件的工号！"));
    QCOMPARE(prompts_->last().title, QStringLiteral("系统操作提示："));
    QCOMPARE(prompts_->last().icon, PromptIcon::Question);
    QCOMPARE(code->text(), QStringLiteral("9999"));
    // an empty box finds nothing either
    code->clear();
    QVERIFY(!login_->EditcodeLookup());
    QCOMPARE(prompts_->records().size(), 2);
}

void TestLogin::unknownCodeOnLoginEmptiesCode() {
    type("Editcode", "9999");
    type("editpass", "pw");
    login_->findChild<QPushButton*>(QStringLiteral("SpeedButtonsure"))->click();
    QCOMPARE(prompts_->last().text, QStringLiteral("没有符合条件的工号！"));
    QVERIFY(login_->findChild<QLineEdit*>(QStringLiteral("Editcode"))->text().isEmpty());
    QCOMPARE(admitted_, 0);
}

void TestLogin::wrongPasswordEmptiesPassword() {
    type("Editcode", "1001");
    type("editpass", "PW");
    login_->SpeedButtonsureClick();
    QCOMPARE(prompts_->last().text, QStringLiteral("没有符合条件的密码！"));
    QVERIFY(login_->findChild<QLineEdit*>(QStringLiteral("editpass"))->text().isEmpty());
    QCOMPARE(login_->findChild<QLineEdit*>(QStringLiteral("Editcode"))->text(),
             QStringLiteral("1001"));
    QCOMPARE(login_->findChild<QLineEdit*>(QStringLiteral("Editname"))->text(),
             QStringLiteral("张会计"));
    QCOMPARE(admitted_, 0);
}

void TestLogin::refusedGradeEmptiesEverything() {
    type("Editcode", "2001");
    type("editpass", "cash");
    login_->SpeedButtonsureClick();
    for (const char* name : {"Editcode", "Editname", "editpass"}) {
        QVERIFY2(login_->findChild<QLineEdit*>(QString::fromLatin1(name))->text().isEmpty(), name);
    }
    // what was read stays until the next login
    QCOMPARE(Session::current().operatorName, QStringLiteral("王收费"));
}

void TestLogin::quotesAndPercentAreValues_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("pass");
    QTest::addColumn<bool>("admitted");
    QTest::newRow("exact quotes") << "a'1"
                                  << "p' or '1'='1" << true;
    QTest::newRow("injection in password fails") << "a'1"
                                                 << "' or '1'='1" << false;
    QTest::newRow("percent code matches nothing") << "%"
                                                  << "p' or '1'='1" << false;
    QTest::newRow("percent password is literal") << "pct"
                                                 << "%" << true;
    QTest::newRow("percent does not match other passwords") << "pct2"
                                                            << "%" << false;
}

void TestLogin::quotesAndPercentAreValues() {
    QFETCH(QString, code);
    QFETCH(QString, pass);
    QFETCH(bool, admitted);
    addOperator("a'1", "单引号", "p' or '1'='1", "财务科查询");
    addOperator("pct", "百分号", "%", "财务科查询");
    addOperator("pct2", "百分号二", "secret", "财务科查询");
    type("Editcode", code);
    type("editpass", pass);
    login_->SpeedButtonsureClick();
    QCOMPARE(admitted_, admitted ? 1 : 0);
    QCOMPARE(db_->query(QStringLiteral("select count(*) as n from data_oper"))->integer(u"n"), 8);
}

void TestLogin::hospitalNameFromFirstRow() {
    db_->append(QStringLiteral("data_xtconfig"), {"neirong"}, {QStringLiteral("第一人民医院")});
    db_->append(QStringLiteral("data_xtconfig"), {"neirong"}, {QStringLiteral("第二行不用")});
    login_->FormActivate();
    QCOMPARE(Session::current().hospitalName, QStringLiteral("第一人民医院"));
    db_->execute(QStringLiteral("delete data_xtconfig"));
    login_->FormActivate();
    QVERIFY(Session::current().hospitalName.isEmpty());
}

void TestLogin::missingDataLinkIsReportedAndRetried() {
    QTemporaryDir work;
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path());
    Database lazy;
    Tfrmmz_xyf_onland window(lazy);
    window.FormActivate();
    QCOMPARE(prompts_->last().kind, QStringLiteral("error"));
    QVERIFY2(prompts_->last().text.contains(u"orbista.udl"), qPrintable(prompts_->last().text));
    // once the file is there, the next access connects
    {
        auto db = test::freshDatabase(work, QStringLiteral("h.db"));
        db->append(QStringLiteral("data_xtconfig"), {"neirong"}, {QStringLiteral("县医院")});
    }
    test::writeSqliteUdl(work.path(), QStringLiteral("h.db"));
    prompts_->clear();
    window.FormActivate();
    QVERIFY(prompts_->records().isEmpty());
    QCOMPARE(Session::current().hospitalName, QStringLiteral("县医院"));
    QDir::setCurrent(before);
}

void TestLogin::exitAsksAndCancelChangesNothing() {
    int exits = 0;
    login_->setExitHook([&exits] { ++exits; });
    type("Editcode", "1001");
    prompts_->answer(PromptAnswer::Cancel);
    login_->findChild<QPushButton*>(QStringLiteral("SpeedButton2"))->click();
    QCOMPARE(prompts_->last().text, QStringLiteral("确实要退出本系统吗?"));
    QCOMPARE(prompts_->last().title, QStringLiteral("系统提示信息"));
    QCOMPARE(prompts_->last().buttons, PromptButtons::OkCancel);
    QCOMPARE(exits, 0);
    QCOMPARE(login_->findChild<QLineEdit*>(QStringLiteral("Editcode"))->text(),
             QStringLiteral("1001"));
    QCOMPARE(prompts_->records().size(), 1);  // the button took no focus: no lookup ran
    prompts_->answer(PromptAnswer::Ok);
    login_->SpeedButton2Click();
    QCOMPARE(exits, 1);
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
