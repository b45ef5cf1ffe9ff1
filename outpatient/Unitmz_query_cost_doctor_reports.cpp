#include "Unitmz_query_cost_doctor_reports.h"

#include "Unitmz_query_cost_doctor_sql.h"
#include "reportlayout.h"

namespace orbista::doctorincome {

using namespace report;

namespace {

const QString kAmountMask = QStringLiteral("###,###,##0.00");
constexpr double kTitlePoints = 14;

// A framed caption cell of a column header row.
void captionCell(Band& band, const QString& caption, double x, double y, double w, double h) {
    band.text(caption, x, y, w, h).frame(Side::All).alignCenter();
}

}  // namespace

void buildChargeTable(ReportLayout& r) {
    r.page(PageSize::A4).margins(10).title(QStringLiteral("门诊医生收入明细表"));

    Band& header = r.band(BandKind::ColumnHeader, 32);
    header.label(QStringLiteral("cap1"), 0, 2, 190, 9)
        .caption(QStringLiteral("门诊医生收入明细表"))
        .font(QStringLiteral("宋体"), kTitlePoints, true)
        .alignCenter();
    header.text(QStringLiteral("日期："), 0, 13, 14, 6);
    header.label(QStringLiteral("djdate"), 14, 13, 70, 6);
    header.text(QStringLiteral("制表人："), 130, 13, 18, 6);
    header.label(QStringLiteral("djy"), 148, 13, 42, 6);
    captionCell(header, QStringLiteral("医生名称"), 0, 22, 30, 9);
    captionCell(header, QStringLiteral("费用发生科室"), 30, 22, 35, 9);
    captionCell(header, QStringLiteral("费用发生日期"), 65, 22, 35, 9);
    captionCell(header, QStringLiteral("费用名称"), 100, 22, 55, 9);
    captionCell(header, QStringLiteral("费用金额（￥）"), 155, 22, 35, 9);

    Band& detail = r.band(BandKind::Detail, 8);
    detail.field(QStringLiteral("fydoctor"), 0, 0, 30, 8).frame(Side::All);
    detail.field(QStringLiteral("fydepa"), 30, 0, 35, 8).frame(Side::All);
    detail.field(QStringLiteral("fydate"), 65, 0, 35, 8)
        .mask(QStringLiteral("yyyy-mm-dd"))
        .frame(Side::All);
    detail.field(QStringLiteral("fyname"), 100, 0, 55, 8).frame(Side::All);
    detail.field(QStringLiteral("fyprice"), 155, 0, 35, 8)
        .mask(kAmountMask)
        .alignRight()
        .frame(Side::All);

    Band& summary = r.band(BandKind::Summary, 10);
    summary.text(QStringLiteral("合计："), 125, 2, 30, 7);
    summary.expression(QStringLiteral("sum(fyprice)"), 155, 2, 35, 7)
        .name(QStringLiteral("total"))
        .mask(kAmountMask)
        .alignRight();
}

void fillChargeTable(ReportLayout& r, const PrintTexts& t) {
    const QString title = t.hospitalName + QStringLiteral("门诊医生收入明细表");
    r.title(title);
    r.setCaption(QStringLiteral("cap1"), title);
    r.setCaption(QStringLiteral("djdate"), t.startDay + QStringLiteral("----") + t.endDay);
    r.setCaption(QStringLiteral("djy"), t.operatorName);
}

void buildDoctorSummary(ReportLayout& r) {
    r.customPage(210, 297).margins(10).title(QStringLiteral("医生费用汇总表"));

    Band& header = r.band(BandKind::PageHeader, 31);
    header.label(QStringLiteral("cap2"), 0, 2, 190, 9)
        .caption(QStringLiteral("医生费用汇总表"))
        .font(QStringLiteral("宋体"), kTitlePoints, true)
        .alignCenter();
    header.text(QStringLiteral("所属门诊部："), 0, 13, 28, 6);
    header.label(QStringLiteral("depa"), 28, 13, 40, 6);
    captionCell(header, QStringLiteral("医生名称"), 0, 21, 40, 9);
    captionCell(header, QStringLiteral("费用发生科室"), 40, 21, 40, 9);
    captionCell(header, QStringLiteral("该医生收入费用"), 80, 21, 45, 9);
    captionCell(header, QStringLiteral("费用发生日期："), 125, 21, 65, 9);

    Band& detail = r.band(BandKind::Detail, 8);
    detail.field(QStringLiteral("fydoctor"), 0, 0, 40, 8).frame(Side::All);
    detail.field(QStringLiteral("fydepa"), 40, 0, 40, 8).frame(Side::All);
    detail.field(QStringLiteral("doctorsum"), 80, 0, 45, 8)
        .name(QStringLiteral("qb_price"))
        .mask(kAmountMask)
        .alignRight()
        .frame(Side::All);
    detail.label(QStringLiteral("date"), 125, 0, 65, 8).frame(Side::All).alignCenter();

    Band& summary = r.band(BandKind::Summary, 18);
    summary.text(QStringLiteral("费用汇总："), 55, 2, 25, 7);
    summary.label(QStringLiteral("fy_sum"), 80, 2, 45, 7).alignRight();
    summary.text(QStringLiteral("制表人："), 0, 10, 18, 6);
    summary.label(QStringLiteral("zby"), 18, 10, 60, 6);
}

void fillSummaryTexts(ReportLayout& r, const PrintTexts& t, const QString& rangeTotal) {
    r.setCaption(QStringLiteral("depa"), QStringLiteral("门诊部"));
    r.setCaption(QStringLiteral("date"), t.startDay + QStringLiteral("-") + t.endDay);
    r.setCaption(QStringLiteral("fy_sum"), QStringLiteral("￥") + rangeTotal);
    r.setCaption(QStringLiteral("zby"), t.operatorName);
}

void fillSummaryTitle(ReportLayout& r, const PrintTexts& t) {
    const QString title = t.hospitalName + QStringLiteral("医生费用汇总表");
    r.title(title);
    r.setCaption(QStringLiteral("cap2"), title);
}

QString rangeTotalText(Database& db, const QString& startDay, const QString& endDay) {
    auto sum = db.query(rangeTotal(startDay, endDay));
    // No charges in the range: the sum is NULL and the total line shows "￥" alone.
    return sum->isEmpty() || sum->isNull(0, 0) ? QString() : sum->money(0, 0).toString(2);
}

QList<Printout> printouts() {
    const QString start = QStringLiteral("start");
    const QString end = QStringLiteral("end");
    return {{QStringLiteral("QuickRep2"),
             {start, end, QStringLiteral("doctor")},
             [=](Database& db, const FilterValues& v) {
                 auto job = std::make_unique<PrintJob>();
                 buildChargeTable(job->layout());
                 job->bind(db.query(
                     charges(v.value(QStringLiteral("doctor")), v.value(start), v.value(end))));
                 fillChargeTable(job->layout(), sessionPrintContext(v.value(start), v.value(end)));
                 return job;
             }},
            {QStringLiteral("QuickRep1"), {start, end}, [=](Database& db, const FilterValues& v) {
                 auto job = std::make_unique<PrintJob>();
                 buildDoctorSummary(job->layout());
                 job->bind(db.query(summary(v.value(start), v.value(end))));
                 const PrintTexts texts = sessionPrintContext(v.value(start), v.value(end));
                 fillSummaryTexts(job->layout(), texts,
                                  rangeTotalText(db, v.value(start), v.value(end)));
                 fillSummaryTitle(job->layout(), texts);
                 return job;
             }}};
}

}  // namespace orbista::doctorincome
