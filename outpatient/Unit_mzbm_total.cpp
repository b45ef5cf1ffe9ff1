#include "Unit_mzbm_total.h"

#include "database.h"
#include "feecrosstabreport.h"
#include "report.h"
#include "screenwidgets.h"
#include "session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbista {

FeeCrossTabScreen::FeeCrossTabScreen(Database& db, feecrosstab::By by, QWidget* owner,
                                     const QString& objectName, const QString& caption)
    : QueryScreen(owner, objectName, caption),
      db_(db),
      by_(by),
      QuickRep1_(std::make_unique<report::ReportLayout>()) {
    buildForm();
    feecrosstab::buildReport(*QuickRep1_);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

FeeCrossTabScreen::~FeeCrossTabScreen() {
    QuickRep1_->bind(nullptr);
}

void FeeCrossTabScreen::buildForm() {
    DateTimePicker3 = createDatePicker(QStringLiteral("DateTimePicker3"), kStartTimeOfDay);
    DateTimePicker4 = createDatePicker(QStringLiteral("DateTimePicker4"), kEndTimeOfDay);
    setDatePickers(DateTimePicker3, DateTimePicker4);
    BitBtn1 = actionButton(this, "BitBtn1", QStringLiteral("预览(&P)"));
    BitBtn2 = actionButton(this, "BitBtn2", QStringLiteral("退出(&E)"));

    auto* GroupBox1 = named(new QGroupBox(QStringLiteral("统计时间性"), this), "GroupBox1");
    auto* dates = new QHBoxLayout(GroupBox1);
    dates->addWidget(DateTimePicker3);
    dates->addWidget(DateTimePicker4);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* page = new QVBoxLayout(this);
    page->addWidget(GroupBox1);
    page->addLayout(buttons);
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
    const QString start = startDay();
    const QString end = endDay();
    ProcedureCall call(QStringLiteral("mz_fenlei_total"));
    call.in(QStringLiteral("@startdate"), start, QStringLiteral("varchar(10)"))
        .in(QStringLiteral("@enddate"), end, QStringLiteral("varchar(10)"))
        .in(QStringLiteral("@bz"), feecrosstab::bzOf(by_), QStringLiteral("varchar(2)"));
    auto rows = db_.call(call);
    QuickRep1_->bind(rows.get());
    adp1 = std::move(rows);
    if (adp1->isEmpty()) {
        simpleMessage(QStringLiteral("时间段内无费用发生!"));
        return;
    }

    BitBtn1->setCursor(Qt::WaitCursor);
    const QStringList names = feecrosstab::feeNames(db_, start, end);
    feecrosstab::checkAmountColumns(*adp1, names);
    feecrosstab::fillReport(
        *QuickRep1_, by_,
        {Session::current().hospitalName, Session::current().operatorName, start, end}, names);
    // Laid out before the window opens, so a result the columns cannot read fails here.
    report::ReportPreviewSession session(*QuickRep1_);
    session.document();
    BitBtn1->unsetCursor();
    preview(session);
}

TForm2::TForm2(Database& db, QWidget* owner)
    : FeeCrossTabScreen(db, feecrosstab::By::Department, owner, QStringLiteral("Form2"),
                        QStringLiteral("门诊部门统计")) {}

TForm3::TForm3(Database& db, QWidget* owner)
    : FeeCrossTabScreen(db, feecrosstab::By::Doctor, owner, QStringLiteral("Form3"),
                        QStringLiteral("门诊医生统计")) {}

}  // namespace orbista
