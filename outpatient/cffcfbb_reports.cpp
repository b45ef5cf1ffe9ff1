#include "cffcfbb_reports.h"

#include "Unitmz_query_cost_total_reports.h"
#include "database.h"
#include "reportlayout.h"
#include "session.h"

namespace orbista::prescriptioncharges {

using namespace report;

namespace {

const std::vector<TableColumn>& chargeColumns() {
    // The department prints twice, as the column captions have always said.
    static const std::vector<TableColumn> columns{
        {QStringLiteral("发票号码"), QStringLiteral("code"), 22},
        {QStringLiteral("费用代码"), QStringLiteral("fycode"), 22},
        {QStringLiteral("发生日期"), QStringLiteral("fydate"), 24, QStringLiteral("yyyy-mm-dd")},
        {QStringLiteral("费用发生科室"), QStringLiteral("fydepa"), 24},
        {QStringLiteral("费用医生"), QStringLiteral("fydoctor"), 20},
        {QStringLiteral("费用名称"), QStringLiteral("fyname"), 28},
        {QStringLiteral("费用金额"), QStringLiteral("fyprice"), 24, kMoneyMask, false,
         Qt::AlignRight},
        {QStringLiteral("费用发生科室"), QStringLiteral("fydepa"), 26}};
    return columns;
}

}  // namespace

void buildChargeList(ReportLayout& r) {
    r.page(PageSize::A4).margins(10).title(QStringLiteral("处方非处方费用统计"));
    Band& title = r.band(BandKind::Title, 34);
    title.label(QStringLiteral("caption"), 0, 2, 190, 9)
        .font(QStringLiteral("宋体"), kReportTitlePoints, true)
        .alignCenter();
    title.text(QStringLiteral("统计日期："), 0, 14, 22, 6);
    title.label(QStringLiteral("tjdate"), 22, 14, 70, 6);
    title.text(QStringLiteral("统计员："), 120, 14, 18, 6);
    title.label(QStringLiteral("tj_oper"), 138, 14, 52, 6);
    captionRow(title, chargeColumns(), 0, 24, 9);
    detailRow(r.band(BandKind::Detail, 7), chargeColumns(), 0, 7);
    r.band(BandKind::Summary, 10).label(QStringLiteral("sum"), 100, 2, 90, 7);
}

void fillChargeList(ReportLayout& r, const Filter& listed, const QString& operatorName,
                    const std::optional<Money>& total) {
    const QString caption = listed.kind == Kind::Prescription
                                ? QStringLiteral("门诊部处方数据明细报表统计")
                                : QStringLiteral("门诊部非处方数据明细报表统计");
    r.setCaption(QStringLiteral("caption"), caption);
    r.title(caption);
    r.setCaption(QStringLiteral("tjdate"), costtotal::shortDate(listed.startDay) +
                                               QStringLiteral("----") +
                                               costtotal::shortDate(listed.endDay));
    r.setCaption(QStringLiteral("tj_oper"), operatorName);
    r.setCaption(QStringLiteral("sum"),
                 QStringLiteral("合计（￥）：") + (total ? total->toString(2) : QString()));
}

QList<Printout> printouts() {
    return {{QStringLiteral("QuickRep1"),
             periodFilters() + QList<FilterSpec>{{QStringLiteral("type"),
                                                  QStringLiteral("1 处方数据, 0 非处方数据"),
                                                  QStringLiteral("1")}},
             [](Database& db, const FilterValues& v) {
                 const Session& session = Session::current();
                 const Filter f{
                     v.value(QStringLiteral("type")) == u"0" ? Kind::Other : Kind::Prescription,
                     v.value(QStringLiteral("start")), v.value(QStringLiteral("end")),
                     session.loginDepartmentCode};
                 auto job = std::make_unique<PrintJob>();
                 buildChargeList(job->layout());
                 // An empty period still prints its sheet, with no figure after the total.
                 ResultSet& rows = job->bind(db.query(charges(f)));
                 fillChargeList(job->layout(), f, session.operatorName, totalOf(rows));
                 return job;
             }}};
}

}  // namespace orbista::prescriptioncharges
