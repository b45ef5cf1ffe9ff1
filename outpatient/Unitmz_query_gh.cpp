#include "Unitmz_query_gh.h"

#include "codeentry.h"
#include "database.h"
#include "report.h"
#include "session.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orbista {

using registrationquery::Mode;

namespace {

const QString kNoRows = QStringLiteral("没有符合条件的数据！！");
const QString kTitle = QStringLiteral("系统操作提示：");

QList<GridColumn> registrationColumns() {
    using F = GridColumn::Format;
    return {{QStringLiteral("indate"), QStringLiteral("挂号日期"), F::Date},
            {QStringLiteral("code"), QStringLiteral("门诊ID号")},
            {QStringLiteral("name"), QStringLiteral("患者姓名")},
            {QStringLiteral("indepa"), QStringLiteral("挂号科室")},
            {QStringLiteral("indoctor"), QStringLiteral("挂号医生")},
            {QStringLiteral("ghtype"), QStringLiteral("挂号类型")},
            {QStringLiteral("price"), QStringLiteral("单价"), F::Money},
            {QStringLiteral("recman"), QStringLiteral("挂号员")}};
}

}  // namespace

Tfrmmz_query_gh::Tfrmmz_query_gh(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frmmz_query_gh"), QStringLiteral("门诊挂号信息查询")),
      db_(db),
      ui_(buildForm()) {
    registrationquery::buildRegistrationSheets(QuickRep1_);
    ADOQuerymz_gh.shownIn(ui_.DBGrid1, registrationColumns()).feeds(QuickRep1_);

    connect(ui_.DateTimePicker1, &QDateTimeEdit::dateTimeChanged, this,
            [this] { editOfMode()->setFocus(); });
    runOnEnter(ui_.Editcode, ui_.bitbtnquery);
    runOnEnter(ui_.ComboBoxdepa, ui_.bitbtnquery);
    runOnEnter(ui_.Editrecman, ui_.bitbtnquery);
    onEnter(ui_.edt_code, [this] { edt_codeKeyPress(); });
    connect(ui_.bitbtnquery, &QPushButton::clicked, this, [this] { bitbtnqueryClick(); });
    connect(ui_.bitbtnprint, &QPushButton::clicked, this, [this] { bitbtnprintClick(); });
    connect(ui_.SpeedButton3, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrmmz_query_gh::FormShow() {
    guarded(
        [this] { fillCombo(ui_.ComboBoxdepa, codeNameItems(db_, QStringLiteral("data_depa"))); });
    ui_.ComboBoxdepa->setCurrentIndex(-1);
    ui_.rbdepa->setChecked(true);
    ui_.edt_code->setFocus();
    ui_.Label6->setText(QStringLiteral("当前：0笔数据"));
}

void Tfrmmz_query_gh::FormActivate() {
    QueryScreen::FormActivate();
    ui_.Editrecman->setText(Session::current().operatorName);
    applyDateDefault(DateDefault::TodayToday);
}

Mode Tfrmmz_query_gh::mode() const {
    if (ui_.rbcode->isChecked()) {
        return Mode::PatientId;
    }
    return ui_.rbrecman->isChecked() ? Mode::Clerk : Mode::Department;
}

QLineEdit* Tfrmmz_query_gh::editOfMode() const {
    switch (mode()) {
        case Mode::PatientId:
            return ui_.Editcode;
        case Mode::Clerk:
            return ui_.Editrecman;
        case Mode::Department:
            break;
    }
    return ui_.edt_code;
}

void Tfrmmz_query_gh::edt_codeKeyPress() {
    if (ui_.edt_code->text().trimmed().isEmpty()) {
        bitbtnqueryClick();
        return;
    }
    selectByCode(ui_.ComboBoxdepa, ui_.edt_code, QStringLiteral("没有符合条件的科室数据！"));
}

registrationquery::Filter Tfrmmz_query_gh::currentFilter() const {
    registrationquery::Filter f;
    f.mode = mode();
    f.patientId = ui_.Editcode->text();
    f.departmentChosen = !ui_.edt_code->text().isEmpty();
    // The name after "::" of the chosen item, whatever was typed in the code box since.
    f.departmentName = nameOfItem(ui_.ComboBoxdepa->currentText());
    f.clerk = ui_.Editrecman->text();
    f.startDay = startDay();
    f.endDay = endDay();
    return f;
}

void Tfrmmz_query_gh::bitbtnqueryClick() {
    guarded([this] { listRegistrations(); });
}

void Tfrmmz_query_gh::listRegistrations() {
    ResultSet& rows =
        ADOQuerymz_gh.reset(db_.query(registrationquery::registrations(currentFilter())));
    if (rows.isEmpty()) {
        message(kNoRows, kTitle);  // Label6 keeps the previous count
        return;
    }
    editOfMode()->setFocus();
    ui_.Label6->setText(QStringLiteral("共：") + QString::number(rows.recordCount()) +
                        QStringLiteral(" 笔数据"));
}

void Tfrmmz_query_gh::bitbtnprintClick() {
    // Nothing listed yet (or the last query found nothing): no sheets to preview.
    if (!ADOQuerymz_gh || ADOQuerymz_gh->isEmpty()) {
        message(kNoRows, kTitle);
        return;
    }
    guarded([this] {
        ADOQuerymz_gh->first();
        report::previewReport(this, QuickRep1_);
    });
}

}  // namespace orbista
