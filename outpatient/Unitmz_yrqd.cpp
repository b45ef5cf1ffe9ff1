#include "Unitmz_yrqd.h"

#include "Unitmz_yrqd_sql.h"
#include "database.h"
#include "prompts.h"
#include "report.h"

#include <QPushButton>

namespace orbista {

Tfrmmz_yrqd::Tfrmmz_yrqd(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frmmz_yrqd"), QStringLiteral("门诊费用一日清单")),
      db_(db),
      ui_(buildForm()) {
    onedaylist::buildOneDayList(QuickRep1_);
    ado_cost.feeds(QuickRep1_);
    connect(ui_.BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(ui_.BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrmmz_yrqd::FormShow() {
    applyDateDefault(DateDefault::SingleToday);
}

void Tfrmmz_yrqd::BitBtn1Click() {
    QString failure;
    try {
        previewTakings();
        return;
    } catch (const DbError& e) {
        failure = e.message();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    // The desk's own words, then what the database said, so the cause can be reported.
    simpleMessage(QStringLiteral("数据库出错!,请重新再度!!!") + u'\n' + failure);
}

void Tfrmmz_yrqd::previewTakings() {
    const QString day = startDay();
    if (ado_cost.reset(db_.query(onedaylist::takings(day))).isEmpty()) {
        simpleMessage(QStringLiteral("当日无费用!"));
        return;
    }
    onedaylist::fillOneDayList(QuickRep1_, day);
    report::previewReport(this, QuickRep1_);
}

}  // namespace orbista
