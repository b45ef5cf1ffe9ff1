#include "Unitfrmmz_depa_query.h"

#include "Unitfrmmz_depa_query_reports.h"
#include "database.h"
#include "printjob.h"
#include "report.h"

#include <QComboBox>
#include <QPushButton>

namespace orbista {

using feestatistics::By;

namespace {

QList<GridColumn> chargeColumns() {
    using F = GridColumn::Format;
    return {{QStringLiteral("fydepa"), QStringLiteral("费用部门")},
            {QStringLiteral("code"), QStringLiteral("费用单号")},
            {QStringLiteral("zman"), QStringLiteral("病人姓名")},
            {QStringLiteral("fydate"), QStringLiteral("费用日期"), F::DateTime},
            {QStringLiteral("fyname"), QStringLiteral("费用名")},
            {QStringLiteral("fyprice"), QStringLiteral("单价"), F::Money},
            {QStringLiteral("fydoctor"), QStringLiteral("费用医生")},
            {QStringLiteral("jzman"), QStringLiteral("收费员")}};
}

QStringList namesOf(ResultSet& rows) {
    QStringList names;
    const int name = rows.columnIndex(u"name");
    for (int row = 0; row < rows.recordCount(); ++row) {
        names << rows.text(row, name);
    }
    return names;
}

}  // namespace

const QList<FeeStatisticsScreen::Variant>& FeeStatisticsScreen::variants() {
    static const QList<Variant> all{
        {QStringLiteral("Tfrmmz_depa_query"), QStringLiteral("frmmz_depa_query"),
         QStringLiteral("门诊科室费用统计"), By::Department, "cb_depa", QStringLiteral("统计科室"),
         QStringLiteral("统计出错,请重新再试!")},
        {QStringLiteral("Tfrmmz_doctor_query"), QStringLiteral("frmmz_doctor_query"),
         QStringLiteral("门诊医生费用查询"), By::Doctor, "cb_doctor", QStringLiteral("统计医生"),
         QStringLiteral("统计出错,请重新再试!!!")}};
    return all;
}

FeeStatisticsScreen::FeeStatisticsScreen(Database& db, const Variant& variant, QWidget* owner)
    : QueryScreen(owner, variant.objectName, variant.caption),
      db_(db),
      variant_(variant),
      ui_(buildForm()) {
    feestatistics::buildChargeList(QuickRep1_, variant.by);
    feestatistics::buildFeeTotals(QuickRep2_, variant.by);
    ado_cost.shownIn(ui_.DBGrid2, chargeColumns()).feeds(QuickRep1_);
    ado_tj.feeds(QuickRep2_);
    connect(ui_.BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(ui_.BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(ui_.BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
}

void FeeStatisticsScreen::FormShow() {
    applyDateDefault(DateDefault::YesterdayToday);
}

void FeeStatisticsScreen::FormActivate() {
    QueryScreen::FormActivate();
    // Read again on every activation, but each name listed once; the choice is kept.
    const bool chosen = ui_.list->currentIndex() >= 0;
    fillCombo(ui_.list, namesOf(*db_.query(feestatistics::nameList(variant_.by))));
    if (!chosen) {
        ui_.list->setCurrentIndex(-1);
    }
}

void FeeStatisticsScreen::statisticsGuard(const QString& failure,
                                          const std::function<void()>& work) {
    try {
        work();
    } catch (const DbError& e) {
        simpleMessage(failure + u'\n' + e.message());
    } catch (const std::exception& e) {
        simpleMessage(failure + u'\n' + QString::fromUtf8(e.what()));
    }
}

void FeeStatisticsScreen::BitBtn1Click() {
    statisticsGuard(variant_.chargeListError, [this] { previewCharges(); });
}

void FeeStatisticsScreen::BitBtn2Click() {
    statisticsGuard(QStringLiteral("统计出错,请重新再试!!!"), [this] { previewTotals(); });
}

void FeeStatisticsScreen::previewCharges() {
    const QString name = ui_.list->currentText();
    const report::PrintContext period = sessionPrintContext(startDay(), endDay());
    if (ado_cost
            .reset(db_.query(
                feestatistics::chargeList(variant_.by, name, period.startDay, period.endDay)))
            .isEmpty()) {
        simpleMessage(QStringLiteral("没有收费明细!"));
        return;
    }
    feestatistics::fillChargeList(QuickRep1_, variant_.by,
                                  feestatistics::scopeOf(variant_.by, name), period);
    report::previewReport(this, QuickRep1_);
}

void FeeStatisticsScreen::previewTotals() {
    const QString name = ui_.list->currentText();
    const report::PrintContext period = sessionPrintContext(startDay(), endDay());
    feestatistics::fillFeeTotals(QuickRep2_, variant_.by, feestatistics::scopeOf(variant_.by, name),
                                 period);
    if (ado_tj
            .reset(db_.query(
                feestatistics::feeTotals(variant_.by, name, period.startDay, period.endDay)))
            .isEmpty()) {
        simpleMessage(QStringLiteral("没有收费明细!"));
        return;
    }
    report::previewReport(this, QuickRep2_);
}

Tfrmmz_depa_query::Tfrmmz_depa_query(Database& db, QWidget* owner)
    : FeeStatisticsScreen(db, variants()[0], owner) {}

Tfrmmz_doctor_query::Tfrmmz_doctor_query(Database& db, QWidget* owner)
    : FeeStatisticsScreen(db, variants()[1], owner) {}

}  // namespace orbista
