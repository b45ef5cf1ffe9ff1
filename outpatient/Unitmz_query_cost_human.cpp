#include "Unitmz_query_cost_human.h"

#include "Unitmz_query_cost_human_sql.h"
#include "database.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orbista {

namespace {

QList<GridColumn> chargeColumns() {
    using F = GridColumn::Format;
    return {{QStringLiteral("code"), QStringLiteral("发票号")},
            {QStringLiteral("fydate"), QStringLiteral("费用发生日期"), F::Date},
            {QStringLiteral("zman"), QStringLiteral("患者姓名")},
            {QStringLiteral("fycode"), QStringLiteral("费用单号")},
            {QStringLiteral("fyname"), QStringLiteral("费用名称")},
            {QStringLiteral("fyprice"), QStringLiteral("收款金额"), F::Money},
            {QStringLiteral("fydepa"), QStringLiteral("费用部门")},
            {QStringLiteral("fydoctor"), QStringLiteral("费用医生")}};
}

}  // namespace

Tfrmmz_query_cost_human::Tfrmmz_query_cost_human(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frmmz_query_cost_human"),
                  QStringLiteral("门诊患者费用查询")),
      db_(db),
      ui_(buildForm()) {
    // Closed with its own button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ADOQuerymz_cost.shownIn(ui_.DBGrid1, chargeColumns());

    const auto toValueBox = [this] { ui_.Editcode->setFocus(); };
    connect(ui_.rb_hzname, &QRadioButton::clicked, this, toValueBox);
    connect(ui_.rb_hzid, &QRadioButton::clicked, this, toValueBox);
    connect(ui_.DateTimePicker1, &QDateTimeEdit::dateTimeChanged, this, toValueBox);
    onEnter(ui_.DateTimePicker1, toValueBox);
    runOnEnter(ui_.Editcode, ui_.bitbtnquery);
    connect(ui_.bitbtnquery, &QPushButton::clicked, this, [this] { bitbtnqueryClick(); });
    connect(ui_.bitbtnclose, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrmmz_query_cost_human::FormShow() {
    applyDateDefault(DateDefault::SingleNow);
    ui_.Editcode->setFocus();
}

void Tfrmmz_query_cost_human::bitbtnqueryClick() {
    guarded([this] { listCharges(); });
}

void Tfrmmz_query_cost_human::listCharges() {
    const patientfees::Mode mode =
        ui_.rb_hzid->isChecked() ? patientfees::Mode::PatientId : patientfees::Mode::PatientName;
    ResultSet& rows = ADOQuerymz_cost.reset(
        db_.query(patientfees::charges(mode, ui_.Editcode->text(), startDay())));
    if (rows.isEmpty()) {
        message(QStringLiteral("没有该患者费用信息！"), QStringLiteral("系统提示："));
        ui_.Editcode->setFocus();  // Panel6 keeps the last total
        return;
    }
    ui_.Panel6->setText(QStringLiteral("总计:") +
                        patientfees::shortestText(patientfees::totalOf(rows)) +
                        QStringLiteral("元"));
}

}  // namespace orbista
