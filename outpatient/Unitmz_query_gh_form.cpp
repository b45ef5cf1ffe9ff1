// The controls of the registration query and where they sit.
#include "Unitmz_query_gh.h"

#include "formkit.h"
#include "recordpanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orbista {

namespace {

// The details of the current registration, each value after its caption.
QGridLayout* recordPanel(QWidget* parent, ResultGrid* grid) {
    using F = GridColumn::Format;
    return detailsGrid(parent, grid,
                       {{"挂号时间：", "indate", F::Date},
                        {"门诊ID号：", "code", F::Text},
                        {"登 记 员:", "recman", F::Text},
                        {"患者姓名：", "name", F::Text},
                        {"挂号科室：", "indepa", F::Text},
                        {"", "indoctor", F::Text},
                        {"挂号类型：", "ghtype", F::Text},
                        {"挂号费用：", "price", F::Money}},
                       110);
}

}  // namespace

Tfrmmz_query_gh::Ui Tfrmmz_query_gh::buildForm() {
    FormKit kit(this);
    Ui ui{};
    std::tie(ui.DateTimePicker1, ui.DateTimePicker2) = kit.dateRange();
    ui.rbcode = kit.mode("rbcode", QStringLiteral("患者ID："));
    ui.Editcode = kit.edit("Editcode", 90);
    ui.Editcode->setMaxLength(7);
    ui.rbdepa = kit.mode("rbdepa", QStringLiteral("患者部门："), true);
    const CodeNameCombo department = kit.codeNameCombo("edt_code", "ComboBoxdepa");
    ui.edt_code = department.code;
    ui.ComboBoxdepa = department.list;
    ui.rbrecman = kit.mode("rbrecman", QStringLiteral("按照收费员查询："));
    ui.Editrecman = kit.edit("Editrecman", 110);
    kit.modeBoxes(ui.rbcode, {ui.Editcode});
    kit.modeBoxes(ui.rbdepa, {ui.ComboBoxdepa, ui.edt_code});
    kit.modeBoxes(ui.rbrecman, {ui.Editrecman});
    ui.bitbtnquery = kit.button("bitbtnquery", QStringLiteral("查询(&C)"));
    ui.bitbtnprint = kit.button("bitbtnprint", QStringLiteral("打印"));
    ui.SpeedButton3 = kit.button("SpeedButton3", QStringLiteral("关闭(&C)"));
    ui.Label6 = kit.label("Label6");
    ui.DBGrid1 = kit.grid("DBGrid1", 820, 300);

    auto* page = new QVBoxLayout(this);
    page->addWidget(
        kit.box({}, {u"时间段：", ui.DateTimePicker1, ui.DateTimePicker2, RowItem::stretch()}));
    page->addWidget(kit.box({}, {ui.rbcode, ui.Editcode, ui.rbdepa, ui.edt_code, ui.ComboBoxdepa,
                                 ui.rbrecman, ui.Editrecman, RowItem::stretch()}));
    page->addLayout(FormKit::row(
        {ui.Label6, RowItem::stretch(), ui.bitbtnquery, ui.bitbtnprint, ui.SpeedButton3}));
    page->addWidget(ui.DBGrid1, 1);
    page->addLayout(recordPanel(this, ui.DBGrid1));
    page->addWidget(kit.statusBar(QStringLiteral("门诊挂号查询统计")));
    return ui;
}

}  // namespace orbista
