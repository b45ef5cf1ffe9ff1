#include "money.h"

#include <QTest>

using orbista::Money;

class TestMoney : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void parse_data();
    void parse();
    void rejectsMalformed_data();
    void rejectsMalformed();
    void hundredThousandCentsSumExactly();
    void roundsHalfAwayFromZero_data();
    void roundsHalfAwayFromZero();
    void fromVariant_data();
    void fromVariant();
    void timesRoundsTheProduct();
};

void TestMoney::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("raw");
    QTest::newRow("integer") << "123" << 1230000LL;
    QTest::newRow("two decimals") << "12.34" << 123400LL;
    QTest::newRow("four decimals, server text") << "0.0100" << 100LL;
    QTest::newRow("negative") << "-5.5" << -55000LL;
    QTest::newRow("plus sign") << "+3." << 30000LL;
    QTest::newRow("leading point") << ".5" << 5000LL;
    QTest::newRow("grouping") << "1,234,567.89" << 12345678900LL;
    QTest::newRow("fifth decimal rounds up") << "0.00005" << 1LL;
    QTest::newRow("fifth decimal rounds down") << "0.00004" << 0LL;
    QTest::newRow("negative rounds away") << "-0.00005" << -1LL;
    QTest::newRow("blanks") << "  7.25 " << 72500LL;
    QTest::newRow("big") << "922337203685.4775" << 9223372036854775LL;
}

void TestMoney::parse() {
    QFETCH(QString, text);
    QFETCH(qlonglong, raw);
    const auto m = Money::parse(text);
    QVERIFY(m.has_value());
    QCOMPARE(m->raw(), raw);
}

void TestMoney::rejectsMalformed_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("letters") << "12a";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("sign only") << "-";
    QTest::newRow("point only") << ".";
    QTest::newRow("injection") << "1'; drop table mz_cost --";
}

void TestMoney::rejectsMalformed() {
    QFETCH(QString, text);
    QVERIFY(!Money::parse(text).has_value());
}

void TestMoney::hundredThousandCentsSumExactly() {
    Money sum;
    const Money cent = *Money::parse(u"0.01");
    for (int i = 0; i < 100000; ++i) {
        sum += cent;
    }
    QCOMPARE(sum, Money::fromYuan(1000));
    QCOMPARE(sum.toString(), QStringLiteral("1000.00"));
}

void TestMoney::roundsHalfAwayFromZero_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2.675 to 2") << "2.675" << 2 << "2.68";
    QTest::newRow("-2.675 to 2") << "-2.675" << 2 << "-2.68";
    QTest::newRow("2.665 to 2") << "2.665" << 2 << "2.67";
    QTest::newRow("0.05 to 1") << "0.05" << 1 << "0.1";
    QTest::newRow("0.0049 to 2") << "0.0049" << 2 << "0.00";
    QTest::newRow("0.995 to 2") << "0.995" << 2 << "1.00";
    QTest::newRow("12.5 to 0") << "12.5" << 0 << "13";
    QTest::newRow("four decimals") << "1.2345" << 4 << "1.2345";
}

void TestMoney::roundsHalfAwayFromZero() {
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(Money::parse(text)->toString(decimals), expected);
    QCOMPARE(Money::parse(text)->rounded(decimals).toString(decimals), expected);
}

void TestMoney::fromVariant_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sqlite real") << QVariant(0.1 + 0.2) << "0.3000";
    QTest::newRow("sqlite integer") << QVariant(qlonglong(42)) << "42.0000";
    QTest::newRow("odbc high precision text")
        << QVariant(QStringLiteral("1234.5600")) << "1234.5600";
    QTest::newRow("odbc negative text") << QVariant(QStringLiteral("-0.0100")) << "-0.0100";
}

void TestMoney::fromVariant() {
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    const auto m = Money::fromVariant(value);
    QVERIFY(m.has_value());
    QCOMPARE(m->toString(4), expected);
    QVERIFY(!Money::fromVariant(QVariant()).has_value());
}

void TestMoney::timesRoundsTheProduct() {
    QCOMPARE(Money::parse(u"12.34")->times(*Money::parse(u"3")).toString(4),
             QStringLiteral("37.0200"));
    QCOMPARE(Money::parse(u"0.0001")->times(*Money::parse(u"0.5")).toString(4),
             QStringLiteral("0.0001"));
    QCOMPARE((Money::parse(u"19.99").value() * 3).toString(), QStringLiteral("59.97"));
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
