// What the screens rely on in a generated demo database: names that resolve in the reference
// tables, stays whose state agrees with their history, refunds that point at charges, and
// the awkward rows real data has.

#include "database.h"
#include "demogenerator.h"
#include "outpatientdesk.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace orbista;

class DemoDataTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();

    void everyTableButTheScratchTableHasRows();
    void namesResolveInTheReferenceTables_data();
    void namesResolveInTheReferenceTables();
    void oneDoctorNameIsStoredWithBlanks();
    void dischargesMatchDischargedAdmissions();
    void lockStateFollowsTheLastLockAction();
    void settledLinesAreExactlyThoseOfDischargedStays();
    void transfersLeaveTheDepartmentTheStayWasIn();
    void refundsPointAtRefundedCharges();
    void pharmacyOneHasShortStock();
    void everyGoodsKindIsCatalogued_data();
    void everyGoodsKindIsCatalogued();
    void outpatientFeeNamesAppear_data();
    void outpatientFeeNamesAppear();
    void chargesAtTheDayBounds_data();
    void chargesAtTheDayBounds();
    void amountsHaveAtMostTwoDecimals_data();
    void amountsHaveAtMostTwoDecimals();
    void someAmountsAndCountsAreMissing_data();
    void someAmountsAndCountsAreMissing();
    void wholesaleIsBelowRetail();
    void priceAdjustmentValuesAddUp();
    void warehouseLossDaysAreText();
    void quotedPatientNameIsStored();
    void documentedLoginsExist_data();
    void documentedLoginsExist();
    void departmentCodesSharePrefixes();
    void quietDaysAreRareAndNeverInTheFirstWeek();

  private:
    qint64 count(const QString& sql, const Params& params = {});

    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
};

void DemoDataTest::initTestCase() {
    demo::DemoOptions options;
    options.directory = test::freshDir(dir_);
    options.days = 7;
    options.seed = 11;
    options.end = QDate(2024, 3, 7);
    demo::generateDemo(options);
    db_ = std::make_unique<Database>();
    db_->openSqlite(dir_.filePath(QStringLiteral("orbista.db")));
}

qint64 DemoDataTest::count(const QString& sql, const Params& params) {
    return db_->query(sql, params)->integer(u"n");
}

void DemoDataTest::everyTableButTheScratchTableHasRows() {
    for (const char* table : {"data_oper",  "data_xtconfig",  "data_depa",        "data_doctor",
                              "data_yp_x",  "data_ypbigtype", "data_ypbigtype_z", "data_add_x",
                              "data_add_z", "data_fy_mz",     "mz_cost",          "mz_gh",
                              "mz_tk",      "mz_ypout_x",     "mz_xy_hj",         "zy_in",
                              "zy_out",     "zy_cost",        "zy_yjk",           "zy_lock",
                              "zy_unlock",  "zy_changedepa",  "zy_ypout_x",       "yf_kucun_total",
                              "yf_bs",      "yf_pc",          "yf_zzdate",        "yp_xy_in",
                              "yp_xy_out",  "yp_bs",          "yp_tj_pd"}) {
        QVERIFY2(count(QStringLiteral("select count(*) as n from %1").arg(table)) > 0, table);
    }
    QCOMPARE(count(QStringLiteral("select count(*) as n from mz_total")), 0);
}

