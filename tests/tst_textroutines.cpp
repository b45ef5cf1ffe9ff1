#include "textroutines.h"

#include <QTest>

using namespace orbista;

class TestTextRoutines : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void capitals_data();
    void capitals();
    void numericChecks_data();
    void numericChecks();
};

void TestTextRoutines::capitals_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("text");
    const struct {
        const char *amount, *text;
    } rows[] = {
        // the worked examples
        {"0", "零圆整"},
        {"0.05", "伍分"},
        {"0.5", "伍角零分"},
        {"0.55", "伍角伍分"},
        {"1", "壹圆整"},
        {"10", "壹拾圆整"},
        {"10.5", "壹拾圆伍角零分"},
        {"101", "壹佰零壹圆整"},
        {"1005", "壹仟零伍圆整"},
        {"1010", "壹仟零壹拾圆整"},
        {"1234.56", "壹仟贰佰叁拾肆圆伍角陆分"},
        {"3.07", "叁圆零柒分"},
        {"10001", "壹万零壹圆整"},
        {"100000", "壹拾万圆整"},
        {"60000.08", "陆万圆零捌分"},
        {"100000000", "壹亿圆整"},
        {"100000001", "壹亿零壹圆整"},
        // edge cases
        {"1.996", "贰圆整"},
        {"0.995", "壹圆整"},
        {"0.9999", "壹圆整"},
        {"0.99", "玖角玖分"},
        {"0.0001", "零圆整"},
        {"0.004", "零圆整"},
        {"20.10", "贰拾圆壹角零分"},
        {"1000000", "壹佰万圆整"},
        {"100010000", "壹亿零壹万圆整"},
        {"123456789012.34", "壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰圆叁角肆分"},
        {"-12.5", "负壹拾贰圆伍角零分"},
    };
    for (const auto& r : rows) {
        QTest::newRow(r.amount) << QString::fromUtf8(r.amount) << QString::fromUtf8(r.text);
    }
}

void TestTextRoutines::capitals() {
    QFETCH(QString, amount);
    QFETCH(QString, text);
    QCOMPARE(amountInCapitals(*Money::parse(amount)), text);
}

void TestTextRoutines::numericChecks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<bool>("decimal");
    QTest::newRow("digits") << "125" << true << true;
    QTest::newRow("negative") << "-125" << true << true;
    QTest::newRow("one point") << "12.5" << false << true;
    QTest::newRow("two points") << "1.2.5" << false << false;
    QTest::newRow("letter") << "12a" << false << false;
    QTest::newRow("inner minus") << "1-2" << false << false;
    QTest::newRow("empty") << "" << true << true;
    QTest::newRow("lone minus") << "-" << true << true;
    QTest::newRow("blank") << " 1" << false << false;
    QTest::newRow("chinese") << "一二" << false << false;
    QTest::newRow("quote") << "1'" << false << false;
}

void TestTextRoutines::numericChecks() {
    QFETCH(QString, text);
    QFETCH(bool, strict);
    QFETCH(bool, decimal);
    QCOMPARE(isStrictNumericText(text), strict);
    QCOMPARE(isDecimalNumericText(text), decimal);
}

QTEST_GUILESS_MAIN(TestTextRoutines)
#include "tst_textroutines.moc"
