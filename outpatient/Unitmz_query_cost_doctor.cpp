#include "Unitmz_query_cost_doctor.h"

#include "Unitmz_query_cost_doctor_sql.h"
#include "codeentry.h"
#include "database.h"
#include "printjob.h"
#include "report.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orbista {

namespace {

QList<GridColumn> chargeColumns() {
    using F = GridColumn::Format;
    QList<GridColumn> columns{{QStringLiteral("code"), QStringLiteral("患者姓名")},
                              {QStringLiteral("fydate"), QStringLiteral("费用发生日期"), F::Date},
                              {QStringLiteral("fycode"), QStringLiteral("费用单号")},
                              {QStringLiteral("fyname"), QStringLiteral("费用名称")},
                              {QStringLiteral("fyprice"), QStringLiteral("费用总计"), F::Money},
                              {QStringLiteral("fydepa"), QStringLiteral("费用部门")},
                              {QStringLiteral("fydoctor"), QStringLiteral("费用医生")},
                              {QStringLiteral("jzman"), QStringLiteral("结帐员")}};
    for (GridColumn& c : columns) {
        c.alignment = Qt::AlignCenter;
    }
    return columns;
}

QList<GridColumn> doctorColumns() {
    return {
        {QStringLiteral("fydoctor"), QStringLiteral("医生姓名")},
        {QStringLiteral("fydepa"), QStringLiteral("费用发生科室")},
        {QStringLiteral("doctorsum"), QStringLiteral("费用发生金额"), GridColumn::Format::Money}};
}

}  // namespace

Tfrmmz_query_cost_doctor::Tfrmmz_query_cost_doctor(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frmmz_query_cost_doctor"),
                  QStringLiteral("门诊医生收入情况")),
      db_(db),
      ui_(buildForm()) {
    // Closed with its own button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    doctorincome::buildDoctorSummary(QuickRep1_);
    doctorincome::buildChargeTable(QuickRep2_);
    ADOQuerymz_cost.shownIn(ui_.DBGrid1, chargeColumns()).feeds(QuickRep2_);
    total.shownIn(ui_.DBGrid2, doctorColumns()).feeds(QuickRep1_);

    for (DatePicker* picker : {ui_.DateTimePicker1, ui_.DateTimePicker2}) {
        connect(picker, &QDateTimeEdit::dateTimeChanged, ui_.Editdoctorcode,
                [this] { ui_.Editdoctorcode->setFocus(); });
        onEnter(picker, [this] { ui_.Editdoctorcode->setFocus(); });
    }
    connect(ui_.Editdoctorcode, &QLineEdit::textChanged, ui_.Panel2, [this] {
        ui_.Panel2->clear();
        ui_.Panel4->clear();
    });
    onEnter(ui_.Editdoctorcode, [this] { EditdoctorcodeKeyPress(); });
    // Choosing a doctor takes the name after the "::".
    connect(ui_.editdoctor, &QComboBox::currentIndexChanged, this,
            [this] { selectedDoctor_ = nameOfItem(ui_.editdoctor->currentText()); });
    runOnEnter(ui_.editdoctor, ui_.bitbtnquery);
    connect(ui_.bitbtnquery, &QPushButton::clicked, this, [this] { bitbtnqueryClick(); });
    connect(ui_.SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(ui_.bitbtnclose, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrmmz_query_cost_doctor::FormShow() {
    fillCombo(ui_.editdoctor, codeNameItems(db_, QStringLiteral("data_doctor")));
    ui_.editdoctor->setCurrentIndex(-1);
    applyDateDefault(DateDefault::NowNow);
}

void Tfrmmz_query_cost_doctor::FormActivate() {
    QueryScreen::FormActivate();
    applyDateDefault(DateDefault::NowNow);
}

void Tfrmmz_query_cost_doctor::EditdoctorcodeKeyPress() {
    if (ui_.Editdoctorcode->text().isEmpty()) {
        ui_.editdoctor->setFocus();
        return;
    }
    guarded([this] { lookUpDoctor(); });
}

void Tfrmmz_query_cost_doctor::lookUpDoctor() {
    if (!lookupNameByCode(db_, QStringLiteral("data_doctor"), ui_.Editdoctorcode->text())) {
        message(QStringLiteral("没有符合条件的医生！"), QStringLiteral("系统操作提示："));
        ui_.Editdoctorcode->setFocus();
        ui_.Editdoctorcode->selectAll();
        return;
    }
    const int item = findItemByCode(ui_.editdoctor, ui_.Editdoctorcode->text());
    if (item < 0) {
        message(QStringLiteral("没有符合条件的医生数据！"), QStringLiteral("系统操作提示："));
        ui_.editdoctor->setFocus();
        return;
    }
    ui_.editdoctor->setCurrentIndex(item);
    selectedDoctor_ = nameOfItem(ui_.editdoctor->itemText(item));
    listCharges();
}

void Tfrmmz_query_cost_doctor::bitbtnqueryClick() {
    guarded([this] { listCharges(); });
}

void Tfrmmz_query_cost_doctor::listCharges() {
    const QString doctor = ui_.editdoctor->currentText().isEmpty() ? QString() : selectedDoctor_;
    auto rows = db_.query(doctorincome::charges(doctor, startDay(), endDay()));
    if (rows->isEmpty()) {
        // The grid and the panels keep the previous result.
        message(QStringLiteral("没有该医生费用信息！"), QStringLiteral("系统提示："));
        ui_.Editdoctorcode->setFocus();
        ui_.Editdoctorcode->selectAll();
        return;
    }
    const doctorincome::Totals totals =
        doctorincome::totalsOf(ADOQuerymz_cost.reset(std::move(rows)));
    ui_.Panel2->setText(QStringLiteral("符合条件的费用条数:") + QString::number(totals.count));
    ui_.DBGrid2->hide();
    ui_.DBGrid1->show();
    ui_.Panel4->setText(QStringLiteral("费用总计:") + totals.total.toString(2));

    const report::PrintContext texts = sessionPrintContext(startDay(), endDay());
    report::askThenPreview(this, QuickRep2_, QStringLiteral("要打印吗？"),
                           QStringLiteral("打印明细数据"),
                           [&] { doctorincome::fillChargeTable(QuickRep2_, texts); });
    ui_.Editdoctorcode->setFocus();
}

void Tfrmmz_query_cost_doctor::SpeedButton1Click() {
    guarded([this] { totalByDoctor(); });
}

void Tfrmmz_query_cost_doctor::totalByDoctor() {
    const report::PrintContext texts = sessionPrintContext(startDay(), endDay());
    ui_.DBGrid1->hide();
    ui_.DBGrid2->show();
    total.reset(db_.query(doctorincome::summary(texts.startDay, texts.endDay)));
    doctorincome::fillSummaryTexts(QuickRep1_, texts,
                                   doctorincome::rangeTotalText(db_, texts.startDay, texts.endDay));
    if (!total->isEmpty()) {
        report::askThenPreview(this, QuickRep1_, QStringLiteral("要打印吗？请插入打印纸"),
                               QStringLiteral("医生汇总表"),
                               [&] { doctorincome::fillSummaryTitle(QuickRep1_, texts); });
    }
    ui_.Editdoctorcode->setFocus();
}

}  // namespace orbista
