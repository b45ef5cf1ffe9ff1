#include "Unitmz_yrqd_reports.h"

#include "Unitmz_yrqd_sql.h"
#include "reportkit.h"

namespace orbista::onedaylist {

using namespace report;

namespace {

const QString kListName = QStringLiteral("门诊收费一日清单");
const QString kAmountMask = QStringLiteral("0.00");

// The line number goes into the first cell, which has no field of its own.
const std::vector<TableColumn>& listColumns() {
    static const std::vector<TableColumn> columns{
        {QStringLiteral("编号"), {}, 15},
        {QStringLiteral("费用科室"), QStringLiteral("fydepa"), 30},
        {QStringLiteral("费用单号"), QStringLiteral("code"), 35},
        {QStringLiteral("费用医生"), QStringLiteral("fydoctor"), 30},
        {QStringLiteral("费用名称 "), QStringLiteral("fyname"), 50},
        {QStringLiteral("单价"), QStringLiteral("fyprice"), 30, kAmountMask, false,
         Qt::AlignRight}};
    return columns;
}

}  // namespace

void buildOneDayList(ReportLayout& r) {
    r.customPage(210, 297).margins(10).title(kListName);
    Band& title = r.band(BandKind::Title, 24);
    title.text(kListName, 0, 2, 190, 9)
        .font(QStringLiteral("宋体"), kReportTitlePoints, true)
        .alignCenter();
    title.text(QStringLiteral("统计时间"), 0, 15, 18, 6);
    title.label(QStringLiteral("qrstart"), 18, 15, 40, 6);
    title.text(QStringLiteral("打印时间"), 120, 15, 18, 6);
    title.system(SystemData::Date, 138, 15, 40, 6);
    captionRow(r.band(BandKind::ColumnHeader, 8), listColumns(), 0, 0, 8);
    Band& detail = r.band(BandKind::Detail, 7);
    detailRow(detail, listColumns(), 0, 7);
    detail.system(SystemData::RowNumber, 1, 0, 13, 7);
    Band& summary = r.band(BandKind::Summary, 9);
    summary.text(QStringLiteral("合计:"), 120, 1, 30, 7).alignRight();
    summary.expression(QStringLiteral("SUM(ado_cost.fyprice)"), 160, 1, 30, 7)
        .name(QStringLiteral("sum_fyprice"))
        .mask(kAmountMask)
        .alignRight();
}

void fillOneDayList(ReportLayout& r, const QString& day) {
    r.setCaption(QStringLiteral("qrstart"), day);
}

QList<Printout> printouts() {
    return {{QStringLiteral("QuickRep1"), periodFilters(), [](Database& db, const FilterValues& v) {
                 const QString day = v.value(QStringLiteral("start"));
                 auto job = std::make_unique<PrintJob>();
                 buildOneDayList(job->layout());
                 if (job->bind(db.query(takings(day))).isEmpty()) {
                     job->refuse(QStringLiteral("当日无费用!"));
                 }
                 fillOneDayList(job->layout(), day);
                 return job;
             }}};
}

}  // namespace orbista::onedaylist
