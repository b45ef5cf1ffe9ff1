// The controls of the department and doctor fee statistics and where they sit.
#include "Unitfrmmz_depa_query.h"

#include "formkit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace orbista {

FeeStatisticsScreen::Ui FeeStatisticsScreen::buildForm() {
    FormKit kit(this);
    Ui ui{};
    ui.list = kit.combo(variant_.listName);
    std::tie(ui.DateTimePicker1, ui.DateTimePicker2) = kit.dateRange();
    ui.BitBtn1 = kit.button("BitBtn1", QStringLiteral("明细(&A)"));
    ui.BitBtn2 = kit.button("BitBtn2", QStringLiteral("统计(&D)"));
    ui.BitBtn3 = kit.button("BitBtn3", QStringLiteral("退出(&E)"));
    ui.DBGrid2 = kit.grid("DBGrid2", 760, 320);

    auto* page = new QVBoxLayout(this);
    page->addLayout(FormKit::row({variant_.listLabel, ui.list, RowItem::stretch()}));
    page->addWidget(kit.box(
        QStringLiteral("查询时间段"),
        {u"起始时间", ui.DateTimePicker1, u"截止时间", ui.DateTimePicker2, RowItem::stretch()}));
    page->addWidget(kit.box(QStringLiteral("功能健"),
                            {RowItem::stretch(), ui.BitBtn1, ui.BitBtn2, ui.BitBtn3}));
    page->addWidget(ui.DBGrid2, 1);
    return ui;
}

}  // namespace orbista
