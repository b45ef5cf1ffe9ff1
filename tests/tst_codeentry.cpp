#include "codeentry.h"
#include "database.h"
#include "lookuppicker.h"
#include "prompts.h"
#include "queryscreen.h"
#include "resultgrid.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

using namespace orbista;

namespace {

class PickerScreen : public QueryScreen {
  public:
    explicit PickerScreen(Database& db)
        : QueryScreen(nullptr, QStringLiteral("picker"), QStringLiteral("发药查询")) {
        auto* layout = new QVBoxLayout(this);
        query = new QPushButton(QStringLiteral("查询(&F)"), this);
        grid = new ResultGrid(this);
        rbdepa = new QRadioButton(this);
        rbdoctor = new QRadioButton(this);
        rbyp = new QRadioButton(this);
        editdepacode = new QLineEdit(this);
        Editdepa = new QLineEdit(this);
        Editdoctorcode = new QLineEdit(this);
        Editdoctor = new QLineEdit(this);
        Editypcode = new QLineEdit(this);
        Editypname = new QLineEdit(this);
        for (QWidget* w : std::initializer_list<QWidget*>{query, grid, rbdepa, rbdoctor, rbyp,
                                                          editdepacode, Editdepa, Editdoctorcode,
                                                          Editdoctor, Editypcode, Editypname}) {
            layout->addWidget(w);
        }
        picker = new LookupPicker(this, db, grid, query);
        picker->addBox(LookupPicker::Kind::Department, rbdepa, editdepacode, Editdepa);
        picker->addBox(LookupPicker::Kind::Doctor, rbdoctor, Editdoctorcode, Editdoctor);
        picker->addBox(LookupPicker::Kind::Drug, rbyp, Editypcode, Editypname);
        connect(query, &QPushButton::clicked, this, [this] { ++queries; });
    }
    QPushButton* query;
    ResultGrid* grid;
    QRadioButton *rbdepa, *rbdoctor, *rbyp;
    QLineEdit *editdepacode, *Editdepa, *Editdoctorcode, *Editdoctor, *Editypcode, *Editypname;
    LookupPicker* picker;
    int queries = 0;
};

QStringList column(ResultSet* rs, int col) {
    QStringList out;
    for (int i = 0; rs && i < rs->recordCount(); ++i) {
        out << rs->text(i, col);
    }
    return out;
}

}  // namespace

class TestCodeEntry : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void codeNameItems_data();
    void codeNameItems();
    void itemByCodeNeedsTheColon_data();
    void itemByCodeNeedsTheColon();
    void exactLookup_data();
    void exactLookup();
    void pickerNarrowsByPrefix_data();
    void pickerNarrowsByPrefix();
    void enteringABoxListsEverything();
    void emptyCandidateListIsReported();
    void drugPickedWithEnterStaysLoaded();
    void drugPickedWithDoubleClickClosesThePicker();
    void departmentPickFillsBoxesAndRunsQuery();
    void illegalNumberInCodeBox();

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ScriptedPrompter> prompts_;
};

void TestCodeEntry::init() {
    db_ = test::freshDatabase(dir_);
    prompts_ = std::make_unique<ScriptedPrompter>();
    const QList<QStringList> depas = {{"01", "内科"},   {"02", "外科"},   {"1", "一科"},
                                      {"10", "十科"},   {"12", "十二科"}, {"0_3", "下划线科"},
                                      {"A'1", "引号科"}};
    for (const QStringList& d : depas) {
        db_->append(QStringLiteral("data_depa"), {"code", "name"}, {d[0], d[1]});
    }
    db_->append(QStringLiteral("data_doctor"), {"code", "name", "depa"}, {"101", "王建国", "01"});
    db_->append(QStringLiteral("data_doctor"), {"code", "name", "depa"}, {"102", "李3号", "02"});
    const QList<QStringList> drugs = {{"AMXL", "Y001", "阿莫西林胶囊", "01"},
                                      {"AMXLK", "Y002", "阿莫西林颗粒", "01"},
                                      {"DG", "Z001", "当归", "20"},
                                      {"FFDS", "Z002", "复方丹参滴丸", "21"}};
    for (const QStringList& d : drugs) {
        db_->append(QStringLiteral("data_yp_x"),
                    {"pym", "code", "name", "yp_style", "gg", "bigtype", "type"},
                    {d[0], d[1], d[2], d[3], "0.25g*24", "抗生素类", "口服"});
    }
}

