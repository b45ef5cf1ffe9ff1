#include "crosstabcolumns.h"
#include "paginator.h"
#include "reporterror.h"
#include "reportlayout.h"
#include "resultset.h"
#include "testsupport.h"

#include "fonts.h"

#include <QTest>

#include <cmath>

using namespace orbista::report;
using orbista::ResultSet;

namespace {

const QString kTitle = QStringLiteral("测试医院收费明细表");

std::unique_ptr<ResultSet> chargeRows(int count) {
    QList<QVariantList> rows;
    rows.reserve(count);
    for (int i = 1; i <= count; ++i) {
        rows.append({QStringLiteral("行%1").arg(i), 0.01 * i});
    }
    return ResultSet::fromRows({QStringLiteral("fyname"), QStringLiteral("fyprice")}, rows);
}

// A4 portrait, 10 mm margins: the page body runs from 10 to 277 mm (the footer takes 10).
// First page: title 20 + header 10 + column header 8 leave rows from 48 mm: 38 rows of 6.
// Later pages: rows from 28 mm: 41 rows. The 10 mm summary fits below at most 36 rows on
// the first page.
void buildChargeLayout(ReportLayout& r) {
    r.page(PageSize::A4, Orientation::Portrait).title(kTitle);
    r.band(BandKind::Title, 20)
        .label(QStringLiteral("title"), 0, 2, 190, 8)
        .font(QStringLiteral("宋体"), 16, true)
        .alignCenter();
    r.band(BandKind::PageHeader, 10).text(QStringLiteral("页眉"), 0, 0, 40, 6);
    auto& columns = r.band(BandKind::ColumnHeader, 8);
    columns.text(QStringLiteral("项目"), 0, 1, 60, 6).frame(Side::All);
    columns.text(QStringLiteral("金额"), 60, 1, 40, 6).frame(Side::All).alignRight();
    auto& detail = r.band(BandKind::Detail, 6);
    detail.field(QStringLiteral("fyname"), 0, 0, 60, 6).frame(Side::Left | Side::Bottom);
    detail.field(QStringLiteral("fyprice"), 60, 0, 40, 6)
        .mask(QStringLiteral("###,###,##0.00"))
        .alignRight();
    auto& summary = r.band(BandKind::Summary, 10);
    summary.text(QStringLiteral("合计:"), 0, 2, 30, 6);
    summary.expression(QStringLiteral("SUM(fyprice)"), 60, 2, 40, 6)
        .name(QStringLiteral("total"))
        .mask(QStringLiteral("###,###,##0.00"))
        .alignRight();
    r.band(BandKind::PageFooter, 10).system(SystemData::PageOfPages, 70, 2, 50, 6);
    r.setCaption(QStringLiteral("title"), kTitle);
}

int detailRowsOn(const Page& page) {
    int n = 0;
    for (const PageText& t : page.texts) {
        n += t.text.startsWith(u'行') ? 1 : 0;
    }
    return n;
}

const PageText* findText(const Page& page, const QString& text) {
    for (const PageText& t : page.texts) {
        if (t.text == text) {
            return &t;
        }
    }
    return nullptr;
}

double pagePx(double mm) {
    return mmToPx(mm);
}

}  // namespace

class TestReportPagination : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { orbista::installReportFonts(); }
    void pagesForRowCounts_data();
    void pagesForRowCounts();
    void headersRepeatOnEveryPage();
    void footerSitsAtTheBottomWithPageNumbers();
    void emptyResultCanPrintNothing();
    void resultIsLeftAtItsEnd();
    void handlersReplaceTextsAsTheyPrint();
    void systemDataPrintsRowsAndMoments();
    void runtimeColumnsSitAtClassicPositions_data();
    void runtimeColumnsSitAtClassicPositions();
    void secondBuildShowsOnlyItsOwnColumns();
    void missingAmountColumnFailsThePreview();
    void hundredThousandRowsPaginate();
};

void TestReportPagination::pagesForRowCounts_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("rowsPerPage");
    QTest::addColumn<int>("summaryPage");
    QTest::addColumn<QString>("total");
    QTest::newRow("empty") << 0 << QList<int>{0} << 1 << "0.00";
    QTest::newRow("one row") << 1 << QList<int>{1} << 1 << "0.01";
    QTest::newRow("one page with its summary") << 36 << QList<int>{36} << 1 << "6.66";
    QTest::newRow("rows fill the page, summary moves") << 38 << QList<int>{38, 0} << 2 << "7.41";
    QTest::newRow("one row over") << 39 << QList<int>{38, 1} << 2 << "7.80";
    QTest::newRow("many") << 100 << QList<int>{38, 41, 21} << 3 << "50.50";
}