void DemoDataTest::namesResolveInTheReferenceTables_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("reference");  // a select of one column named name

    const QString departments = QStringLiteral("select name from data_depa");
    const QString doctors = QStringLiteral("select name from data_doctor");
    const QString operators = QStringLiteral("select name from data_oper");
    const struct {
        const char* table;
        const char* column;
        const QString& reference;
    } checks[] = {
        {"mz_cost", "fydepa", departments},
        {"mz_cost", "fydoctor", doctors},
        {"mz_cost", "jzman", operators},
        {"mz_gh", "indepa", departments},
        {"mz_gh", "indoctor", doctors},
        {"mz_gh", "recman", operators},
        {"mz_tk", "fydepa", departments},
        {"mz_tk", "fydoctor", doctors},
        {"mz_tk", "jzman", operators},
        {"mz_xy_hj", "fydepa", departments},
        {"mz_xy_hj", "fydoctor", doctors},
        {"mz_xy_hj", "jzman", operators},
        {"mz_ypout_x", "fydepa", departments},
        {"mz_ypout_x", "fydoctor", doctors},
        {"mz_ypout_x", "outman", operators},
        {"zy_in", "indepa", departments},
        {"zy_in", "doctor", doctors},
        {"zy_in", "recman", operators},
        {"zy_out", "outdepa", departments},
        {"zy_cost", "fydepa", departments},
        {"zy_cost", "fydoctor", doctors},
        {"zy_cost", "recman", operators},
        {"zy_cost", "jzman", operators},
        {"zy_yjk", "recman", operators},
        {"zy_lock", "recman", operators},
        {"zy_unlock", "recman", operators},
        {"zy_changedepa", "olddepa", departments},
        {"zy_changedepa", "newdepa", departments},
        {"zy_changedepa", "recman", operators},
        {"zy_ypout_x", "fydepa", departments},
        {"zy_ypout_x", "fydoctor", doctors},
        {"zy_ypout_x", "outman", operators},
        {"yf_bs", "recman", operators},
        {"yf_pc", "recman", operators},
        {"yp_xy_in", "recman", operators},
        {"yp_xy_out", "recman", operators},
        {"yp_bs", "recman", operators},
        {"data_doctor", "recman", operators},
    };
    for (const auto& check : checks) {
        QTest::addRow("%s.%s", check.table, check.column)
            << check.table << check.column << check.reference;
    }
    QTest::newRow("doctor departments are codes")
        << "data_doctor"
        << "depa" << QStringLiteral("select code as name from data_depa");
    QTest::newRow("drug big types")
        << "data_yp_x"
        << "bigtype"
        << QStringLiteral(
               "select name from data_ypbigtype union select name from data_ypbigtype_z");
    QTest::newRow("drug origins")
        << "data_yp_x"
        << "address"
        << QStringLiteral("select name from data_add_x union select name from data_add_z");
    QTest::newRow("stock items") << "yf_kucun_total"
                                 << "ypcode"
                                 << QStringLiteral("select code as name from data_yp_x");
}

void DemoDataTest::namesResolveInTheReferenceTables() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, reference);
    // Doctor names are compared trimmed: one terminal pads a doctor's name with blanks.
    const bool doctorNames = reference == QLatin1String("select name from data_doctor");
    const QString value = doctorNames ? QStringLiteral("trim(%1)").arg(column) : column;
    QVERIFY(count(QStringLiteral("select count(%1) as n from %2").arg(column, table)) > 0);
    const qint64 unknown = count(QStringLiteral("select count(*) as n from %1 where %2 is not null "
                                                "and %3 not in (%4)")
                                     .arg(table, column, value, reference));
    QCOMPARE(unknown, 0);
}

void DemoDataTest::oneDoctorNameIsStoredWithBlanks() {
    const Params padded{{QStringLiteral(":a1"), QStringLiteral(" 王建国 ")}};
    QVERIFY(count(QStringLiteral("select count(*) as n from mz_cost where fydoctor=:a1"), padded) >
            0);
    QVERIFY(count(QStringLiteral("select count(*) as n from mz_cost where fydoctor='王建国'")) > 0);
}

