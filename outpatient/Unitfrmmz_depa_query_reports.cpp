#include "Unitfrmmz_depa_query_reports.h"

#include "database.h"
#include "reportlayout.h"

namespace orbista::feestatistics {

using namespace report;

namespace {

const QString kNoCharges = QStringLiteral("没有收费明细!");

// What the department and doctor printouts word differently.
struct Wording {
    QString chargeTitle;
    QString totalsTitle;
    QString scopeCaption;
    QString secondCaption;  // the charge list's second column
    QString secondField;
    QString separator;  // between the two days of the period
};

const Wording& wordingOf(By by) {
    static const Wording department{
        QStringLiteral("门诊科室收费明细"), QStringLiteral("门诊部门分类统计"),
        QStringLiteral("统计科室"),         QStringLiteral("费用科室"),
        QStringLiteral("fydepa"),           QStringLiteral("----")};
    static const Wording doctor{
        QStringLiteral("门诊医生收费明细"), QStringLiteral("门诊医生分类统计"),
        QStringLiteral("统计医生"),         QStringLiteral("费用医生"),
        QStringLiteral("fydoctor"),         QStringLiteral("---")};
    return by == By::Department ? department : doctor;
}

constexpr double kNumberWidthMm = 14;
constexpr double kRowMm = 7;

// Title, scope and period lines; the scope and period labels are named as the screen knows
// them.
void titleBand(ReportLayout& r, const QString& title, const QString& scopeCaption,
               const QString& scopeLabel, const QString& periodLabel) {
    Band& band = r.band(BandKind::Title, 24);
    band.text(title, 0, 2, 190, 9)
        .font(QStringLiteral("宋体"), kReportTitlePoints, true)
        .alignCenter();
    band.text(scopeCaption, 0, 14, 20, 6);
    band.label(scopeLabel, 20, 14, 60, 6);
    band.text(QStringLiteral("统计时间"), 95, 14, 20, 6);
    band.label(periodLabel, 115, 14, 75, 6);
}

// The numbered table: "编号" with the running line number, then `columns`; a summary line
// "合计:" with `sumExpression`.
void numberedTable(ReportLayout& r, const std::vector<TableColumn>& columns,
                   const QString& sumExpression) {
    const std::vector<TableColumn> numbered = [&] {
        std::vector<TableColumn> all{{QStringLiteral("编号"), {}, kNumberWidthMm}};
        all.insert(all.end(), columns.begin(), columns.end());
        return all;
    }();
    captionRow(r.band(BandKind::ColumnHeader, kRowMm + 1), numbered, 0, 0, kRowMm);
    Band& detail = r.band(BandKind::Detail, kRowMm);
    detailRow(detail, numbered, 0, kRowMm);
    detail.system(SystemData::RowNumber, 1, 1, kNumberWidthMm - 2, kRowMm - 2);
    Band& summary = r.band(BandKind::Summary, 10);
    const double width = tableWidth(numbered);
    summary.text(QStringLiteral("合计:"), width - 75, 2, 15, 7);
    summary.expression(sumExpression, width - 60, 2, 60, 7)
        .name(QStringLiteral("sum"))
        .alignRight();
}

void fill(ReportLayout& r, const QString& scopeLabel, const QString& periodLabel,
          const QString& scope, const PrintContext& period, const QString& separator) {
    r.setCaption(scopeLabel, scope);
    r.setCaption(periodLabel, period.startDay + separator + period.endDay);
}

}  // namespace

QString everyone(By by) {
    return by == By::Department ? QStringLiteral("全部科室") : QStringLiteral("全部医生");
}

QString scopeOf(By by, const QString& name) {
    return name.isEmpty() ? everyone(by) : name;
}

void buildChargeList(ReportLayout& r, By by) {
    const Wording& w = wordingOf(by);
    r.customPage(210, 297).margins(10).title(w.chargeTitle);
    titleBand(r, w.chargeTitle, w.scopeCaption, QStringLiteral("qrdepa"),
              QStringLiteral("qrstart"));
    numberedTable(
        r,
        {{w.secondCaption, w.secondField, 26},
         {QStringLiteral("费用单号"), QStringLiteral("code"), 30},
         {QStringLiteral("费用日期"), QStringLiteral("fydate"), 28, QStringLiteral("yyyy-mm-dd")},
         {QStringLiteral("费用名称 "), QStringLiteral("fyname"), 60},
         {QStringLiteral("单价"), QStringLiteral("fyprice"), 32, QStringLiteral("0.00"), false,
          Qt::AlignRight}},
        QStringLiteral("formatnumeric('###,###,##0.00',SUM(ado_cost.fyprice))"));
}

void fillChargeList(ReportLayout& r, By by, const QString& scope, const PrintContext& period) {
    fill(r, QStringLiteral("qrdepa"), QStringLiteral("qrstart"), scope, period,
         wordingOf(by).separator);
}

void buildFeeTotals(ReportLayout& r, By by) {
    const Wording& w = wordingOf(by);
    r.customPage(210, 297).margins(10).title(w.totalsTitle);
    titleBand(r, w.totalsTitle, w.scopeCaption, QStringLiteral("qrdepa1"),
              QStringLiteral("qrstart1"));
    numberedTable(r,
                  {{QStringLiteral("费用名"), QStringLiteral("fyname"), 90},
                   {QStringLiteral("金额"), QStringLiteral("total"), 50, QStringLiteral("0.00"),
                    false, Qt::AlignRight}},
                  QStringLiteral("formatnumeric('###,###,##0.00',sum(ado_tj.total))"));
}

void fillFeeTotals(ReportLayout& r, By by, const QString& scope, const PrintContext& period) {
    fill(r, QStringLiteral("qrdepa1"), QStringLiteral("qrstart1"), scope, period,
         wordingOf(by).separator);
}

QList<Printout> printouts(By by) {
    const QString nameFilter =
        by == By::Department ? QStringLiteral("depa") : QStringLiteral("doctor");
    const QList<FilterSpec> filters =
        periodFilters() +
        QList<FilterSpec>{{nameFilter, by == By::Department
                                           ? QStringLiteral("科室名称（前缀）；空为全部科室")
                                           : QStringLiteral("医生姓名（前缀）；空为全部医生")}};
    auto job = [by, nameFilter](Database& db, const FilterValues& v, bool totals) {
        const QString name = v.value(nameFilter);
        const PrintContext period =
            sessionPrintContext(v.value(QStringLiteral("start")), v.value(QStringLiteral("end")));
        auto print = std::make_unique<PrintJob>();
        if (totals) {
            buildFeeTotals(print->layout(), by);
            fillFeeTotals(print->layout(), by, scopeOf(by, name), period);
        } else {
            buildChargeList(print->layout(), by);
            fillChargeList(print->layout(), by, scopeOf(by, name), period);
        }
        const Statement rows = totals ? feeTotals(by, name, period.startDay, period.endDay)
                                      : chargeList(by, name, period.startDay, period.endDay);
        if (print->bind(db.query(rows)).isEmpty()) {
            print->refuse(kNoCharges);
        }
        return print;
    };
    return {{QStringLiteral("QuickRep1"), filters,
             [job](Database& db, const FilterValues& v) { return job(db, v, false); }},
            {QStringLiteral("QuickRep2"), filters,
             [job](Database& db, const FilterValues& v) { return job(db, v, true); }}};
}

}  // namespace orbista::feestatistics