void TestReportPagination::pagesForRowCounts() {
    QFETCH(int, rows);
    QFETCH(QList<int>, rowsPerPage);
    QFETCH(int, summaryPage);
    QFETCH(QString, total);
    auto data = chargeRows(rows);
    ReportLayout r;
    buildChargeLayout(r);
    r.bind(data.get());
    const ReportDocument doc = paginate(r);

    QCOMPARE(doc.pageCount(), rowsPerPage.size());
    QCOMPARE(doc.title, kTitle);
    for (int p = 0; p < doc.pageCount(); ++p) {
        const Page& page = doc.pages[p];
        QCOMPARE(page.number, p + 1);
        QCOMPARE(detailRowsOn(page), rowsPerPage[p]);
        QCOMPARE(orbista::test::pageTexts(page).contains(kTitle), p == 0);
        QCOMPARE(orbista::test::pageTexts(page).contains(QStringLiteral("合计:")),
                 p + 1 == summaryPage);
    }
    const Page& last = doc.pages[summaryPage - 1];
    QVERIFY(orbista::test::pageTexts(last).contains(total));
    // Rows keep their order across pages.
    if (rows > 0) {
        QVERIFY(findText(doc.pages.back(), QStringLiteral("行%1").arg(rows)) ||
                findText(doc.pages[doc.pageCount() - 2], QStringLiteral("行%1").arg(rows)));
    }
}

void TestReportPagination::headersRepeatOnEveryPage() {
    auto data = chargeRows(100);
    ReportLayout r;
    buildChargeLayout(r);
    r.bind(data.get());
    const ReportDocument doc = paginate(r);
    QCOMPARE(doc.pageCount(), 3);

    // First page: header under the title, rows from 48 mm; later pages: from the top margin.
    const QList<double> headerTop = {30, 10, 10};
    const QList<double> firstRowTop = {48, 28, 28};
    const QStringList firstRow = {QStringLiteral("行1"), QStringLiteral("行39"),
                                  QStringLiteral("行80")};
    for (int p = 0; p < 3; ++p) {
        const Page& page = doc.pages[p];
        const PageText* header = findText(page, QStringLiteral("页眉"));
        const PageText* caption = findText(page, QStringLiteral("项目"));
        const PageText* row = findText(page, firstRow[p]);
        QVERIFY(header && caption && row);
        QCOMPARE(header->rect.top(), headerTop[p]);
        QCOMPARE(caption->rect.top(), headerTop[p] + 10 + 1);
        QCOMPARE(row->rect.top(), firstRowTop[p]);
        QCOMPARE(row->rect.left(), 10.0 + kCellPaddingMm);  // inside its left rule
    }
    // Framed captions become frames; the detail's left and bottom sides become lines.
    QCOMPARE(doc.pages[0].frames.size(), std::size_t(2));
    QCOMPARE(doc.pages[1].lines.size(), std::size_t(2 * 41));
}

void TestReportPagination::footerSitsAtTheBottomWithPageNumbers() {
    auto data = chargeRows(100);
    ReportLayout r;
    buildChargeLayout(r);
    r.bind(data.get());
    const ReportDocument doc = paginate(r);
    for (int p = 0; p < doc.pageCount(); ++p) {
        const QString expected = QStringLiteral("第 %1 页 / 共 3 页").arg(p + 1);
        const PageText* footer = findText(doc.pages[p], expected);
        QVERIFY2(footer, qPrintable(expected));
        QCOMPARE(footer->rect.top(), 277.0 + 2);
    }
}

void TestReportPagination::emptyResultCanPrintNothing() {
    auto data = chargeRows(0);
    ReportLayout r;
    buildChargeLayout(r);
    r.bind(data.get()).printIfEmpty(false);
    QCOMPARE(paginate(r).pageCount(), 0);
    ReportLayout unbound;
    buildChargeLayout(unbound);
    const ReportDocument doc = paginate(unbound);
    QCOMPARE(doc.pageCount(), 1);
    QVERIFY(orbista::test::pageTexts(doc.pages[0]).contains(QStringLiteral("0.00")));
}