void DemoDataTest::dischargesMatchDischargedAdmissions() {
    QVERIFY(count(QStringLiteral("select count(*) as n from zy_out")) > 0);
    QVERIFY(count(QStringLiteral("select count(*) as n from zy_in where in_out='在院'")) > 0);
    QCOMPARE(count(QStringLiteral("select count(*) as n from zy_out o where not exists (select 1 "
                                  "from zy_in i where i.code=o.code and i.in_out='出院')")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) as n from zy_in i where i.in_out='出院' and "
                                  "not exists (select 1 from zy_out o where o.code=i.code)")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) as n from zy_in where in_out not in "
                                  "('在院','出院')")),
             0);
}

void DemoDataTest::lockStateFollowsTheLastLockAction() {
    QVERIFY(count(QStringLiteral("select count(*) as n from zy_lock")) > 0);
    QVERIFY(count(QStringLiteral("select count(*) as n from zy_unlock")) > 0);
    // The state each stay should be in after its last action; no action leaves it unlocked.
    const QString expected = QStringLiteral(
        "select i.code, i.status1, case when (select max(lockdate) from zy_lock l where "
        "l.code=i.code) > coalesce((select max(unlockdate) from zy_unlock u where u.code=i.code), "
        "'') then '锁定' else '解锁' end as expected from zy_in i");
    QCOMPARE(count(QStringLiteral("select count(*) as n from (%1) where status1 <> expected")
                       .arg(expected)),
             0);
    QVERIFY(count(QStringLiteral("select count(*) as n from zy_in where status1='锁定'")) > 0);
}

void DemoDataTest::settledLinesAreExactlyThoseOfDischargedStays() {
    QCOMPARE(count(QStringLiteral(
                 "select count(*) as n from zy_cost c join zy_in i on i.code=c.code where "
                 "(c.fystatus='已结') <> (i.in_out='出院')")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) as n from zy_cost where fystatus='已结' and "
                                  "(jzdate is null or jzman is null or jzcode is null or jzdate < "
                                  "fydate)")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) as n from zy_cost c where not exists (select 1 "
                                  "from zy_in i where i.code=c.code)")),
             0);
}

void DemoDataTest::transfersLeaveTheDepartmentTheStayWasIn() {
    QVERIFY(count(QStringLiteral("select count(*) as n from zy_changedepa")) > 0);
    // One transfer at most per stay: it leaves the admitting department, which zy_in keeps.
    QCOMPARE(count(QStringLiteral("select count(*) as n from zy_changedepa c join zy_in i on "
                                  "i.code=c.code where c.olddepa <> i.indepa or c.newdepa = "
                                  "c.olddepa")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) as n from zy_changedepa c join zy_out o on "
                                  "o.code=c.code where o.outdepa <> c.newdepa")),
             0);
}

void DemoDataTest::refundsPointAtRefundedCharges() {
    QVERIFY(count(QStringLiteral("select count(*) as n from mz_tk")) > 0);
    QCOMPARE(count(QStringLiteral(
                 "select count(*) as n from mz_tk t where not exists (select 1 from mz_cost c "
                 "where c.fycode=t.fycode and c.code=t.code and c.fyname=t.fyname and "
                 "c.fyprice=t.fyprice and c.tk_flag='2' and c.fydate <= t.fydate)")),
             0);
    QCOMPARE(count(QStringLiteral("select count(*) as n from mz_cost c where c.tk_flag='2' and "
                                  "not exists (select 1 from mz_tk t where t.fycode=c.fycode and "
                                  "t.fyname=c.fyname)")),
             0);
    QCOMPARE(count(QStringLiteral(
                 "select count(*) as n from mz_cost where tk_flag not in ('0','1','2')")),
             0);
}

void DemoDataTest::pharmacyOneHasShortStock() {
    QVERIFY(count(QStringLiteral("select count(*) as n from yf_kucun_total where depa='01' and "
                                 "total_num < alarm_num")) > 0);
    QVERIFY(count(QStringLiteral("select count(*) as n from yf_kucun_total where depa='01' and "
                                 "total_num >= alarm_num")) > 0);
}

void DemoDataTest::everyGoodsKindIsCatalogued_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"01", "20", "21", "30", "31"}) {
        QTest::newRow(kind) << kind;
    }
}

