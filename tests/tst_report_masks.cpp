#include "displaymask.h"

#include <QTest>

using orbista::Money;
using orbista::report::DisplayMask;

class TestReportMasks : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void numericPatterns_data();
    void numericPatterns();
    void datePatterns_data();
    void datePatterns();
    void noMaskShowsPlainNumber_data();
    void noMaskShowsPlainNumber();
    void invalidDatePrintsNothing();
};

void TestReportMasks::numericPatterns_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const QString money = QStringLiteral("###,###,##0.00");
    QTest::newRow("grouped, two decimals") << money << "1234.5"
                                           << "1,234.50";
    QTest::newRow("grouped zero") << money << "0"
                                  << "0.00";
    QTest::newRow("grouped millions negative") << money << "-1234567.891"
                                               << "-1,234,567.89";
    QTest::newRow("half cent rounds away from zero") << money << "0.005"
                                                     << "0.01";
    QTest::newRow("negative half cent rounds away") << money << "-0.005"
                                                    << "-0.01";
    QTest::newRow("rounds to zero: no minus") << money << "-0.004"
                                              << "0.00";
    QTest::newRow("more digits than the pattern") << money << "1234567890.12"
                                                  << "1,234,567,890.12";
    QTest::newRow("under a thousand") << money << "999.999"
                                      << "1,000.00";
    QTest::newRow("long grouped") << "###,###,###,##0.00"
                                  << "1234567890123.45"
                                  << "1,234,567,890,123.45";
    QTest::newRow("long grouped small") << "###,###,###,##0.00"
                                        << "0.1"
                                        << "0.10";
    QTest::newRow("plain two decimals") << "0.00"
                                        << "1234.567"
                                        << "1234.57";
    QTest::newRow("plain zero") << "0.00"
                                << "0"
                                << "0.00";
    QTest::newRow("plain half up") << "0.00"
                                   << "2.345"
                                   << "2.35";
    QTest::newRow("plain negative half") << "0.00"
                                         << "-2.345"
                                         << "-2.35";
    QTest::newRow("plain big") << "0.00"
                               << "123456789"
                               << "123456789.00";
    const QString optional = QStringLiteral("###,###,###.##");
    QTest::newRow("optional digits") << optional << "1234.5"
                                     << "1,234.5";
    QTest::newRow("optional whole") << optional << "1234"
                                    << "1,234";
    QTest::newRow("optional rounds") << optional << "1234.567"
                                     << "1,234.57";
    QTest::newRow("optional trailing zeros dropped") << optional << "1234.004"
                                                     << "1,234";
    QTest::newRow("optional below one") << optional << "0.5"
                                        << ".5";
    QTest::newRow("optional zero is blank") << optional << "0"
                                            << "";
    QTest::newRow("optional negative") << optional << "-1234.5"
                                       << "-1,234.5";
    QTest::newRow("one decimal") << "###,###,##0.0"
                                 << "1234.56"
                                 << "1,234.6";
    QTest::newRow("one decimal zero") << "###,###,##0.0"
                                      << "0"
                                      << "0.0";
    QTest::newRow("one decimal half") << "###,###,##0.0"
                                      << "0.05"
                                      << "0.1";
    QTest::newRow("long one decimal") << "###,###,###,##0.0"
                                      << "1234567.25"
                                      << "1,234,567.3";
    QTest::newRow("forced decimals under #") << "#.00"
                                             << "0.1"
                                             << ".10";
    QTest::newRow("all optional zero") << "#.##"
                                       << "0"
                                       << "";
    QTest::newRow("no decimals rounds") << "0"
                                        << "2.5"
                                        << "3";
    QTest::newRow("no decimals negative") << "0"
                                          << "-2.5"
                                          << "-3";
    QTest::newRow("grouping carries") << "#,##0"
                                      << "999.5"
                                      << "1,000";
    QTest::newRow("leading zeros") << "000"
                                   << "7"
                                   << "007";
    QTest::newRow("negative section") << "0.00;(0.00);零"
                                      << "-5"
                                      << "(5.00)";
    QTest::newRow("zero section") << "0.00;(0.00);零"
                                  << "0"
                                  << "零";
    QTest::newRow("literal prefix") << "￥#,##0.00"
                                    << "12"
                                    << "￥12.00";
    QTest::newRow("more decimals than held") << "0.000000"
                                             << "1.2345"
                                             << "1.234500";
}

void TestReportMasks::numericPatterns() {
    QFETCH(QString, pattern);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const auto money = Money::parse(value);
    QVERIFY(money.has_value());
    const DisplayMask mask(pattern);
    QVERIFY(!mask.isDate());
    QCOMPARE(mask.format(*money), expected);
}

void TestReportMasks::datePatterns_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("day") << "yyyy-mm-dd"
                         << "2024-03-05";
    QTest::newRow("day and time") << "yyyy-mm-dd hh:nn:ss"
                                  << "2024-03-05 14:07:09";
    QTest::newRow("minutes after hours") << "hh:mm"
                                         << "14:07";
    QTest::newRow("chinese words") << "yyyy年mm月dd日"
                                   << "2024年03月05日";
    QTest::newRow("short year") << "yy/mm/dd"
                                << "24/03/05";
}

void TestReportMasks::datePatterns() {
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    const DisplayMask mask(pattern);
    QVERIFY(mask.isDate());
    QCOMPARE(mask.format(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), expected);
}

void TestReportMasks::noMaskShowsPlainNumber_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("decimals trimmed") << "1234.5000"
                                      << "1234.5";
    QTest::newRow("whole") << "12"
                           << "12";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("negative fraction") << "-0.25"
                                       << "-0.25";
}

void TestReportMasks::noMaskShowsPlainNumber() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(DisplayMask().format(*Money::parse(value)), expected);
    QCOMPARE(orbista::report::plainNumberText(*Money::parse(value)), expected);
}

void TestReportMasks::invalidDatePrintsNothing() {
    QCOMPARE(DisplayMask(QStringLiteral("yyyy-mm-dd")).format(QDateTime()), QString());
}

QTEST_GUILESS_MAIN(TestReportMasks)
#include "tst_report_masks.moc"
