// The controls of the outpatient doctor income and where they sit.
#include "Unitmz_query_cost_doctor.h"

#include "formkit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orbista {

Tfrmmz_query_cost_doctor::Ui Tfrmmz_query_cost_doctor::buildForm() {
    FormKit kit(this);
    Ui ui{};
    std::tie(ui.DateTimePicker1, ui.DateTimePicker2) = kit.dateRange();
    const CodeNameCombo doctor = kit.codeNameCombo("Editdoctorcode", "editdoctor");
    ui.Editdoctorcode = doctor.code;
    ui.editdoctor = doctor.list;
    ui.bitbtnquery = kit.button("bitbtnquery", QStringLiteral("查询(&C)"));
    ui.SpeedButton1 = kit.button("SpeedButton1", QStringLiteral("全部医生汇总表"));
    ui.DBGrid1 = kit.grid("DBGrid1", 760, 360);
    ui.DBGrid2 = kit.grid("DBGrid2", 760, 360);
    ui.DBGrid2->hide();
    auto [bitbtnprior, bitbtnnext] = kit.recordButtons("bitbtnprior", "bitbtnnext", ui.DBGrid1);
    ui.bitbtnclose = kit.button("bitbtnclose", QStringLiteral("返回(&X)"));
    ui.Panel2 = kit.panel("Panel2");
    ui.Panel4 = kit.panel("Panel4");

    auto* page = new QVBoxLayout(this);
    page->addWidget(
        kit.box({}, {u"从:", ui.DateTimePicker1, u"到：", ui.DateTimePicker2, u"医生姓名:",
                     ui.Editdoctorcode, ui.editdoctor, RowItem::stretch()}));
    page->addLayout(FormKit::row({ui.Panel2, ui.Panel4, RowItem::stretch(), ui.bitbtnquery,
                                  ui.SpeedButton1, bitbtnprior, bitbtnnext, ui.bitbtnclose}));
    page->addWidget(ui.DBGrid1, 1);
    page->addWidget(ui.DBGrid2, 1);
    page->addWidget(kit.statusBar(QStringLiteral("〖门诊医生费用查询〗")));
    return ui;
}

}  // namespace orbista
