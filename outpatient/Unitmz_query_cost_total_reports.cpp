#include "Unitmz_query_cost_total_reports.h"

#include "reportlayout.h"
#include "session.h"

#include <QDate>
#include <QLocale>

namespace orbista::costtotal {

using namespace report;

namespace {

const QString kDetailTable = QStringLiteral("收费统计明细表");
const QString kSummarySheet = QStringLiteral("收费统计汇总表");

}  // namespace

Scope scopeOf(Mode mode, const QString& department, const QString& doctor,
              const QString& doctorDepartment) {
    switch (mode) {
        case Mode::Department:
            if (department.isEmpty()) {
                return {QStringLiteral("统计科室:全部"), QStringLiteral("全部"),
                        QStringLiteral("全部医生")};
            }
            return {QStringLiteral("统计科室:") + department, department,
                    department + QStringLiteral("全部医生")};
        case Mode::Doctor:
            if (doctor.isEmpty()) {
                return {QStringLiteral("统计医生：全部"), QStringLiteral("全部科室"),
                        QStringLiteral("全部")};
            }
            return {QStringLiteral("统计医生：") + doctor, doctorDepartment, doctor};
        case Mode::Whole:
            return {QStringLiteral("统计科室：全部科室"), QStringLiteral("全部科室"),
                    QStringLiteral("全部医生")};
        case Mode::Cashier:
            return {QStringLiteral("该收费员所收费用全部科室"),
                    QStringLiteral("该收费员所收费用全部科室"),
                    QStringLiteral("该收费员所收费用全部医生")};
    }
    return {};
}

PrintTexts printTexts(Database& db, const Filter& f, const QString& doctorCode,
                      const Money& total) {
    const QString department = f.mode == Mode::Department ? f.departmentName : QString();
    const QString doctor = f.mode == Mode::Doctor ? f.doctorName : QString();
    const QString doctorDepartment =
        doctor.isEmpty() ? QString() : costtotal::doctorDepartment(db, doctorCode);
    return {sessionPrintContext(f.startDay, f.endDay),
            scopeOf(f.mode, department, doctor, doctorDepartment), total};
}

QString shortDate(const QString& day) {
    const QDate date = QDate::fromString(day, QStringLiteral("yyyy-MM-dd"));
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

namespace {

const std::vector<TableColumn>& detailColumns() {
    static const std::vector<TableColumn> columns{
        {QStringLiteral("项     目"), QStringLiteral("name"), 50},
        {QStringLiteral("摘                                要"), {}, 80},  // written by hand
        {QStringLiteral("金      额"), QStringLiteral("toatl"), 60, kMoneyMask, true,
         Qt::AlignRight}};
    return columns;
}

}  // namespace

void buildDetailTable(ReportLayout& r) {
    r.page(PageSize::A4).margins(10).title(kDetailTable);

    Band& header = r.band(BandKind::ColumnHeader, 34);
    titleLine(header, QStringLiteral("cap1"), QStringLiteral("医院") + kDetailTable);
    header.text(QStringLiteral("报告日期："), 10, 14, 22, 6);
    header.label(QStringLiteral("qrbegin"), 32, 14, 24, 6);
    header.text(QStringLiteral("-------"), 56, 14, 14, 6);
    header.label(QStringLiteral("qrend"), 70, 14, 24, 6);
    header.label(QStringLiteral("off"), 110, 14, 80, 6);
    captionRow(header, detailColumns(), 0, 24, 9);
    detailRow(r.band(BandKind::Detail, 8), detailColumns(), 0, 8);

    Band& summary = r.band(BandKind::Summary, 22);
    summary.text(QStringLiteral("总合计："), 100, 2, 30, 7);
    summary.expression(QStringLiteral("SUM(ADOQuerytotal.toatl)"), 130, 2, 60, 7)
        .name(QStringLiteral("total"))
        .mask(kMoneyMask)
        .alignRight();
    makerLine(summary, QStringLiteral("qrman"), 0, 12, QStringLiteral("制表："));
    summary.text(QStringLiteral("制表时间："), 100, 12, 22, 6);
    summary.system(SystemData::DateTime, 122, 12, 68, 6);

    r.band(BandKind::PageFooter, 8);
}

void fillDetailTable(ReportLayout& r, const PrintTexts& t) {
    fillTitle(r, QStringLiteral("cap1"), t.context.hospitalName, kDetailTable);
    r.setCaption(QStringLiteral("qrbegin"), t.context.startDay);
    r.setCaption(QStringLiteral("qrend"), t.context.endDay);
    r.setCaption(QStringLiteral("off"), t.scope.detailLine);
    fillMaker(r, QStringLiteral("qrman"), t.context);
}

void buildSummarySheet(ReportLayout& r) {
    r.page(PageSize::A4).margins(10).title(kSummarySheet);
    Band& title = r.band(BandKind::Title, 90);
    titleLine(title, QStringLiteral("cap2"), kSummarySheet, 4, 190, 10);
    const std::pair<const char*, const char*> rows[] = {{"统计日期", "print_date"},
                                                        {"统计科室", "tjks"},
                                                        {"统计医生", "tjdoctor"},
                                                        {"费用总计", "sum"},
                                                        {"统计员", "tjy"}};
    double y = 24;
    for (const auto& [caption, name] : rows) {
        title.text(QString::fromUtf8(caption), 20, y, 50, 11).frame(Side::All).alignCenter();
        title.label(QString::fromUtf8(name), 70, y, 100, 11).frame(Side::All);
        y += 11;
    }
}

void fillSummarySheet(ReportLayout& r, const PrintTexts& t) {
    fillTitle(r, QStringLiteral("cap2"), t.context.hospitalName, kSummarySheet);
    r.setCaption(
        QStringLiteral("print_date"),
        shortDate(t.context.startDay) + QStringLiteral("--") + shortDate(t.context.endDay));
    r.setCaption(QStringLiteral("tjks"), t.scope.department);
    r.setCaption(QStringLiteral("tjdoctor"), t.scope.doctor);
    r.setCaption(QStringLiteral("sum"), QStringLiteral("￥") + t.total.toString(2));
    r.setCaption(QStringLiteral("tjy"), t.context.operatorName);
}

}  // namespace orbista::costtotal

namespace orbista::costtotal {

namespace {

Filter filterOf(const FilterValues& v) {
    static const QMap<QString, Mode> modes{{QStringLiteral("cashier"), Mode::Cashier},
                                           {QStringLiteral("doctor"), Mode::Doctor},
                                           {QStringLiteral("department"), Mode::Department},
                                           {QStringLiteral("whole"), Mode::Whole}};
    Filter f;
    f.mode = modes.value(v.value(QStringLiteral("mode")), Mode::Department);
    f.startDay = v.value(QStringLiteral("start"));
    f.endDay = v.value(QStringLiteral("end"));
    f.cashier = v.value(QStringLiteral("cashier"));
    f.doctorName = v.value(QStringLiteral("doctor"));
    f.departmentName = v.value(QStringLiteral("department"));
    f.loginDepartmentCode = Session::current().loginDepartmentCode;
    return f;
}

std::unique_ptr<PrintJob> refilledPrint(Database& db, const FilterValues& values, bool detail) {
    const Filter f = filterOf(values);
    auto job = std::make_unique<PrintJob>();
    // As on the screen: no charges listed, no refill and nothing to print.
    if (db.query(chargeRows(f))->isEmpty()) {
        job->refuse(QStringLiteral("没有数据"));
        return job;
    }
    const Refill refill = refillTotals(db, f);
    const PrintTexts texts =
        printTexts(db, f, values.value(QStringLiteral("doctorcode")), refill.total);
    if (detail) {
        buildDetailTable(job->layout());
        job->bind(db.query(totalsTableStatement()));
        fillDetailTable(job->layout(), texts);
    } else {
        buildSummarySheet(job->layout());
        fillSummarySheet(job->layout(), texts);
    }
    return job;
}

}  // namespace

QList<Printout> printouts() {
    const QList<FilterSpec> filters =
        periodFilters() +
        QList<FilterSpec>{
            {QStringLiteral("mode"),
             QStringLiteral(
                 "统计方式：cashier 收费员, doctor 医生, department 科室, whole 全部科室"),
             QStringLiteral("department")},
            {QStringLiteral("cashier"), QStringLiteral("收费员姓名 (jzman)")},
            {QStringLiteral("doctor"), QStringLiteral("医生姓名，含此文字即可")},
            {QStringLiteral("doctorcode"), QStringLiteral("医生代码，汇总表印其科室")},
            {QStringLiteral("department"), QStringLiteral("科室名称；空为全部科室")}};
    return {{QStringLiteral("d"), filters,
             [](Database& db, const FilterValues& v) { return refilledPrint(db, v, true); }},
            {QStringLiteral("s"), filters,
             [](Database& db, const FilterValues& v) { return refilledPrint(db, v, false); }}};
}

}  // namespace orbista::costtotal
