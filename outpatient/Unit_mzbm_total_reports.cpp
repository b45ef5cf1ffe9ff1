#include "Unit_mzbm_total_reports.h"

#include "report.h"
#include "resultset.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace orbista::feecrosstab {

using namespace report;

namespace {

constexpr double kMarginMm = 10;
// Room for the "总计" column, the last one: as wide as a fee column.
constexpr int kLastColumnPx = crosstab::kGroupStep;

}  // namespace

double pageWidthMm(int feeNames) {
    // Run-time columns count from the band's left edge, the margin in whole report pixels.
    const double bandLeftPx = std::round(mmToPx(kMarginMm));
    const double rightEdgePx =
        bandLeftPx + crosstab::kGroupStep * feeNames + crosstab::kTotalAfterGroups + kLastColumnPx;
    return std::max(kClassicPageWidthMm, pxToMm(rightEdgePx) + kMarginMm);
}

QString reportName(By by) {
    return by == By::Department ? QStringLiteral("门诊费用科室分类")
                                : QStringLiteral("门诊费用医生分类");
}

void buildReport(ReportLayout& r) {
    r.customPage(kClassicPageWidthMm, kPageHeightMm).margins(kMarginMm);
    Band& title = r.band(BandKind::Title, 22);
    title.label(QStringLiteral("qrtitle"), 0, 2, 530, 9)
        .font(QStringLiteral("宋体"), 14)
        .alignCenter();
    title.text(QStringLiteral("统计日期:"), 150, 13, 22, 6);
    title.label(QStringLiteral("qrstart"), 172, 13, 26, 6);
    title.text(QStringLiteral("------------------------------------------"), 198, 13, 80, 6);
    title.label(QStringLiteral("qrend"), 280, 13, 26, 6);
    makerLine(title, QStringLiteral("qrman"), 420, 13, QStringLiteral("制表人:"));
    r.band(BandKind::ColumnHeader, pxToMm(31));
    r.band(BandKind::Detail, pxToMm(34));
    r.band(BandKind::Summary, pxToMm(35))
        .text(QStringLiteral("合计:"), pxToMm(28), pxToMm(crosstab::kTop), 20, 6)
        .font(crosstab::kFontFamily, crosstab::kFontSize);
}

void fillReport(ReportLayout& r, By by, const PrintTexts& t, const QStringList& feeNames) {
    fillTitle(r, QStringLiteral("qrtitle"), t.hospitalName, reportName(by));
    r.setCaption(QStringLiteral("qrstart"), t.startDay);
    r.setCaption(QStringLiteral("qrend"), t.endDay);
    fillMaker(r, QStringLiteral("qrman"), t);
    buildCrossTabColumns(r,
                         {feeNames, QStringLiteral("fydoctor"),
                          by == By::Department ? QStringLiteral("部门") : QStringLiteral("医生")});
    r.customPage(pageWidthMm(static_cast<int>(feeNames.size())), kPageHeightMm);
}

void checkAmountColumns(const ResultSet& rows, const QStringList& feeNames) {
    static const QRegularExpression amount(QStringLiteral("^name\\d+$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto columns = rows.columnNames().filter(amount).size();
    if (columns != feeNames.size()) {
        throw ReportError(
            QStringLiteral("费用名称%1个，统计结果%2列").arg(feeNames.size()).arg(columns));
    }
}

void prepareReport(Database& db, ReportLayout& layout, By by, const PrintContext& context,
                   const ResultSet& rows) {
    const QStringList names = feeNames(db, context.startDay, context.endDay);
    checkAmountColumns(rows, names);
    fillReport(layout, by, context, names);
}

QList<Printout> printouts(By by) {
    return {
        {QStringLiteral("QuickRep1"), periodFilters(), [by](Database& db, const FilterValues& v) {
             const PrintContext context = sessionPrintContext(v.value(QStringLiteral("start")),
                                                              v.value(QStringLiteral("end")));
             auto job = std::make_unique<PrintJob>();
             buildReport(job->layout());
             ResultSet& rows = job->bind(callProcedure(db, by, context.startDay, context.endDay));
             if (rows.isEmpty()) {
                 job->refuse(QStringLiteral("时间段内无费用发生!"));
                 return job;
             }
             prepareReport(db, job->layout(), by, context, rows);
             return job;
         }}};
}

}  // namespace orbista::feecrosstab