void DemoDataTest::everyGoodsKindIsCatalogued() {
    QFETCH(QString, kind);
    const Params params{{QStringLiteral(":a1"), kind}};
    QVERIFY(count(QStringLiteral("select count(*) as n from data_yp_x where yp_style=:a1"),
                  params) >= 15);
    QVERIFY(count(QStringLiteral("select count(*) as n from yp_xy_in where ypstyle=:a1"), params) >
            0);
}

void DemoDataTest::outpatientFeeNamesAppear_data() {
    QTest::addColumn<QString>("fee");
    for (const char* fee : {"西药费", "中成药费", "中草药费", "检查费", "化验费", "治疗费",
                            "诊疗费", "挂号费", "材料费", "手术费"}) {
        QTest::newRow(fee) << QString::fromUtf8(fee);
    }
}

void DemoDataTest::outpatientFeeNamesAppear() {
    QFETCH(QString, fee);
    const Params params{{QStringLiteral(":a1"), fee}};
    QVERIFY(count(QStringLiteral("select count(*) as n from mz_cost where fyname=:a1 and "
                                 "depa='01' and tk_flag in ('0','1')"),
                  params) > 0);
}

void DemoDataTest::chargesAtTheDayBounds_data() {
    QTest::addColumn<QString>("time");
    QTest::newRow("midnight") << "00:00:00";
    QTest::newRow("last second") << "23:59:59";
}

void DemoDataTest::chargesAtTheDayBounds() {
    QFETCH(QString, time);
    const Params params{{QStringLiteral(":a1"), QStringLiteral("% ") + time}};
    QVERIFY(count(QStringLiteral("select count(*) as n from mz_cost where fydate like :a1"),
                  params) > 0);
}

void DemoDataTest::amountsHaveAtMostTwoDecimals_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("charges") << "mz_cost"
                             << "fyprice";
    QTest::newRow("ward fees") << "zy_cost"
                               << "fyprice";
    QTest::newRow("deposits") << "zy_yjk"
                              << "price";
    QTest::newRow("receipt values") << "yp_xy_in"
                                    << "pfmoney";
    QTest::newRow("retail prices") << "data_yp_x"
                                   << "lsprice";
}

void DemoDataTest::amountsHaveAtMostTwoDecimals() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    auto rows = db_->query(QStringLiteral("select %1 as v from %2").arg(column, table));
    int checked = 0;
    for (rows->first(); !rows->eof(); rows->next()) {
        if (rows->isNull(u"v")) {
            continue;
        }
        const Money amount = rows->money(u"v");
        QVERIFY2(amount.raw() % 100 == 0, qPrintable(amount.toString(4)));
        ++checked;
    }
    QVERIFY(checked > 0);
}

void DemoDataTest::someAmountsAndCountsAreMissing_data() {
    QTest::addColumn<QString>("condition");
    QTest::newRow("charge without amount")
        << "select count(*) as n from mz_cost where fyprice is null";
    QTest::newRow("ward line without count or price")
        << "select count(*) as n from zy_cost where fynum is null or fyprice is null";
}

void DemoDataTest::someAmountsAndCountsAreMissing() {
    QFETCH(QString, condition);
    const qint64 missing = count(condition);
    QVERIFY(missing > 0);
    QVERIFY(missing < 10);
}

void DemoDataTest::wholesaleIsBelowRetail() {
    QCOMPARE(count(QStringLiteral("select count(*) as n from data_yp_x where pfprice >= lsprice or "
                                  "pfprice <= 0")),
             0);
}

