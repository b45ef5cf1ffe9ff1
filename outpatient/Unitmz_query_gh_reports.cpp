#include "Unitmz_query_gh_reports.h"

#include "Unitmz_query_gh_sql.h"
#include "reportkit.h"

namespace orbista::registrationquery {

using namespace report;

namespace {

const QString kSheet = QStringLiteral("门诊挂号信息单");

// One ruled cell: a framed caption followed by the framed field.
struct Cell {
    QString caption;
    QString field;
    QString mask{};
};

constexpr double kCaptionMm = 28;
constexpr double kValueMm = 35;
constexpr double kRowMm = 8;
constexpr double kFirstRowMm = 12;

void ruledRow(Band& band, const std::vector<Cell>& cells, double y) {
    double x = 0;
    for (const Cell& c : cells) {
        band.text(c.caption, x, y, kCaptionMm, kRowMm).frame(Side::All).alignCenter();
        ReportItem& value = band.field(c.field, x + kCaptionMm, y, kValueMm, kRowMm);
        value.frame(Side::All).alignCenter();
        if (!c.mask.isEmpty()) {
            value.mask(c.mask);
        }
        x += kCaptionMm + kValueMm;
    }
}

}  // namespace

void buildRegistrationSheets(ReportLayout& r) {
    r.page(PageSize::A4).margins(10).title(kSheet);
    Band& sheet = r.band(BandKind::Detail, kFirstRowMm + 3 * kRowMm + 8);
    sheet.text(kSheet, 0, 2, 3 * (kCaptionMm + kValueMm), 8)
        .font(QStringLiteral("宋体"), kReportTitlePoints, true)
        .alignCenter();
    ruledRow(sheet,
             {{QStringLiteral("挂号ID"), QStringLiteral("code")},
              {QStringLiteral("患者姓名"), QStringLiteral("name")},
              {QStringLiteral("挂号医生"), QStringLiteral("indoctor")}},
             kFirstRowMm);
    ruledRow(sheet,
             {{QStringLiteral("看病科室"), QStringLiteral("indepa")},
              {QStringLiteral("挂号类型"), QStringLiteral("ghtype")},
              {QStringLiteral("挂号费用(￥)"), QStringLiteral("price"), kMoneyMask}},
             kFirstRowMm + kRowMm);
    ruledRow(sheet,
             {{QStringLiteral("挂号日期"), QStringLiteral("indate"), QStringLiteral("yyyy-mm-dd")},
              {QStringLiteral("操作员"), QStringLiteral("recman")}},
             kFirstRowMm + 2 * kRowMm);
}

QList<Printout> printouts() {
    return {{QStringLiteral("QuickRep1"),
             periodFilters() +
                 QList<FilterSpec>{{QStringLiteral("code"), QStringLiteral("门诊ID号的一部分")},
                                   {QStringLiteral("recman"), QStringLiteral("挂号员姓名的一部分")},
                                   {QStringLiteral("department"),
                                    QStringLiteral("挂号科室名称的结尾；空为全部科室")}},
             [](Database& db, const FilterValues& v) {
                 Filter f;
                 f.startDay = v.value(QStringLiteral("start"));
                 f.endDay = v.value(QStringLiteral("end"));
                 if (!v.value(QStringLiteral("code")).isEmpty()) {
                     f.mode = Mode::PatientId;
                     f.patientId = v.value(QStringLiteral("code"));
                 } else if (!v.value(QStringLiteral("recman")).isEmpty()) {
                     f.mode = Mode::Clerk;
                     f.clerk = v.value(QStringLiteral("recman"));
                 } else {
                     f.departmentName = v.value(QStringLiteral("department"));
                     f.departmentChosen = !f.departmentName.isEmpty();
                 }
                 auto job = std::make_unique<PrintJob>();
                 buildRegistrationSheets(job->layout());
                 if (job->bind(db.query(registrations(f))).isEmpty()) {
                     job->refuse(QStringLiteral("没有符合条件的数据！！"));
                 }
                 return job;
             }}};
}

}  // namespace orbista::registrationquery
