#include "cffcfbb.h"

#include "cffcfbb_reports.h"
#include "database.h"
#include "report.h"
#include "session.h"

#include <QPushButton>
#include <QRadioButton>

namespace orbista {

using prescriptioncharges::Kind;

namespace {

QList<GridColumn> chargeColumns() {
    using F = GridColumn::Format;
    QList<GridColumn> columns{{QStringLiteral("code"), QStringLiteral("发票号码")},
                              {QStringLiteral("fycode"), QStringLiteral("费用代码")},
                              {QStringLiteral("fydate"), QStringLiteral("发生日期"), F::DateTime},
                              {QStringLiteral("fydepa"), QStringLiteral("费用发生科室")},
                              {QStringLiteral("fydoctor"), QStringLiteral("费用医生")},
                              {QStringLiteral("fyname"), QStringLiteral("费用名称")},
                              {QStringLiteral("fyprice"), QStringLiteral("费用金额"), F::Money},
                              {QStringLiteral("zman"), QStringLiteral("患者姓名")}};
    for (GridColumn& c : columns) {
        c.alignment = Qt::AlignCenter;
    }
    return columns;
}

}  // namespace

Tcf_form::Tcf_form(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("cf_form"), QStringLiteral("处方非处方费用统计")),
      db_(db),
      ui_(buildForm()) {
    prescriptioncharges::buildChargeList(QuickRep1_);
    aq_tj.shownIn(ui_.DBGrid1, chargeColumns()).feeds(QuickRep1_);
    // "统计数据" is the window's default button: Enter anywhere runs the query.
    ui_.BitBtn1->setDefault(true);
    connect(ui_.BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(ui_.BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(ui_.BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
}

void Tcf_form::FormShow() {
    applyDateDefault(DateDefault::NowNow);
}

void Tcf_form::BitBtn1Click() {
    guarded([this] { listCharges(); });
}

void Tcf_form::listCharges() {
    const prescriptioncharges::Filter f{ui_.rb_y->isChecked() ? Kind::Prescription : Kind::Other,
                                        startDay(), endDay(),
                                        Session::current().loginDepartmentCode};
    aq_tj.reset(db_.query(prescriptioncharges::charges(f)));  // an empty grid says it all
    listed_ = f;
}

void Tcf_form::BitBtn2Click() {
    if (!listed_) {
        simpleMessage(QStringLiteral("请先查询要统计的数据"));
        return;
    }
    guarded([this] {
        prescriptioncharges::fillChargeList(QuickRep1_, *listed_, Session::current().operatorName,
                                            prescriptioncharges::totalOf(*aq_tj.get()));
        report::previewReport(this, QuickRep1_);
    });
}

}  // namespace orbista
