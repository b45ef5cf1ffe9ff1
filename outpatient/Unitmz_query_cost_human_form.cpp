// The controls of the patient fee query and where they sit.
#include "Unitmz_query_cost_human.h"

#include "formkit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orbista {

Tfrmmz_query_cost_human::Ui Tfrmmz_query_cost_human::buildForm() {
    FormKit kit(this);
    Ui ui{};
    ui.rb_hzname = kit.mode("rb_hzname", QStringLiteral("按患者姓名查询"), true);
    ui.rb_hzid = kit.mode("rb_hzid", QStringLiteral("按患者ID号查询"));
    ui.DateTimePicker1 = kit.singleDate("DateTimePicker1");
    ui.Editcode = kit.edit("Editcode", 110);
    ui.Editcode->setMaxLength(7);
    ui.bitbtnquery = kit.button("bitbtnquery", QStringLiteral("查询(&C)"));
    ui.DBGrid1 = kit.grid("DBGrid1", 820, 340);
    auto [bitbtnprior, bitbtnnext] = kit.recordButtons("bitbtnprior", "bitbtnnext", ui.DBGrid1);
    ui.bitbtnclose = kit.button("bitbtnclose", QStringLiteral("返回(&X)"));
    ui.Panel6 = kit.panel("Panel6");

    auto* page = new QVBoxLayout(this);
    page->addWidget(kit.box({}, {ui.rb_hzname, ui.rb_hzid, u"请选择查询日期：", ui.DateTimePicker1,
                                 u"请输入查询值：", ui.Editcode, RowItem::stretch()}));
    page->addLayout(FormKit::row(
        {ui.Panel6, RowItem::stretch(), ui.bitbtnquery, bitbtnprior, bitbtnnext, ui.bitbtnclose}));
    page->addWidget(ui.DBGrid1, 1);
    QStatusBar* status = kit.statusBar(QStringLiteral("〖门诊患者费用查询〗"));
    if (auto* title = status->findChild<QLabel*>()) {
        title->setAlignment(Qt::AlignCenter);
    }
    page->addWidget(status);
    return ui;
}

}  // namespace orbista
