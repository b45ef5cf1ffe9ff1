#include "Unitmz_query_recman_reports.h"

#include "Unitmz_query_recman_sql.h"
#include "database.h"
#include "reportlayout.h"

namespace orbista::cashierday {

using namespace report;

namespace {

const QString kSheet = QStringLiteral("个人费用交款单");

const std::vector<TableColumn>& chargeColumns() {
    static const std::vector<TableColumn> columns{
        {QStringLiteral("费用单据号"), QStringLiteral("fycode"), 32},
        {QStringLiteral("费用部门"), QStringLiteral("fydepa"), 32},
        {QStringLiteral("费用医生"), QStringLiteral("fydoctor"), 30},
        {QStringLiteral("费   用   名   称"),
         QStringLiteral("fyname"),
         56,
         {},
         false,
         Qt::AlignRight},
        {QStringLiteral("收款金额"), QStringLiteral("fyprice"), 40, kMoneyMask, false,
         Qt::AlignRight}};
    return columns;
}

}  // namespace

void buildPaymentSheet(ReportLayout& r) {
    r.page(PageSize::A4).margins(10).title(kSheet);
    titleLine(r.band(BandKind::Title, 12), QStringLiteral("qrtitle"), kSheet);
    Band& header = r.band(BandKind::ColumnHeader, 18);
    header.text(QStringLiteral("收费员："), 0, 1, 18, 6);
    header.label(QStringLiteral("cashier"), 18, 1, 50, 6);
    header.text(QStringLiteral("收费日期"), 110, 1, 20, 6);
    header.label(QStringLiteral("day"), 130, 1, 60, 6);
    captionRow(header, chargeColumns(), 0, 9, 8);
    detailRow(r.band(BandKind::Detail, 7), chargeColumns(), 0, 7);

    Band& summary = r.band(BandKind::Summary, 20);
    summary.text(QStringLiteral("费用总条数："), 0, 2, 26, 6);
    summary.expression(QStringLiteral("COUNT"), 26, 2, 30, 6).name(QStringLiteral("count"));
    summary.text(QStringLiteral("费用总数(￥)："), 100, 2, 30, 6);
    summary.expression(QStringLiteral("SUM(ADOQuerymz_cost.fyprice)"), 130, 2, 60, 6)
        .name(QStringLiteral("total"))
        .mask(kMoneyMask)
        .alignRight();
    summary.text(QStringLiteral("打印时间："), 100, 11, 22, 6);
    summary.system(SystemData::DateTime, 122, 11, 68, 6);
}

void fillPaymentSheet(ReportLayout& r, const QString& hospitalName, const QString& cashier,
                      const QString& day) {
    fillTitle(r, QStringLiteral("qrtitle"), hospitalName, kSheet);
    r.setCaption(QStringLiteral("cashier"), cashier);
    r.setCaption(QStringLiteral("day"), day);
}

QList<Printout> printouts() {
    return {{QStringLiteral("QuickRep1"),
             {{QStringLiteral("start"), QStringLiteral("收费日期 yyyy-mm-dd")},
              {QStringLiteral("cashier"), QStringLiteral("收费员姓名；空为当天全部收费员")}},
             [](Database& db, const FilterValues& v) {
                 const QString day = v.value(QStringLiteral("start"));
                 const QString cashier = v.value(QStringLiteral("cashier"));
                 auto job = std::make_unique<PrintJob>();
                 buildPaymentSheet(job->layout());
                 fillPaymentSheet(job->layout(), sessionPrintContext(day, day).hospitalName,
                                  cashier.isEmpty() ? QStringLiteral("全部收费员") : cashier, day);
                 if (job->bind(db.query(cashier.isEmpty() ? dayCharges(day)
                                                          : cashierCharges(cashier, day)))
                         .isEmpty()) {
                     job->refuse(QStringLiteral("今日没有收取费用！"));
                 }
                 return job;
             }}};
}

}  // namespace orbista::cashierday
