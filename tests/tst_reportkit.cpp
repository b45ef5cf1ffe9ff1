// Printouts laid out with the report kit, paginated over charges read from a real SQLite
// file: the filled title, period and maker lines, the ruled table and its exact sums; and the
// room a framed cell keeps between its rules and its text.
#include "database.h"
#include "paginator.h"
#include "reportkit.h"
#include "reportlayout.h"
#include "testsupport.h"

#include <QTest>

using namespace orbista;
using namespace orbista::report;

namespace {

const QString kHospital = QStringLiteral("测试县人民医院");
const QString kReportName = QStringLiteral("门诊医生收入明细表");

void fillCharges(Database& db) {
    const char* const charges[][5] = {
        {"M1", "2026-03-01 08:00:00", "西药费", "0.10", "李四"},
        {"M2", "2026-03-01 23:59:59", "检查费", "0.20", "李四"},
        {"M3", "2026-03-02 09:00:00", "化验费", "1234.50", "王建国"},
    };
    for (const auto& c : charges) {
        db.append(QStringLiteral("mz_cost"), {"code", "fydate", "fyname", "fyprice", "fydoctor"},
                  {c[0], c[1], c[2], c[3], c[4]});
    }
}

const PageText* findText(const Page& page, const QString& text) {
    for (const PageText& t : page.texts) {
        if (t.text == text) {
            return &t;
        }
    }
    return nullptr;
}

}  // namespace

class TestReportKit : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup() { db_.reset(); }
    void kitLayoutPrintsFilledTable();
    void framedTextKeepsClearOfItsRules_data();
    void framedTextKeepsClearOfItsRules();

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
};

void TestReportKit::init() {
    db_ = test::freshDatabase(dir_);
    fillCharges(*db_);
}

void TestReportKit::kitLayoutPrintsFilledTable() {
    const std::vector<TableColumn> columns = {
        {QStringLiteral("医生名称"), QStringLiteral("fydoctor"), 30},
        {QStringLiteral("费用发生日期"), QStringLiteral("fydate"), 35,
         QStringLiteral("yyyy-mm-dd")},
        {QStringLiteral("费用名称"), QStringLiteral("fyname"), 45},
        {QStringLiteral("备注"), QString(), 25},
        {QStringLiteral("费用金额（￥）"), QStringLiteral("fyprice"), 35, kMoneyMask, true,
         Qt::AlignRight, QStringLiteral("price")},
    };
    QCOMPARE(tableWidth(columns), 170.0);

    ReportLayout r;
    r.page(PageSize::A4).margins(10);
    Band& header = r.band(BandKind::ColumnHeader, 32);
    titleLine(header, QStringLiteral("cap1"), kReportName);
    periodLine(header, QStringLiteral("日期："), QStringLiteral("djdate"), 10, 13);
    makerLine(header, QStringLiteral("djy"), 130, 13);
    captionRow(header, columns, 10, 22, 9);
    detailRow(r.band(BandKind::Detail, 8), columns, 10, 8);
    Band& summary = r.band(BandKind::Summary, 10);
    summary.text(QStringLiteral("合计："), 100, 2, 30, 7);
    summaryRow(summary, columns, 10, 2, 7);

    // Before filling, the title reads as the bare report name.
    QCOMPARE(r.item(QStringLiteral("cap1"))->captionText(), kReportName);

    const PrintContext context{kHospital, QStringLiteral("钱会计"), QStringLiteral("2026-03-01"),
                               QStringLiteral("2026-03-02")};
    fillTitle(r, QStringLiteral("cap1"), context.hospitalName, kReportName);
    fillPeriod(r, QStringLiteral("djdate"), context, QStringLiteral("----"));
    fillMaker(r, QStringLiteral("djy"), context);

    auto rows = db_->query(
        QStringLiteral("select fydoctor, fydate, fyname, fyprice from mz_cost order by code"));
    r.bind(rows.get());
    const ReportDocument doc = paginate(r);
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(doc.title, kHospital + kReportName);
    const QStringList expected = {
        kHospital + kReportName,
        QStringLiteral("日期："),
        QStringLiteral("2026-03-01----2026-03-02"),
        QStringLiteral("制表人："),
        QStringLiteral("钱会计"),
        QStringLiteral("医生名称"),
        QStringLiteral("费用发生日期"),
        QStringLiteral("费用名称"),
        QStringLiteral("备注"),
        QStringLiteral("费用金额（￥）"),
        QStringLiteral("李四"),
        QStringLiteral("2026-03-01"),
        QStringLiteral("西药费"),
        QStringLiteral("0.10"),
        QStringLiteral("李四"),
        QStringLiteral("2026-03-01"),
        QStringLiteral("检查费"),
        QStringLiteral("0.20"),
        QStringLiteral("王建国"),
        QStringLiteral("2026-03-02"),
        QStringLiteral("化验费"),
        QStringLiteral("1,234.50"),
        QStringLiteral("合计："),
        QStringLiteral("1,234.80"),
    };
    const Page& page = doc.pages[0];
    QCOMPARE(test::pageTexts(page), expected);
    // Every caption and every detail cell, the blank remarks column included, is ruled.
    QCOMPARE(page.frames.size(), columns.size() * 4);

    // The total sits under the amount column, named for its field, right-aligned.
    QVERIFY(r.item(QStringLiteral("sum_fyprice")));
    QVERIFY(r.item(QStringLiteral("price")));
    const PageText* total = findText(page, QStringLiteral("1,234.80"));
    QVERIFY(total);
    QCOMPARE(total->rect, QRectF(10 + 10 + 135, 10 + 32 + 3 * 8 + 2, 35, 7));
    QVERIFY(total->alignment & Qt::AlignRight);
    // Amounts end, and names start, inside their rules.
    const PageText* amount = findText(page, QStringLiteral("1,234.50"));
    QVERIFY(amount);
    QCOMPARE(amount->rect.right(), 10 + 10 + 170 - kCellPaddingMm);
    QVERIFY(amount->alignment & Qt::AlignRight);
    QCOMPARE(findText(page, QStringLiteral("王建国"))->rect.left(), 10 + 10 + kCellPaddingMm);

    // Whole cents add up exactly: 0.10 + 0.20 is 0.30, not a float's 0.30000000000000004.
    auto cents =
        db_->query(QStringLiteral("select fydoctor, fydate, fyname, fyprice from mz_cost where "
                                  "code in ('M1', 'M2') order by code"));
    r.bind(cents.get());
    QVERIFY(test::reportTexts(r).endsWith(QStringLiteral("0.30")));
}

