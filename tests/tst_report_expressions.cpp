#include "reporterror.h"
#include "reportexpression.h"
#include "resultset.h"

#include <QTest>

using orbista::Money;
using orbista::ResultSet;
using orbista::report::Expression;
using orbista::report::ReportError;

namespace {

// Three charge rows; amounts as the drivers hand them over: reals, integers, decimal texts.
std::unique_ptr<ResultSet> chargeRows() {
    return ResultSet::fromRows(
        {QStringLiteral("fyname"), QStringLiteral("fynum"), QStringLiteral("fyprice"),
         QStringLiteral("fee1"), QStringLiteral("fee2")},
        {
            {QStringLiteral("挂号费"), 2, 12.5, QStringLiteral("0.0100"), QVariant()},
            {QStringLiteral("诊查费"), 1, 3.25, QStringLiteral("1.5000"), 4},
            {QStringLiteral("化验费"), 3, 100.0, QStringLiteral("2.0000"), 6},
        });
}

}  // namespace

class TestReportExpressions : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void onTheFirstRow_data();
    void onTheFirstRow();
    void totalsOverPrintedRows_data();
    void totalsOverPrintedRows();
    void totalsAreNotResetUntilAskedTo();
    void hundredThousandCentsSumExactly_data();
    void hundredThousandCentsSumExactly();
    void malformedTextIsRefused_data();
    void malformedTextIsRefused();
    void unknownColumnIsRefusedWhenBound();
    void withoutRowColumnsReadAsNothing();
};

void TestReportExpressions::onTheFirstRow_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected");
    QTest::newRow("precedence") << "1+2*3"
                                << "7";
    QTest::newRow("parentheses") << "(1+2)*3"
                                 << "9";
    QTest::newRow("exact decimals") << "0.1+0.2"
                                    << "0.3";
    QTest::newRow("division") << "10/4"
                              << "2.5";
    QTest::newRow("division rounds to four decimals") << "2/3"
                                                      << "0.6667";
    QTest::newRow("division rounds down") << "1/3"
                                          << "0.3333";
    QTest::newRow("negative division rounds away") << "-2/3"
                                                   << "-0.6667";
    QTest::newRow("division by zero gives zero") << "5/0"
                                                 << "0";
    QTest::newRow("unary minus of a column") << "-fyprice"
                                             << "-12.5";
    QTest::newRow("dataset prefix ignored") << "adq_query.fynum  *  adq_query.fyprice"
                                            << "25";
    QTest::newRow("bare column text") << "fyname"
                                      << "挂号费";
    QTest::newRow("decimal text column") << "fee1*100"
                                         << "1";
    QTest::newRow("null column in arithmetic") << "fee2+1"
                                               << "1";
    QTest::newRow("texts join") << "fyname + '：' + 'x'"
                                << "挂号费：x";
    QTest::newRow("doubled quote") << "'it''s'"
                                   << "it's";
    QTest::newRow("formatnumeric") << "formatnumeric('###,###,##0.00', 1234.5)"
                                   << "1,234.50";
    QTest::newRow("function names any case") << "FormatNumeric('0.0', fyprice)"
                                             << "12.5";
    QTest::newRow("nothing counted yet") << "COUNT"
                                         << "0";
    QTest::newRow("no total yet") << "sum(fyprice)"
                                  << "0";
}

void TestReportExpressions::onTheFirstRow() {
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    const auto rows = chargeRows();
    Expression e = Expression::parse(expression);
    e.bind(rows.get());
    QCOMPARE(e.evaluate(0).display(), expected);
}

void TestReportExpressions::totalsOverPrintedRows_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<int>("printedRows");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sum of reals") << "SUM(fyprice)" << 3 << "115.75";
    QTest::newRow("sum so far") << "SUM(fyprice)" << 2 << "15.75";
    QTest::newRow("sum with dataset") << "SUM(ado_cost.fyprice)" << 3 << "115.75";
    QTest::newRow("sum of decimal texts") << "sum(fee1)" << 3 << "3.51";
    QTest::newRow("sums added") << "SUM(adp1.fee1)+SUM(adp1.fee2)+SUM(adp1.fynum)" << 3 << "19.51";
    QTest::newRow("sum of a product") << "SUM(fynum*fyprice)" << 3 << "328.25";
    QTest::newRow("count") << "COUNT" << 3 << "3";
    QTest::newRow("count of a column counts rows") << "count(fee2)" << 3 << "3";
    QTest::newRow("formatted total")
        << "formatnumeric('###,###,##0.00',SUM(ado_cost.fyprice))" << 3 << "115.75";
    QTest::newRow("average by division") << "sum(fyprice)/count" << 3 << "38.5833";
}