void TestReportPagination::resultIsLeftAtItsEnd() {
    auto data = chargeRows(5);
    data->moveTo(2);
    ReportLayout r;
    buildChargeLayout(r);
    r.bind(data.get());
    paginate(r);
    QVERIFY(data->eof());
    QCOMPARE(data->currentRow(), 4);
}

void TestReportPagination::handlersReplaceTextsAsTheyPrint() {
    auto data = chargeRows(100);
    ReportLayout r;
    buildChargeLayout(r);
    r.bind(data.get());
    // Totals reformatted while printing, as the warehouse statistics do.
    r.item(QStringLiteral("total"))->onPrint([](QString& text) {
        text = orbista::Money::parse(text)->toString(2);
    });
    int detailCalls = 0;
    r.findBand(BandKind::Detail)->items().front()->onPrint([&](QString& text) {
        ++detailCalls;
        text.prepend(u'*');
    });
    const ReportDocument doc = paginate(r);
    QCOMPARE(detailCalls, 100);
    QVERIFY(orbista::test::pageTexts(doc.pages[2]).contains(QStringLiteral("50.50")));
    QVERIFY(orbista::test::pageTexts(doc.pages[2]).contains(QStringLiteral("*行100")));
}

void TestReportPagination::systemDataPrintsRowsAndMoments() {
    auto data = chargeRows(3);
    ReportLayout r;
    r.page(PageSize::Letter, Orientation::Landscape);
    r.band(BandKind::Detail, 6).system(SystemData::RowNumber, 0, 0, 20, 6);
    auto& summary = r.band(BandKind::Summary, 20);
    summary.system(SystemData::Date, 0, 0, 40, 6);
    summary.system(SystemData::Time, 40, 0, 40, 6);
    summary.system(SystemData::DateTime, 80, 0, 60, 6);
    summary.system(SystemData::PageNumber, 140, 0, 20, 6).caption(QStringLiteral("第%1页"));
    summary.system(SystemData::RowNumber, 160, 0, 20, 6);
    r.bind(data.get());
    PaginationOptions options;
    options.now = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9));
    const ReportDocument doc = paginate(r, options);
    QCOMPARE(doc.style->paperMm, QSizeF(279.4, 215.9));
    const QStringList expected = {
        "1", "2", "3", "2024-05-06", "07:08:09", "2024-05-06 07:08:09", "第1页", "3"};
    QCOMPARE(orbista::test::pageTexts(doc.pages[0]), expected);
}

void TestReportPagination::runtimeColumnsSitAtClassicPositions_data() {
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QList<int>>("captionX");
    QTest::newRow("one group") << QStringList{QStringLiteral("挂号费")} << QList<int>{39, 138, 338};
    QTest::newRow("three groups") << QStringList{"a", "b", "c"}
                                  << QList<int>{39, 138, 238, 338, 538};
}

