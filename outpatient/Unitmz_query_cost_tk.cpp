#include "Unitmz_query_cost_tk.h"

#include "Unitmz_query_cost_tk_sql.h"
#include "database.h"

#include <QLineEdit>
#include <QPushButton>

namespace orbista {

namespace {

QList<GridColumn> refundColumns() {
    using F = GridColumn::Format;
    return {{QStringLiteral("code"), QStringLiteral("门诊ID号")},
            {QStringLiteral("fydate"), QStringLiteral("发生日期"), F::DateTime},
            {QStringLiteral("reason"), QStringLiteral("患者姓名")},
            {QStringLiteral("fycode"), QStringLiteral("费用单号")},
            {QStringLiteral("fyname"), QStringLiteral("费用名称")},
            {QStringLiteral("fyprice"), QStringLiteral("费用总价"), F::Money},
            {QStringLiteral("fydepa"), QStringLiteral("费用部门")},
            {QStringLiteral("fydoctor"), QStringLiteral("费用医生")},
            {QStringLiteral("jzman"), QStringLiteral("登记员")}};
}

}  // namespace

Tfrmmz_query_cost_tk::Tfrmmz_query_cost_tk(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frmmz_query_cost_tk"), QStringLiteral("门诊退款查询")),
      db_(db),
      ui_(buildForm()) {
    // Closed with its own button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ADOQuerymz_tk.shownIn(ui_.DBGrid2, refundColumns());
    runOnEnter(ui_.Editfycode, ui_.bitbtnquery);
    connect(ui_.bitbtnquery, &QPushButton::clicked, this, [this] { bitbtnqueryClick(); });
    connect(ui_.bitbtnclose, &QPushButton::clicked, this, &QDialog::reject);
    // Every refund is listed from the start.
    guarded([this] { ADOQuerymz_tk.reset(db_.query(refundquery::allRefunds())); });
}

void Tfrmmz_query_cost_tk::FormActivate() {
    QueryScreen::FormActivate();
    ui_.Editfycode->setFocus();
}

void Tfrmmz_query_cost_tk::bitbtnqueryClick() {
    guarded([this] { listRefunds(); });
}

void Tfrmmz_query_cost_tk::listRefunds() {
    ResultSet& rows = ADOQuerymz_tk.reset(db_.query(refundquery::refunds(ui_.Editfycode->text())));
    if (rows.isEmpty()) {
        message(QStringLiteral("没有该费用号码的退款记录"), QStringLiteral("系统操作提示："));
        ui_.Editfycode->setFocus();
    }
}

}  // namespace orbista