void TestCodeEntry::cleanup() {
    prompts_.reset();
    db_.reset();
}

void TestCodeEntry::codeNameItems_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "01::内科"
                           << "01"
                           << "内科";
    QTest::newRow("name with digits") << "102::李3号"
                                      << "102"
                                      << "李3号";
    QTest::newRow("name with colons") << "7::急诊::夜班"
                                      << "7"
                                      << "急诊::夜班";
    QTest::newRow("long code") << "123456::王"
                               << "123456"
                               << "王";
}

void TestCodeEntry::codeNameItems() {
    QFETCH(QString, item);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(codeOfItem(item), code);
    QCOMPARE(nameOfItem(item), name);
}

void TestCodeEntry::itemByCodeNeedsTheColon_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("index");
    QTest::newRow("1 is not 10 or 12") << "1" << 3;
    QTest::newRow("10") << "10" << 4;
    QTest::newRow("12 with blanks") << " 12 " << 5;
    QTest::newRow("prefix 0 alone matches nothing") << "0" << -1;
    QTest::newRow("unknown") << "99" << -1;
}

void TestCodeEntry::itemByCodeNeedsTheColon() {
    QFETCH(QString, typed);
    QFETCH(int, index);
    const QStringList items = orbista::codeNameItems(*db_, QStringLiteral("data_depa"));
    QCOMPARE(items.first(), QStringLiteral("01::内科"));
    QCOMPARE(findItemByCode(items, typed), index);
    QComboBox combo;
    combo.addItems(items);
    QCOMPARE(findItemByCode(&combo, typed), index);
}

void TestCodeEntry::exactLookup_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("doctor") << "data_doctor"
                            << "101"
                            << "王建国";
    QTest::newRow("doctor prefix is not a match") << "data_doctor"
                                                  << "10"
                                                  << "";
    QTest::newRow("department with quote") << "data_depa"
                                           << "A'1"
                                           << "引号科";
    QTest::newRow("drug by mnemonic") << "data_yp_x"
                                      << "DG"
                                      << "当归";
    QTest::newRow("wildcard is literal") << "data_depa"
                                         << "%"
                                         << "";
}

void TestCodeEntry::exactLookup() {
    QFETCH(QString, table);
    QFETCH(QString, code);
    QFETCH(QString, name);
    const auto found = lookupNameByCode(*db_, table, code);
    QCOMPARE(found.value_or(QString()), name);
}

void TestCodeEntry::pickerNarrowsByPrefix_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("prefix 0, ordered") << 0 << "0" << QStringList{"01", "02", "0_3"};
    QTest::newRow("underscore is literal") << 0 << "0_" << QStringList{"0_3"};
    QTest::newRow("1 lists 1, 10, 12") << 0 << "1" << QStringList{"1", "10", "12"};
    QTest::newRow("quote") << 0 << "A'" << QStringList{"A'1"};
    QTest::newRow("percent is literal") << 0 << "%" << QStringList{};
    QTest::newRow("empty matches all")
        << 0 << "" << QStringList{"01", "02", "0_3", "1", "10", "12", "A'1"};
    QTest::newRow("doctor") << 1 << "10" << QStringList{"101", "102"};
    QTest::newRow("drug mnemonic") << 2 << "AMX" << QStringList{"AMXL", "AMXLK"};
}

void TestCodeEntry::pickerNarrowsByPrefix() {
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QStringList, codes);
    PickerScreen s(*db_);
    QLineEdit* box = kind == 0 ? s.editdepacode : kind == 1 ? s.Editdoctorcode : s.Editypcode;
    box->setText(typed);
    s.picker->narrow(static_cast<LookupPicker::Kind>(kind));
    QCOMPARE(column(s.picker->candidates(), 0), codes);
}

