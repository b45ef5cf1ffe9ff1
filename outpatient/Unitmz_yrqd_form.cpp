// The controls of the outpatient one-day list and where they sit.
#include "Unitmz_yrqd.h"

#include "formkit.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace orbista {

Tfrmmz_yrqd::Ui Tfrmmz_yrqd::buildForm() {
    FormKit kit(this);
    Ui ui{};
    ui.DateTimePicker1 = kit.singleDate("DateTimePicker1");
    ui.BitBtn1 = kit.button("BitBtn1", QStringLiteral("明细(&A)"));
    ui.BitBtn3 = kit.button("BitBtn3", QStringLiteral("退出(&E)"));

    auto* page = new QVBoxLayout(this);
    page->addWidget(kit.box({}, {u"起始时间", ui.DateTimePicker1, RowItem::stretch()}));
    page->addWidget(
        kit.box(QStringLiteral("功能键"), {RowItem::stretch(), ui.BitBtn1, ui.BitBtn3}));
    return ui;
}

}  // namespace orbista
