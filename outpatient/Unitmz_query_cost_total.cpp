#include "Unitmz_query_cost_total.h"

#include "codeentry.h"
#include "database.h"
#include "report.h"
#include "session.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orbista {

using costtotal::Mode;

namespace {

QList<GridColumn> totalsColumns() {
    return {{QStringLiteral("name"), QStringLiteral("费用大类名称"), GridColumn::Format::Text, 150},
            {QStringLiteral("toatl"), QStringLiteral("合计"), GridColumn::Format::Money, 90}};
}

QList<GridColumn> chargeColumns() {
    using F = GridColumn::Format;
    return {{QStringLiteral("code"), QStringLiteral("发票号")},
            {QStringLiteral("fydate"), QStringLiteral("发生日期"), F::Date},
            {QStringLiteral("fycode"), QStringLiteral("费用单号")},
            {QStringLiteral("fyname"), QStringLiteral("费用名称")},
            {QStringLiteral("fyprice"), QStringLiteral("费用总价"), F::Money},
            {QStringLiteral("fydepa"), QStringLiteral("费用部门")},
            {QStringLiteral("fydoctor"), QStringLiteral("费用医生")},
            {QStringLiteral("jzman"), QStringLiteral("登记员")}};
}

}  // namespace

Tfrmmz_query_cost_total::Tfrmmz_query_cost_total(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frmmz_query_cost_total"),
                  QStringLiteral("收入合计统计表")),
      db_(db),
      ui_(buildForm()) {
    costtotal::buildDetailTable(QuickRep1_);
    costtotal::buildSummarySheet(QuickRep2_);
    ADOQuerytotal.shownIn(ui_.DBGrid1, totalsColumns()).feeds(QuickRep1_);
    ADOQuerymz_cost.shownIn(ui_.DBGrid2, chargeColumns());

    onEnter(ui_.Editdepacode, [this] { EditdepacodeKeyPress(); });
    onEnter(ui_.Editdoctorcode, [this] { EditdoctorcodeKeyPress(); });
    runOnEnter(ui_.comboboxdepa, ui_.SpeedButton1);
    runOnEnter(ui_.ComboBox1, ui_.SpeedButton1);
    connect(ui_.SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(ui_.bitbtnprint, &QPushButton::clicked, this, [this] { bitbtnprintClick(); });
    connect(ui_.SpeedButton4, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrmmz_query_cost_total::FormShow() {
    // The department list: code-name items, then the plain names. Filled once, so however
    // often the window is activated again each department appears once in each form.
    fillCombo(ui_.comboboxdepa,
              codeNameItems(db_, QStringLiteral("data_depa")) + costtotal::departmentNames(db_));
    ui_.comboboxdepa->setCurrentIndex(-1);
    fillCombo(ui_.ComboBox1, codeNameItems(db_, QStringLiteral("data_doctor")));
    ui_.ComboBox1->setCurrentIndex(-1);
    statisticsTotal_ = Money();
}

void Tfrmmz_query_cost_total::FormActivate() {
    QueryScreen::FormActivate();
    applyDateDefault(DateDefault::TodayToday);
    ui_.editjzman->setText(Session::current().operatorName);
}

void Tfrmmz_query_cost_total::EditdepacodeKeyPress() {
    selectByCode(ui_.comboboxdepa, ui_.Editdepacode, QStringLiteral("没有符合条件的科室数据！"));
}

void Tfrmmz_query_cost_total::EditdoctorcodeKeyPress() {
    selectByCode(ui_.ComboBox1, ui_.Editdoctorcode, QStringLiteral("没有符合条件的医生数据！"));
}

Mode Tfrmmz_query_cost_total::mode() const {
    if (ui_.rbman->isChecked()) {
        return Mode::Cashier;
    }
    if (ui_.rbdoctor->isChecked()) {
        return Mode::Doctor;
    }
    if (ui_.rbdepa->isChecked()) {
        return Mode::Department;
    }
    return Mode::Whole;
}

QWidget* Tfrmmz_query_cost_total::filterBoxOf(Mode m) const {
    switch (m) {
        case Mode::Cashier:
            return ui_.editjzman;
        case Mode::Doctor:
            return ui_.Editdoctorcode;
        case Mode::Department:
            return ui_.Editdepacode;
        case Mode::Whole:
            // Not the department code box: entering it would switch to department mode.
            return ui_.rb_All;
    }
    return ui_.Editdepacode;
}

costtotal::Filter Tfrmmz_query_cost_total::currentFilter() const {
    costtotal::Filter f;
    f.mode = mode();
    f.startDay = startDay();
    f.endDay = endDay();
    f.cashier = ui_.editjzman->text();
    f.doctorName = nameOfItem(ui_.ComboBox1->currentText());
    f.departmentName = nameOfItem(ui_.comboboxdepa->currentText());
    f.loginDepartmentCode = Session::current().loginDepartmentCode;
    return f;
}

void Tfrmmz_query_cost_total::SpeedButton1Click() {
    guarded([this] { runQuery(); });
}

void Tfrmmz_query_cost_total::runQuery() {
    const costtotal::Filter filter = currentFilter();
    if (ADOQuerymz_cost.reset(db_.query(costtotal::chargeRows(filter))).isEmpty()) {
        message(QStringLiteral("没有数据"), QStringLiteral("系统操作提示："));
        filterBoxOf(filter.mode)->setFocus();
        return;
    }
    refill(filter);
}

void Tfrmmz_query_cost_total::refill(const costtotal::Filter& filter) {
    const costtotal::Refill done = costtotal::refillTotals(db_, filter);
    if (!done.done) {
        return;  // no outpatient fee items set up: mz_total and its total stay as they were
    }
    ADOQuerytotal.reset(db_.query(costtotal::totalsTableStatement()));
    statisticsTotal_ = done.total;
    refilled_ = Refilled{filter, codeOfItem(ui_.ComboBox1->currentText())};
    ui_.fysum->setText(QStringLiteral("合计：￥") + done.total.toString(2));
}

costtotal::PrintTexts Tfrmmz_query_cost_total::printTexts() {
    const Refilled scope =
        refilled_ ? *refilled_
                  : Refilled{currentFilter(), codeOfItem(ui_.ComboBox1->currentText())};
    return costtotal::printTexts(db_, scope.filter, scope.doctorCode, statisticsTotal_);
}

void Tfrmmz_query_cost_total::bitbtnprintClick() {
    guarded([this] {
        const costtotal::PrintTexts texts = printTexts();
        report::chooseAndPreview(this,
                                 {{QStringLiteral("d"), &QuickRep1_,
                                   [&] { costtotal::fillDetailTable(QuickRep1_, texts); }},
                                  {QStringLiteral("s"), &QuickRep2_,
                                   [&] { costtotal::fillSummarySheet(QuickRep2_, texts); }}},
                                 QStringLiteral("请输入要打印的类型"),
                                 QStringLiteral("打印类型选择(s汇总表）（D明细表）"));
    });
}

}  // namespace orbista
