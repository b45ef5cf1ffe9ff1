// The controls of the refund query and where they sit.
#include "Unitmz_query_cost_tk.h"

#include "formkit.h"
#include "recordpanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orbista {

namespace {

// The details of the current refund, each value after its caption.
QGridLayout* recordPanel(QWidget* parent, ResultGrid* grid) {
    using F = GridColumn::Format;
    return detailsGrid(parent, grid,
                       {{"发生日期：", "fydate", F::DateTime},
                        {"登记员：", "jzman", F::Text},
                        {"单 据 号：", "fycode", F::Text},
                        {"费用医生：", "fydoctor", F::Text},
                        {"费用名称：", "fyname", F::Text},
                        {"退款金额：", "fyprice", F::Money},
                        {"退款原因：", "reason", F::Text}},
                       130);
}

}  // namespace

Tfrmmz_query_cost_tk::Ui Tfrmmz_query_cost_tk::buildForm() {
    FormKit kit(this);
    Ui ui{};
    ui.rbfycode = kit.mode("rbfycode", QStringLiteral("按照费用号码查询："), true);
    ui.Editfycode = kit.edit("Editfycode", 140);
    kit.modeBoxes(ui.rbfycode, {ui.Editfycode});
    ui.bitbtnquery = kit.button("bitbtnquery", QStringLiteral("查询(&C)"));
    ui.DBGrid2 = kit.grid("DBGrid2", 860, 320);
    auto [bitbtnprior, bitbtnnext] = kit.recordButtons("bitbtnprior", "bitbtnnext", ui.DBGrid2);
    ui.bitbtnclose = kit.button("bitbtnclose", QStringLiteral("返回(&X)"));

    auto* page = new QVBoxLayout(this);
    page->addWidget(kit.box({}, {ui.rbfycode, ui.Editfycode, RowItem::stretch(), ui.bitbtnquery,
                                 bitbtnprior, bitbtnnext, ui.bitbtnclose}));
    auto* details = new QGroupBox(this);
    details->setLayout(recordPanel(details, ui.DBGrid2));
    page->addWidget(details);
    page->addWidget(ui.DBGrid2, 1);
    page->addWidget(kit.statusBar(QStringLiteral("门诊退款查询")));
    return ui;
}

}  // namespace orbista