void TestReportExpressions::totalsOverPrintedRows() {
    QFETCH(QString, expression);
    QFETCH(int, printedRows);
    QFETCH(QString, expected);
    const auto rows = chargeRows();
    Expression e = Expression::parse(expression);
    e.bind(rows.get());
    QVERIFY(e.hasAggregates());
    for (int row = 0; row < printedRows; ++row) {
        e.accumulate(row);
    }
    QCOMPARE(e.evaluate(printedRows - 1).display(), expected);
}

void TestReportExpressions::totalsAreNotResetUntilAskedTo() {
    const auto rows = chargeRows();
    Expression e = Expression::parse(QStringLiteral("sum(fyprice)"));
    e.bind(rows.get());
    e.accumulate(0);
    QCOMPARE(e.evaluate(0).number, Money::parse(u"12.5").value());
    QCOMPARE(e.evaluate(0).number, Money::parse(u"12.5").value());  // reading keeps it
    e.accumulate(1);
    QCOMPARE(e.evaluate(1).number, Money::parse(u"15.75").value());
    e.reset();
    QVERIFY(e.evaluate(1).number.isZero());
}

void TestReportExpressions::hundredThousandCentsSumExactly_data() {
    QTest::addColumn<QVariant>("cent");
    QTest::newRow("real") << QVariant(0.01);
    QTest::newRow("decimal text") << QVariant(QStringLiteral("0.0100"));
}

void TestReportExpressions::hundredThousandCentsSumExactly() {
    QFETCH(QVariant, cent);
    QList<QVariantList> data(100000, QVariantList{cent});
    const auto rows = ResultSet::fromRows({QStringLiteral("fyprice")}, data);
    Expression e =
        Expression::parse(QStringLiteral("formatnumeric('###,###,##0.00',SUM(fyprice))"));
    Expression total = Expression::parse(QStringLiteral("SUM(fyprice)"));
    e.bind(rows.get());
    total.bind(rows.get());
    for (int row = 0; row < rows->fetchedCount(); ++row) {
        e.accumulate(row);
        total.accumulate(row);
    }
    QCOMPARE(total.evaluate(-1).number, Money::fromYuan(1000));
    QCOMPARE(e.evaluate(-1).display(), QStringLiteral("1,000.00"));
}

void TestReportExpressions::malformedTextIsRefused_data() {
    QTest::addColumn<QString>("expression");
    QTest::newRow("open call") << "SUM(";
    QTest::newRow("dangling operator") << "1 +";
    QTest::newRow("unknown function") << "average(fyprice)";
    QTest::newRow("open string") << "'abc";
    QTest::newRow("mask not a text") << "formatnumeric(1, 2)";
    QTest::newRow("trailing junk") << "1 2";
    QTest::newRow("empty") << "";
}

void TestReportExpressions::malformedTextIsRefused() {
    QFETCH(QString, expression);
    QVERIFY_THROWS_EXCEPTION(ReportError, Expression::parse(expression));
}

void TestReportExpressions::unknownColumnIsRefusedWhenBound() {
    const auto rows = chargeRows();
    Expression e = Expression::parse(QStringLiteral("sum(name3)"));
    try {
        e.bind(rows.get());
        QFAIL("binding an unknown column must fail");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().contains(QStringLiteral("name3")), qPrintable(error.message()));
    }
}

void TestReportExpressions::withoutRowColumnsReadAsNothing() {
    const auto rows = chargeRows();
    Expression e = Expression::parse(QStringLiteral("fyname"));
    e.bind(rows.get());
    QVERIFY(e.evaluate(-1).isNull());
    QVERIFY(e.usesColumns());
}

QTEST_GUILESS_MAIN(TestReportExpressions)
#include "tst_report_expressions.moc"