void TestReportKit::framedTextKeepsClearOfItsRules_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("sides");
    QTest::addColumn<double>("leftInset");
    QTest::addColumn<double>("rightInset");
    const int left = Qt::AlignLeft;
    const int right = Qt::AlignRight;
    const int centre = Qt::AlignHCenter;
    const int all = Sides(Side::All).toInt();
    const double pad = kCellPaddingMm;
    QTest::newRow("name in a ruled cell") << left << all << pad << pad;
    QTest::newRow("amount in a ruled cell") << right << all << pad << pad;
    QTest::newRow("centred caption") << centre << all << 0.0 << 0.0;
    QTest::newRow("unframed name") << left << 0 << 0.0 << 0.0;
    QTest::newRow("unframed amount") << right << 0 << 0.0 << 0.0;
    QTest::newRow("amount ruled on the right only")
        << right << Sides(Side::Right | Side::Bottom).toInt() << 0.0 << pad;
    QTest::newRow("name ruled on the left only")
        << left << Sides(Side::Left | Side::Bottom).toInt() << pad << 0.0;
}

void TestReportKit::framedTextKeepsClearOfItsRules() {
    QFETCH(int, alignment);
    QFETCH(int, sides);
    QFETCH(double, leftInset);
    QFETCH(double, rightInset);
    ReportLayout r;
    r.page(PageSize::A4).margins(10);
    r.band(BandKind::Title, 20)
        .text(QStringLiteral("1,234.50"), 20, 4, 40, 8)
        .frame(Sides::fromInt(sides))
        .align(Qt::Alignment::fromInt(alignment));
    const ReportDocument doc = paginate(r);
    const Page& page = doc.pages[0];
    QCOMPARE(page.texts.size(), std::size_t(1));
    const QRectF cell(30, 14, 40, 8);  // the item's place on the page
    const QRectF text = page.texts[0].rect;
    QCOMPARE(text.left(), cell.left() + leftInset);
    QCOMPARE(text.right(), cell.right() - rightInset);
    QCOMPARE(text.top(), cell.top());
    QCOMPARE(text.bottom(), cell.bottom());

    // The rules themselves stay on the cell's edges.
    if (sides == Sides(Side::All).toInt()) {
        QCOMPARE(page.frames.size(), std::size_t(1));
        QCOMPARE(page.frames[0].rect, cell);
    }
    for (const PageLine& rule : page.lines) {
        if (rule.line.dx() == 0) {
            QVERIFY(rule.line.x1() == cell.left() || rule.line.x1() == cell.right());
        }
    }
}

QTEST_MAIN(TestReportKit)
#include "tst_reportkit.moc"
