// The controls of the prescription and non-prescription charges and where they sit.
#include "cffcfbb.h"

#include "formkit.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orbista {

Tcf_form::Ui Tcf_form::buildForm() {
    FormKit kit(this);
    Ui ui{};
    ui.rb_y = kit.mode("rb_y", QStringLiteral("处方数据"), true);
    ui.rb_n = kit.mode("rb_n", QStringLiteral("非处方数据"));
    std::tie(ui.DateTimePicker1, ui.DateTimePicker2) = kit.dateRange();
    ui.BitBtn1 = kit.button("BitBtn1", QStringLiteral("统计数据"));
    ui.BitBtn2 = kit.button("BitBtn2", QStringLiteral("打印数据"));
    ui.BitBtn3 = kit.button("BitBtn3", QStringLiteral("返回"));
    ui.DBGrid1 = kit.grid("DBGrid1", 760, 340);

    auto* page = new QVBoxLayout(this);
    page->addWidget(
        kit.box(QStringLiteral("请选择查询方式"), {ui.rb_y, ui.rb_n, RowItem::stretch()}));
    page->addWidget(
        kit.box(QStringLiteral("统计日期"), {u"起始日期：", ui.DateTimePicker1, u"终止日期：",
                                             ui.DateTimePicker2, RowItem::stretch()}));
    page->addLayout(FormKit::row({RowItem::stretch(), ui.BitBtn1, ui.BitBtn2, ui.BitBtn3}));
    page->addWidget(ui.DBGrid1, 1);
    return ui;
}

}  // namespace orbista
