#include "Unit_recman_total_reports.h"

#include "Unit_recman_total_sql.h"
#include "database.h"
#include "dayrange.h"
#include "reportlayout.h"

namespace orbista::cashiertakings {

using namespace report;

namespace {

const std::vector<TableColumn>& takingsColumns() {
    static const std::vector<TableColumn> columns{
        {QStringLiteral("项目"), QStringLiteral("fyname"), 50},
        {QStringLiteral("摘要"), {}, 60},  // written by hand
        {QStringLiteral("费用"), QStringLiteral("COLUMN1"), 40, QStringLiteral("###,###,###,##0.0"),
         false, Qt::AlignRight},
        {QStringLiteral("签字"), {}, 40}};
    return columns;
}

}  // namespace

void buildReconciliationSheet(ReportLayout& r) {
    r.customPage(210, 297).margins(10).title(QStringLiteral("门诊个人收款记录"));
    Band& title = r.band(BandKind::Title, 26);
    title.label(QStringLiteral("QRLabel1"), 0, 2, 190, 9)
        .font(QStringLiteral("宋体"), kReportTitlePoints, true)
        .alignCenter();
    title.label(QStringLiteral("QRLabel2"), 0, 15, 60, 6);
    title.label(QStringLiteral("QRLabel3"), 70, 15, 120, 6);
    captionRow(r.band(BandKind::ColumnHeader, 9), takingsColumns(), 0, 0, 8);
    detailRow(r.band(BandKind::Detail, 8), takingsColumns(), 0, 8);
    Band& summary = r.band(BandKind::Summary, 10);
    summary.text(QStringLiteral("合计"), 0, 2, 50, 7).alignCenter();
    summary.expression(QStringLiteral("SUM(ado_zz.COLUMN1)"), 110, 2, 40, 7)
        .name(QStringLiteral("total"))
        .mask(QStringLiteral("###,###,##0.0"))
        .alignRight();
}

void fillReconciliationSheet(ReportLayout& r, const QString& hospitalName, const QString& cashier,
                             const QDateTime& start, const QDateTime& end) {
    r.setCaption(QStringLiteral("QRLabel1"), hospitalName);
    r.setCaption(QStringLiteral("QRLabel2"), QStringLiteral("收费员:") + cashier);
    r.setCaption(QStringLiteral("QRLabel3"),
                 QStringLiteral("统计时间:") + dayText(start) + QStringLiteral("  ") +
                     start.toString(u"hh:mm:ss") + QStringLiteral("---") + dayText(end) + u' ' +
                     end.toString(u"hh:mm:ss"));
}

QList<Printout> printouts() {
    return {{QStringLiteral("QuickRep1"),
             periodFilters() +
                 QList<FilterSpec>{
                     {QStringLiteral("starttime"), QStringLiteral("起始时间 hh:nn:ss"),
                      QStringLiteral("00:00:00")},
                     {QStringLiteral("endtime"), QStringLiteral("终止时间 hh:nn:ss"),
                      QStringLiteral("00:00:00")},
                     {QStringLiteral("cashier"), QStringLiteral("收费员姓名（前缀）；空为全部")}},
             [](Database& db, const FilterValues& v) {
                 const auto at = [&v](const char* day, const char* time) {
                     const QString t = v.value(QString::fromLatin1(time));
                     return QDateTime(
                         QDate::fromString(v.value(QString::fromLatin1(day)), Qt::ISODate),
                         t.isEmpty() ? QTime(0, 0) : QTime::fromString(t, u"hh:mm:ss"));
                 };
                 const QDateTime start = at("start", "starttime");
                 const QDateTime end = at("end", "endtime");
                 const QString cashier = v.value(QStringLiteral("cashier"));
                 auto job = std::make_unique<PrintJob>();
                 buildReconciliationSheet(job->layout());
                 fillReconciliationSheet(job->layout(), sessionPrintContext({}, {}).hospitalName,
                                         cashier, start, end);
                 if (job->bind(db.query(takingsByFee(cashier, start, end))).isEmpty()) {
                     job->refuse(QStringLiteral("没有收费数据发生!"));
                 }
                 return job;
             }}};
}

}  // namespace orbista::cashiertakings