void TestReportPagination::runtimeColumnsSitAtClassicPositions() {
    QFETCH(QStringList, groups);
    QFETCH(QList<int>, captionX);
    QStringList columns = {QStringLiteral("fydoctor")};
    QVariantList row = {QStringLiteral("内科")};
    for (int k = 1; k <= groups.size(); ++k) {
        columns << QStringLiteral("name%1").arg(k);
        row << 1234.5 * k;
    }
    columns << QStringLiteral("total");
    row << 0.0;
    auto data = ResultSet::fromRows(columns, {row});

    ReportLayout r;
    r.customPage(550, 297).margins(10);
    r.band(BandKind::Title, 20).label(QStringLiteral("qrtitle"), 0, 0, 200, 8);
    r.band(BandKind::ColumnHeader, pxToMm(31));
    r.band(BandKind::Detail, pxToMm(34));
    r.band(BandKind::Summary, pxToMm(35)).runtimeLabel(QStringLiteral("x"), 0, 0);
    r.findBand(BandKind::Summary)->removeRuntimeItems();
    r.findBand(BandKind::Summary)->text(QStringLiteral("合计:"), pxToMm(28), 0, 20, 6);
    r.bind(data.get());
    QCOMPARE(r.bandLeftPx(), 38);
    buildCrossTabColumns(r, {groups, QStringLiteral("fydoctor"), QStringLiteral("部门")});

    const ReportDocument doc = paginate(r);
    QCOMPARE(doc.pageCount(), 1);
    const Page& page = doc.pages[0];
    QStringList captions = {QStringLiteral("部门")};
    captions << groups << QStringLiteral("总计");
    for (int i = 0; i < captions.size(); ++i) {
        const PageText* t = findText(page, captions[i]);
        QVERIFY2(t, qPrintable(captions[i]));
        const int expectedX = i + 1 == captions.size() ? captionX.last() : captionX[i];
        QVERIFY(std::abs(pagePx(t->rect.left()) - expectedX) < 1e-9);
        // The column header starts under the 10 mm margin and the 20 mm title; items 10 below.
        QCOMPARE(std::lround(pagePx(t->rect.top() - 30)), 10L);
        QCOMPARE(doc.style->fonts[t->font].family, QStringLiteral("宋体"));
        QCOMPARE(doc.style->fonts[t->font].pointSize, 11.0);
    }
    // The first amount, its total below, and a zero total that prints blank under "#".
    const PageText* amount = findText(page, QStringLiteral("1,234.5"));
    QVERIFY(amount);
    QVERIFY(std::abs(pagePx(amount->rect.left()) - 138) < 1e-9);
    int amounts = 0;
    for (const PageText& t : page.texts) {
        amounts += t.text == QStringLiteral("1,234.5") ? 1 : 0;
    }
    QCOMPARE(amounts, 2);  // the detail field and its sum
    QVERIFY(findText(page, QStringLiteral("内科")));
}

void TestReportPagination::secondBuildShowsOnlyItsOwnColumns() {
    auto first = ResultSet::fromRows({"fydoctor", "name1", "total"}, {{"张三", 1.0, 1.0}});
    auto second =
        ResultSet::fromRows({"fydoctor", "name1", "name2", "total"}, {{"李四", 2.0, 3.0, 5.0}});
    ReportLayout r;
    r.customPage(550, 297);
    r.band(BandKind::Summary, 10).text(QStringLiteral("合计:"), 0, 0, 20, 6);
    buildCrossTabColumns(r, {{QStringLiteral("挂号费")}, "fydoctor", QStringLiteral("医生")});
    r.bind(first.get());
    QVERIFY(orbista::test::pageTexts(paginate(r).pages[0]).contains(QStringLiteral("挂号费")));

    buildCrossTabColumns(
        r,
        {{QStringLiteral("检查费"), QStringLiteral("药费")}, "fydoctor", QStringLiteral("医生")});
    r.bind(second.get());
    const QStringList texts = orbista::test::pageTexts(paginate(r).pages[0]);
    QVERIFY(!texts.contains(QStringLiteral("挂号费")));
    QCOMPARE(texts.count(QStringLiteral("医生")), 1);
    QVERIFY(texts.contains(QStringLiteral("检查费")));
    QVERIFY(texts.contains(QStringLiteral("药费")));
    QVERIFY(texts.contains(QStringLiteral("合计:")));  // the layout's own items stay
    QCOMPARE(r.findBand(BandKind::Detail)->items().size(), std::size_t(4));
}

void TestReportPagination::missingAmountColumnFailsThePreview() {
    auto data = ResultSet::fromRows({"fydoctor", "name1", "total"}, {{"张三", 1.0, 1.0}});
    ReportLayout r;
    buildCrossTabColumns(r, {{"a", "b"}, "fydoctor", QStringLiteral("部门")});
    r.bind(data.get());
    QVERIFY_THROWS_EXCEPTION(ReportError, paginate(r));
}

void TestReportPagination::hundredThousandRowsPaginate() {
    // Speed is measured by bench/report_bench; here the long run's pages and exact total.
    auto data = chargeRows(100000);
    ReportLayout r;
    buildChargeLayout(r);
    r.bind(data.get());
    const ReportDocument doc = paginate(r);
    // 38 + 41 per page after: 2439 pages, the last with 35 rows and the summary.
    QCOMPARE(doc.pageCount(), 2440);
    QVERIFY(orbista::test::pageTexts(doc.pages.back()).contains(QStringLiteral("50,000,500.00")));
}

QTEST_MAIN(TestReportPagination)
#include "tst_report_pagination.moc"
