#include "Unitmz_query_cost_doctor_reports.h"

#include "Unitmz_query_cost_doctor_sql.h"
#include "reportlayout.h"

namespace orbista::doctorincome {

using namespace report;

namespace {

const QString kChargeTable = QStringLiteral("门诊医生收入明细表");
const QString kDoctorSummary = QStringLiteral("医生费用汇总表");
const QString kNoCharges = QStringLiteral("没有该医生费用信息！");

const std::vector<TableColumn>& chargeColumns() {
    static const std::vector<TableColumn> columns{
        {QStringLiteral("医生名称"), QStringLiteral("fydoctor"), 30},
        {QStringLiteral("费用发生科室"), QStringLiteral("fydepa"), 35},
        {QStringLiteral("费用发生日期"), QStringLiteral("fydate"), 35,
         QStringLiteral("yyyy-mm-dd")},
        {QStringLiteral("费用名称"), QStringLiteral("fyname"), 55},
        {QStringLiteral("费用金额（￥）"), QStringLiteral("fyprice"), 35, kMoneyMask, true,
         Qt::AlignRight}};
    return columns;
}

const std::vector<TableColumn>& doctorColumns() {
    static const std::vector<TableColumn> columns{
        {QStringLiteral("医生名称"), QStringLiteral("fydoctor"), 40},
        {QStringLiteral("费用发生科室"), QStringLiteral("fydepa"), 40},
        {QStringLiteral("该医生收入费用"), QStringLiteral("doctorsum"), 45, kMoneyMask, false,
         Qt::AlignRight, QStringLiteral("qb_price")}};
    return columns;
}

}  // namespace

void buildChargeTable(ReportLayout& r) {
    r.page(PageSize::A4).margins(10).title(kChargeTable);
    Band& header = r.band(BandKind::ColumnHeader, 32);
    titleLine(header, QStringLiteral("cap1"), kChargeTable);
    periodLine(header, QStringLiteral("日期："), QStringLiteral("djdate"), 0, 13);
    makerLine(header, QStringLiteral("djy"), 130, 13);
    captionRow(header, chargeColumns(), 0, 22, 9);
    detailRow(r.band(BandKind::Detail, 8), chargeColumns(), 0, 8);
    Band& summary = r.band(BandKind::Summary, 10);
    summary.text(QStringLiteral("合计："), 125, 2, 30, 7);
    summaryRow(summary, chargeColumns(), 0, 2, 7);
}

void fillChargeTable(ReportLayout& r, const PrintTexts& t) {
    fillTitle(r, QStringLiteral("cap1"), t.hospitalName, kChargeTable);
    fillPeriod(r, QStringLiteral("djdate"), t, QStringLiteral("----"));
    fillMaker(r, QStringLiteral("djy"), t);
}

void buildDoctorSummary(ReportLayout& r) {
    r.customPage(210, 297).margins(10).title(kDoctorSummary);
    Band& header = r.band(BandKind::PageHeader, 31);
    titleLine(header, QStringLiteral("cap2"), kDoctorSummary);
    header.text(QStringLiteral("所属门诊部："), 0, 13, 28, 6);
    header.label(QStringLiteral("depa"), 28, 13, 40, 6);
    captionRow(header, doctorColumns(), 0, 21, 9);
    // The period column repeats one label on every line rather than a field.
    header.text(QStringLiteral("费用发生日期："), 125, 21, 65, 9).frame(Side::All).alignCenter();
    Band& detail = r.band(BandKind::Detail, 8);
    detailRow(detail, doctorColumns(), 0, 8);
    detail.label(QStringLiteral("date"), 125, 0, 65, 8).frame(Side::All).alignCenter();

    Band& summary = r.band(BandKind::Summary, 18);
    summary.text(QStringLiteral("费用汇总："), 55, 2, 25, 7);
    summary.label(QStringLiteral("fy_sum"), 80, 2, 45, 7).alignRight();
    makerLine(summary, QStringLiteral("zby"), 0, 10);
}

void fillSummaryTexts(ReportLayout& r, const PrintTexts& t, const QString& rangeTotal) {
    r.setCaption(QStringLiteral("depa"), QStringLiteral("门诊部"));
    fillPeriod(r, QStringLiteral("date"), t, QStringLiteral("-"));
    r.setCaption(QStringLiteral("fy_sum"), QStringLiteral("￥") + rangeTotal);
    fillMaker(r, QStringLiteral("zby"), t);
}

void fillSummaryTitle(ReportLayout& r, const PrintTexts& t) {
    fillTitle(r, QStringLiteral("cap2"), t.hospitalName, kDoctorSummary);
}

QString rangeTotalText(Database& db, const QString& startDay, const QString& endDay) {
    auto sum = db.query(rangeTotal(startDay, endDay));
    // No charges in the range: the sum is NULL and the total line shows "￥" alone.
    return sum->isEmpty() || sum->isNull(0, 0) ? QString() : sum->money(0, 0).toString(2);
}

QList<Printout> printouts() {
    const QString start = QStringLiteral("start");
    const QString end = QStringLiteral("end");
    return {
        {QStringLiteral("QuickRep2"),
         periodFilters() + QList<FilterSpec>{{QStringLiteral("doctor"),
                                              QStringLiteral("医生姓名；空为全部医生")}},
         [=](Database& db, const FilterValues& v) {
             auto job = std::make_unique<PrintJob>();
             buildChargeTable(job->layout());
             if (job->bind(db.query(charges(v.value(QStringLiteral("doctor")), v.value(start),
                                            v.value(end))))
                     .isEmpty()) {
                 job->refuse(kNoCharges);
             }
             fillChargeTable(job->layout(), sessionPrintContext(v.value(start), v.value(end)));
             return job;
         }},
        {QStringLiteral("QuickRep1"), periodFilters(), [=](Database& db, const FilterValues& v) {
             auto job = std::make_unique<PrintJob>();
             buildDoctorSummary(job->layout());
             if (job->bind(db.query(summary(v.value(start), v.value(end)))).isEmpty()) {
                 job->refuse(kNoCharges);  // the screen offers no print then
             }
             const PrintTexts texts = sessionPrintContext(v.value(start), v.value(end));
             fillSummaryTexts(job->layout(), texts,
                              rangeTotalText(db, v.value(start), v.value(end)));
             fillSummaryTitle(job->layout(), texts);
             return job;
         }}};
}

}  // namespace orbista::doctorincome