void DemoDataTest::priceAdjustmentValuesAddUp() {
    QVERIFY(count(QStringLiteral("select count(*) as n from yp_tj_pd where depa='08'")) > 0);
    QCOMPARE(count(QStringLiteral(
                 "select count(*) as n from yp_tj_pd where abs(p_oldjine - num*p_oldprice) > "
                 "0.001 or abs(p_newjine - num*p_newprice) > 0.001 or abs(l_oldjine - "
                 "num*l_oldprice) > 0.001 or abs(l_newjine - num*l_newprice) > 0.001 or "
                 "abs((p_zen - p_jian) - (p_newjine - p_oldjine)) > 0.001 or abs((l_zen - l_jian) "
                 "- (l_newjine - l_oldjine)) > 0.001 or p_newprice = p_oldprice")),
             0);
}

void DemoDataTest::warehouseLossDaysAreText() {
    QVERIFY(count(QStringLiteral("select count(*) as n from yp_bs")) > 0);
    QCOMPARE(count(QStringLiteral("select count(*) as n from yp_bs where typeof(bsdate) <> 'text' "
                                  "or bsdate not like '____-__-__' or length(bsdate) <> 10")),
             0);
}

void DemoDataTest::quotedPatientNameIsStored() {
    const Params params{{QStringLiteral(":a1"), QStringLiteral("O'Neil 李")}};
    QVERIFY(count(QStringLiteral("select count(*) as n from mz_cost where zman=:a1"), params) > 0);
    QVERIFY(count(QStringLiteral("select count(*) as n from mz_gh where name=:a1"), params) > 0);
}

void DemoDataTest::documentedLoginsExist_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("pass");
    QTest::addColumn<QString>("grade");
    QTest::newRow("finance") << "1001"
                             << "1001"
                             << "财务科查询";
    QTest::newRow("finance, grade with blanks") << "1002"
                                                << "1002"
                                                << "财务科查询  ";
    QTest::newRow("administrator") << "0000"
                                   << "admin"
                                   << "系统管理员";
    QTest::newRow("cashier") << "2001"
                             << "2001"
                             << "收费员";
    QTest::newRow("outpatient manager") << "3001"
                                        << "3001"
                                        << "门诊管理";
    QTest::newRow("inpatient manager") << "4001"
                                       << "4001"
                                       << "住院管理";
    QTest::newRow("pharmacy") << "5001"
                              << "5001"
                              << "药房管理";
    QTest::newRow("warehouse") << "6001"
                               << "6001"
                               << "药库管理";
}

void DemoDataTest::documentedLoginsExist() {
    QFETCH(QString, code);
    QFETCH(QString, pass);
    QFETCH(QString, grade);
    const Params params{{QStringLiteral(":a1"), code},
                        {QStringLiteral(":a2"), pass},
                        {QStringLiteral(":a3"), grade}};
    QCOMPARE(count(QStringLiteral("select count(*) as n from data_oper where code=:a1 and "
                                  "pass=:a2 and grade=:a3"),
                   params),
             1);
}

void DemoDataTest::departmentCodesSharePrefixes() {
    QCOMPARE(count(QStringLiteral("select count(*) as n from data_depa where code in ('1','10',"
                                  "'12','01','0101')")),
             5);
    QVERIFY(count(QStringLiteral("select count(*) as n from data_depa where code like '1%'")) >= 3);
    auto hospital = db_->query(QStringLiteral("select * from data_xtconfig"));
    QCOMPARE(hospital->text(u"neirong"), QStringLiteral("华阳县人民医院"));
}

void DemoDataTest::quietDaysAreRareAndNeverInTheFirstWeek() {
    int quiet = 0;
    const int days = 1000;
    for (int index = 0; index < days; ++index) {
        const demo::DemoDay day(index, days, QDate(2020, 1, 1).addDays(index));
        if (demo::OutpatientDesk::isQuietDay(1, day)) {
            QVERIFY(index >= 7);
            ++quiet;
        }
    }
    QVERIFY(quiet >= 3);
    QVERIFY(quiet <= 20);
}

QTEST_GUILESS_MAIN(DemoDataTest)
#include "tst_demodata.moc"
