// The controls of the outpatient income statistics and where they sit.
#include "Unitmz_query_cost_total.h"

#include "formkit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orbista {

Tfrmmz_query_cost_total::Ui Tfrmmz_query_cost_total::buildForm() {
    FormKit kit(this);
    Ui ui{};
    std::tie(ui.DateTimePicker1, ui.DateTimePicker2) = kit.dateRange();

    ui.rbman = kit.mode("rbman", QStringLiteral("统计收费员："));
    ui.editjzman = kit.edit("editjzman");
    ui.rbdoctor = kit.mode("rbdoctor", QStringLiteral("统计医生："));
    const CodeNameCombo doctor = kit.codeNameCombo("Editdoctorcode", "ComboBox1");
    ui.Editdoctorcode = doctor.code;
    ui.ComboBox1 = doctor.list;
    ui.rbdepa = kit.mode("rbdepa", QStringLiteral("统计科室："), true);
    const CodeNameCombo department = kit.codeNameCombo("Editdepacode", "comboboxdepa");
    ui.Editdepacode = department.code;
    ui.comboboxdepa = department.list;
    ui.Editdepacode->setToolTip(QStringLiteral("请输入数值（0---9）"));
    ui.rb_All = kit.mode("rb_All", QStringLiteral("全部科室"));
    kit.modeBoxes(ui.rbman, {ui.editjzman});
    kit.modeBoxes(ui.rbdoctor, {ui.Editdoctorcode, ui.ComboBox1});
    kit.modeBoxes(ui.rbdepa, {ui.Editdepacode, ui.comboboxdepa});

    ui.fysum = kit.label("fysum", QStringLiteral("     "));
    ui.SpeedButton1 = kit.button("SpeedButton1", QStringLiteral("查询(&C)"));
    ui.DBGrid1 = kit.grid("DBGrid1", 280, 360);
    ui.DBGrid2 = kit.grid("DBGrid2", 640, 360);
    auto [SpeedButton2, SpeedButton3] =
        kit.recordButtons("SpeedButton2", "SpeedButton3", ui.DBGrid2);
    ui.bitbtnprint =
        kit.button("bitbtnprint", QStringLiteral("打印统计"), QStringLiteral("进行打印数据的输出"));
    ui.SpeedButton4 = kit.button("SpeedButton4", QStringLiteral("返回(&X)"));

    auto* filters = new QGridLayout;
    filters->addWidget(kit.panelRow({ui.rbman, ui.editjzman}), 0, 0);
    filters->addWidget(kit.panelRow({ui.rbdoctor, ui.Editdoctorcode, ui.ComboBox1}), 0, 1);
    filters->addWidget(kit.panelRow({ui.rbdepa, ui.Editdepacode, ui.comboboxdepa}), 1, 1);
    filters->addWidget(kit.panelRow({ui.rb_All}), 1, 0);

    auto* page = new QVBoxLayout(this);
    page->addWidget(kit.box(
        {}, {u"时间段从：", ui.DateTimePicker1, u"到：", ui.DateTimePicker2, RowItem::stretch()}));
    page->addLayout(filters);
    page->addLayout(FormKit::row({ui.fysum, RowItem::stretch(), ui.SpeedButton1, SpeedButton2,
                                  SpeedButton3, ui.bitbtnprint, ui.SpeedButton4}));
    page->addLayout(FormKit::row({ui.DBGrid1, ui.DBGrid2}), 1);
    page->addWidget(kit.statusBar(QStringLiteral("门诊收入合计报表")));
    // A fixed single border: the window keeps the size of its contents.
    page->setSizeConstraint(QLayout::SetFixedSize);
    return ui;
}

}  // namespace orbista
