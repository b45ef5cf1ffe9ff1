#include "Unit_recman_total.h"

#include "Unit_recman_total_reports.h"
#include "Unit_recman_total_sql.h"
#include "database.h"
#include "report.h"
#include "session.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimeEdit>

namespace orbista {

Tfrm_recan_total::Tfrm_recan_total(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frm_recan_total"), QStringLiteral("门诊个人收款记录")),
      db_(db),
      ui_(buildForm()) {
    cashiertakings::buildReconciliationSheet(QuickRep1_);
    ado_zz.feeds(QuickRep1_);
    connect(ui_.BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(ui_.BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(ui_.BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_recan_total::FormShow() {
    // Once, when the window first shows: the list, its first cashier and the two days.
    auto rows = db_.query(cashiertakings::cashierList());
    QStringList names;
    const int name = rows->columnIndex(u"name");
    for (int row = 0; row < rows->recordCount(); ++row) {
        names << rows->text(row, name);
    }
    fillCombo(ui_.ComboBox1, names);
    ui_.ComboBox1->setCurrentIndex(names.isEmpty() ? -1 : 0);
    applyDateDefault(DateDefault::YesterdayToday);
}

void Tfrm_recan_total::BitBtn1Click() {
    guarded([this] { total(); });
}

void Tfrm_recan_total::total() {
    const QString cashier = ui_.ComboBox1->currentText();
    const QDateTime start(ui_.DateTimePicker1->value().date(), ui_.DateTimePicker3->time());
    const QDateTime end(ui_.DateTimePicker2->value().date(), ui_.DateTimePicker4->time());
    if (ado_zz.reset(db_.query(cashiertakings::takingsByFee(cashier, start, end))).isEmpty()) {
        message(QStringLiteral("没有收费数据发生!"), QStringLiteral("门诊对帐"), PromptIcon::None);
        return;
    }
    // The sheet names the cashier and moments of this total, even if the controls change
    // before it is printed again.
    cashiertakings::fillReconciliationSheet(QuickRep1_, Session::current().hospitalName, cashier,
                                            start, end);
    report::previewReport(this, QuickRep1_);
}

void Tfrm_recan_total::BitBtn3Click() {
    if (!ado_zz || ado_zz->isEmpty()) {
        return;  // nothing totalled: nothing to print
    }
    guarded([this] { report::previewReport(this, QuickRep1_); });
}

}  // namespace orbista
