#include "Unit_mzbm_total.h"

#include "Unit_mzbm_total_reports.h"
#include "database.h"
#include "formkit.h"
#include "printjob.h"
#include "report.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace orbista {

const QList<FeeCrossTabScreen::Variant>& FeeCrossTabScreen::variants() {
    static const QList<Variant> all{{QStringLiteral("TForm2"), QStringLiteral("Form2"),
                                     QStringLiteral("门诊部门统计"), feecrosstab::By::Department},
                                    {QStringLiteral("TForm3"), QStringLiteral("Form3"),
                                     QStringLiteral("门诊医生统计"), feecrosstab::By::Doctor}};
    return all;
}

FeeCrossTabScreen::FeeCrossTabScreen(Database& db, const Variant& variant, QWidget* owner)
    : QueryScreen(owner, variant.objectName, variant.caption), db_(db), by_(variant.by) {
    FormKit kit(this);
    auto [DateTimePicker3, DateTimePicker4] = kit.dateRange("DateTimePicker3", "DateTimePicker4");
    BitBtn1 = kit.button("BitBtn1", QStringLiteral("预览(&P)"));
    QPushButton* BitBtn2 = kit.button("BitBtn2", QStringLiteral("退出(&E)"));
    auto* page = new QVBoxLayout(this);
    page->addWidget(
        kit.box(QStringLiteral("统计时间性"), {DateTimePicker3, DateTimePicker4}, "GroupBox1"));
    page->addLayout(FormKit::row({RowItem::stretch(), BitBtn1, BitBtn2}));

    feecrosstab::buildReport(QuickRep1_);
    adp1.feeds(QuickRep1_);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void FeeCrossTabScreen::FormActivate() {
    QueryScreen::FormActivate();
    applyDateDefault(DateDefault::TodayToday);
}

void FeeCrossTabScreen::BitBtn1Click() {
    if (!checkDateRange(RangeComparison::WholeValues, QStringLiteral("超始日期不能大于结束日期"),
                        QStringLiteral("系统操作提示"), PromptIcon::Information)) {
        return;
    }
    try {
        previewStatistics();
    } catch (const std::exception&) {
        BitBtn1->unsetCursor();
        simpleMessage(QStringLiteral("数据库统计出错,请重新再试"));
    }
}

void FeeCrossTabScreen::previewStatistics() {
    const report::PrintContext context = sessionPrintContext(startDay(), endDay());
    if (adp1.reset(feecrosstab::callProcedure(db_, by_, context.startDay, context.endDay))
            .isEmpty()) {
        simpleMessage(QStringLiteral("时间段内无费用发生!"));
        return;
    }
    BitBtn1->setCursor(Qt::WaitCursor);
    feecrosstab::prepareReport(db_, QuickRep1_, by_, context, *adp1.get());
    // Laid out before the window opens, so a result the columns cannot read fails here.
    report::ReportPreviewSession session(QuickRep1_);
    session.document();
    BitBtn1->unsetCursor();
    preview(session);
}

TForm2::TForm2(Database& db, QWidget* owner) : FeeCrossTabScreen(db, variants()[0], owner) {}

TForm3::TForm3(Database& db, QWidget* owner) : FeeCrossTabScreen(db, variants()[1], owner) {}

}  // namespace orbista