void TestCodeEntry::enteringABoxListsEverything() {
    PickerScreen s(*db_);
    s.editdepacode->setText(QStringLiteral("01"));
    s.picker->enterBox(LookupPicker::Kind::Doctor);
    QVERIFY(s.rbdoctor->isChecked());
    QCOMPARE(s.picker->candidates()->recordCount(), 2);
    QCOMPARE(s.picker->candidates()->columnNames(), (QStringList{"code", "name", "depa"}));
    s.picker->setDrugKindFilter(LookupPicker::drugKindFilterOf(QStringLiteral("一门诊西药房")));
    s.picker->enterBox(LookupPicker::Kind::Drug);
    QCOMPARE(s.picker->candidates()->recordCount(), 3);  // no herbal pieces ("20")
}

void TestCodeEntry::emptyCandidateListIsReported() {
    db_->execute(QStringLiteral("delete data_doctor"));
    db_->execute(QStringLiteral("delete data_depa"));
    PickerScreen s(*db_);
    s.picker->enterBox(LookupPicker::Kind::Doctor);
    QCOMPARE(prompts_->last().kind, QStringLiteral("simple"));
    QCOMPARE(prompts_->last().text, QStringLiteral("数据库中没有符合条件的数据！"));
    QVERIFY(!s.picker->candidates());
    s.picker->enterBox(LookupPicker::Kind::Department);
    QCOMPARE(prompts_->last().text, QStringLiteral("数据库中没有符合条件的数据数据！"));
}

void TestCodeEntry::drugPickedWithEnterStaysLoaded() {
    PickerScreen s(*db_);
    s.picker->enterBox(LookupPicker::Kind::Drug);
    s.Editypcode->setText(QStringLiteral("AMX"));
    s.picker->candidates()->moveTo(1);
    s.picker->gridEnter();
    QCOMPARE(s.Editypcode->text(), QStringLiteral("AMXLK"));
    QCOMPARE(s.Editypname->text(), QStringLiteral("阿莫西林颗粒"));
    QVERIFY(s.picker->candidates());
    QCOMPARE(column(s.picker->candidates(), 1), QStringList{"Y002"});
    QCOMPARE(s.queries, 1);
    QVERIFY(s.grid->isHidden());
}

void TestCodeEntry::drugPickedWithDoubleClickClosesThePicker() {
    PickerScreen s(*db_);
    s.picker->enterBox(LookupPicker::Kind::Drug);
    s.Editypcode->setText(QStringLiteral("DG"));
    s.picker->gridDoubleClick();
    QCOMPARE(s.Editypname->text(), QStringLiteral("当归"));
    QVERIFY(!s.picker->candidates());
    QCOMPARE(s.queries, 1);
}

void TestCodeEntry::departmentPickFillsBoxesAndRunsQuery() {
    PickerScreen s(*db_);
    s.picker->enterBox(LookupPicker::Kind::Department);
    s.editdepacode->setText(QStringLiteral("1"));
    s.picker->candidates()->moveTo(2);
    s.picker->gridEnter();
    QCOMPARE(s.editdepacode->text(), QStringLiteral("12"));
    QCOMPARE(s.Editdepa->text(), QStringLiteral("十二科"));
    QCOMPARE(s.queries, 1);
}

void TestCodeEntry::illegalNumberInCodeBox() {
    PickerScreen s(*db_);
    s.show();
    s.editdepacode->setText(QStringLiteral("1a"));
    QTest::keyClick(s.editdepacode, Qt::Key_2);
    QCOMPARE(prompts_->last().text, QStringLiteral("录入为非法数值！"));
    QCOMPARE(prompts_->last().title, QStringLiteral("系统错误提示："));
    QVERIFY(s.editdepacode->text().isEmpty());
    s.Editypcode->setText(QStringLiteral("AMX"));  // mnemonics are letters: not checked
    QTest::keyClicks(s.Editypcode, QStringLiteral("L"));
    QCOMPARE(s.Editypcode->text(), QStringLiteral("AMXL"));
}

QTEST_MAIN(TestCodeEntry)
#include "tst_codeentry.moc"
