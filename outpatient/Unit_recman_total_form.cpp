// The controls of the cashier's takings and where they sit.
#include "Unit_recman_total.h"

#include "formkit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace orbista {

namespace {

QTimeEdit* timePicker(QWidget* parent, const char* name) {
    auto* t = named(new QTimeEdit(QTime(0, 0), parent), name);
    t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return t;
}

}  // namespace

Tfrm_recan_total::Ui Tfrm_recan_total::buildForm() {
    FormKit kit(this);
    Ui ui{};
    std::tie(ui.DateTimePicker1, ui.DateTimePicker2) = kit.dateRange();
    ui.DateTimePicker3 = timePicker(this, "DateTimePicker3");
    ui.DateTimePicker4 = timePicker(this, "DateTimePicker4");
    ui.ComboBox1 = kit.combo("ComboBox1");
    ui.BitBtn1 = kit.button("BitBtn1", QStringLiteral("结帐"));
    ui.BitBtn3 = kit.button("BitBtn3", QStringLiteral("打印"));
    ui.BitBtn2 = kit.button("BitBtn2", QStringLiteral("退出"));

    auto* conditions = new QGroupBox(QStringLiteral("条件选择"), this);
    auto* rows = new QVBoxLayout(conditions);
    rows->addLayout(
        FormKit::row({u"起始日期", ui.DateTimePicker1, ui.DateTimePicker3, RowItem::stretch()}));
    rows->addLayout(
        FormKit::row({u"终止日期", ui.DateTimePicker2, ui.DateTimePicker4, RowItem::stretch()}));
    rows->addLayout(FormKit::row({u"收费员:", ui.ComboBox1, RowItem::stretch()}));
    rows->addLayout(FormKit::row({RowItem::stretch(), ui.BitBtn1, ui.BitBtn3, ui.BitBtn2}));
    auto* page = new QVBoxLayout(this);
    page->addWidget(conditions);
    return ui;
}

}  // namespace orbista
