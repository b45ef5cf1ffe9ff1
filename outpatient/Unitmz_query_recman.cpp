#include "Unitmz_query_recman.h"

#include "Unitmz_query_recman_reports.h"
#include "Unitmz_query_recman_sql.h"
#include "database.h"
#include "report.h"
#include "session.h"

#include <QComboBox>
#include <QPushButton>

namespace orbista {

namespace {

QList<GridColumn> chargeColumns() {
    using F = GridColumn::Format;
    return {{QStringLiteral("code"), QStringLiteral("门诊ID号")},
            {QStringLiteral("fydate"), QStringLiteral("费用发生日期"), F::Date},
            {QStringLiteral("fycode"), QStringLiteral("费用单号")},
            {QStringLiteral("fyname"), QStringLiteral("费用名称")},
            {QStringLiteral("fyprice"), QStringLiteral("费用总计"), F::Money},
            {QStringLiteral("fydepa"), QStringLiteral("费用部门")},
            {QStringLiteral("fydoctor"), QStringLiteral("费用医生")},
            {QStringLiteral("jzman"), QStringLiteral("结帐员")}};
}

}  // namespace

Tfrmmz_query_recman::Tfrmmz_query_recman(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frmmz_query_recman"), QStringLiteral("本日缴款项记录")),
      db_(db),
      ui_(buildForm()) {
    // Closed with its own button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    cashierday::buildPaymentSheet(QuickRep1_);
    ADOQuerymz_cost.shownIn(ui_.DBGrid1, chargeColumns()).feeds(QuickRep1_);
    connect(ui_.bitbtnquery, &QPushButton::clicked, this, [this] { bitbtnqueryClick(); });
    connect(ui_.SpeedButton3, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(ui_.SpeedButton2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrmmz_query_recman::FormShow() {
    applyDateDefault(DateDefault::SingleNow);
}

void Tfrmmz_query_recman::FormActivate() {
    QueryScreen::FormActivate();
    applyDateDefault(DateDefault::SingleToday);
    // Read again on every activation, each cashier listed once; the choice is kept.
    const bool chosen = ui_.ComboBox1->currentIndex() >= 0;
    auto rows = db_.query(cashierday::cashierList());
    QStringList names;
    const int name = rows->columnIndex(u"name");
    for (int row = 0; row < rows->recordCount(); ++row) {
        names << rows->text(row, name);
    }
    fillCombo(ui_.ComboBox1, names);
    if (!chosen) {
        ui_.ComboBox1->setCurrentIndex(-1);
    }
}

void Tfrmmz_query_recman::bitbtnqueryClick() {
    guarded([this] { listCharges(); });
}

void Tfrmmz_query_recman::listCharges() {
    const Listed asked{ui_.ComboBox1->currentText(), startDay()};
    const bool found =
        !ADOQuerymz_cost.reset(db_.query(cashierday::cashierCharges(asked.cashier, asked.day)))
             .isEmpty();
    listed_ = asked;
    if (!found) {
        message(QStringLiteral("今日没有收取费用！"), QStringLiteral("系统操作提示："));
        ui_.ComboBox1->setFocus();
    }
}

void Tfrmmz_query_recman::SpeedButton3Click() {
    // Nothing listed yet, or nothing found: no sheet, empty or left over, is shown.
    if (!listed_) {
        message(QStringLiteral("请先统计本日缴款记录！"), QStringLiteral("系统操作提示："));
        ui_.bitbtnquery->setFocus();
        return;
    }
    if (ADOQuerymz_cost->isEmpty()) {
        message(QStringLiteral("今日没有收取费用！"), QStringLiteral("系统操作提示："));
        ui_.ComboBox1->setFocus();
        return;
    }
    guarded([this] {
        cashierday::fillPaymentSheet(QuickRep1_, Session::current().hospitalName, listed_->cashier,
                                     listed_->day);
        report::previewReport(this, QuickRep1_);
    });
}

}  // namespace orbista
