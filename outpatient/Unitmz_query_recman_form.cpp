// The controls of the cashier's day and where they sit.
#include "Unitmz_query_recman.h"

#include "formkit.h"

#include <QComboBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orbista {

Tfrmmz_query_recman::Ui Tfrmmz_query_recman::buildForm() {
    FormKit kit(this);
    Ui ui{};
    ui.ComboBox1 = kit.combo("ComboBox1");
    ui.DateTimePicker1 = kit.singleDate("DateTimePicker1");
    ui.bitbtnquery = kit.button("bitbtnquery", QStringLiteral("统计(&T)"));
    ui.SpeedButton3 = kit.button("SpeedButton3", QStringLiteral("打印(&P)"));
    ui.SpeedButton2 = kit.button("SpeedButton2", QStringLiteral("退出(&X)"));
    ui.DBGrid1 = kit.grid("DBGrid1", 760, 340);
    auto [bitbtnprior, bitbtnnext] = kit.recordButtons("bitbtnprior", "bitbtnnext", ui.DBGrid1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(FormKit::row(
        {u"当前交款员：", ui.ComboBox1, u"当前日期：", ui.DateTimePicker1, RowItem::stretch()}));
    page->addLayout(FormKit::row({RowItem::stretch(), ui.bitbtnquery, bitbtnprior, bitbtnnext,
                                  ui.SpeedButton3, ui.SpeedButton2}));
    page->addWidget(ui.DBGrid1, 1);
    page->addWidget(kit.statusBar(QStringLiteral("个人交款单"), OperatorPanel::NameOnly));
    return ui;
}

}  // namespace orbista
