#include "Unitmz_query_cost_total.h"

#include "codeentry.h"
#include "database.h"
#include "report.h"
#include "resultgrid.h"
#include "session.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orbista {

using costtotal::Mode;

namespace {

QList<GridColumn> totalsColumns() {
    return {{QStringLiteral("name"), QStringLiteral("费用大类名称"), GridColumn::Format::Text, 150},
            {QStringLiteral("toatl"), QStringLiteral("合计"), GridColumn::Format::Money, 90}};
}

QList<GridColumn> chargeColumns() {
    using F = GridColumn::Format;
    return {{QStringLiteral("code"), QStringLiteral("发票号")},
            {QStringLiteral("fydate"), QStringLiteral("发生日期"), F::Date},
            {QStringLiteral("fycode"), QStringLiteral("费用单号")},
            {QStringLiteral("fyname"), QStringLiteral("费用名称")},
            {QStringLiteral("fyprice"), QStringLiteral("费用总价"), F::Money},
            {QStringLiteral("fydepa"), QStringLiteral("费用部门")},
            {QStringLiteral("fydoctor"), QStringLiteral("费用医生")},
            {QStringLiteral("jzman"), QStringLiteral("登记员")}};
}

}  // namespace

Tfrmmz_query_cost_total::Tfrmmz_query_cost_total(Database& db, QWidget* owner)
    : QueryScreen(owner, QStringLiteral("frmmz_query_cost_total"),
                  QStringLiteral("收入合计统计表")),
      db_(db),
      QuickRep1_(std::make_unique<report::ReportLayout>()),
      QuickRep2_(std::make_unique<report::ReportLayout>()) {
    buildForm();
    wireForm();
    costtotal::buildDetailTable(*QuickRep1_);
    costtotal::buildSummarySheet(*QuickRep2_);
}

Tfrmmz_query_cost_total::~Tfrmmz_query_cost_total() {
    // The grids and the layout point at the result sets; let go of them first.
    DBGrid1->unbind();
    DBGrid2->unbind();
    QuickRep1_->bind(nullptr);
}

void Tfrmmz_query_cost_total::wireForm() {
    setDatePickers(DateTimePicker1, DateTimePicker2);
    // The four modes sit in separate panels; one group keeps exactly one of them on.
    auto* modes = new QButtonGroup(this);
    for (QRadioButton* rb : {rbman, rbdoctor, rbdepa, rb_All}) {
        modes->addButton(rb);
    }
    connect(rbdoctor, &QRadioButton::clicked, Editdoctorcode,
            [this] { Editdoctorcode->setFocus(); });
    connect(rbdepa, &QRadioButton::clicked, Editdepacode, [this] { Editdepacode->setFocus(); });

    onEnter(Editdepacode, [this] { EditdepacodeKeyPress(); });
    onEnter(Editdoctorcode, [this] { EditdoctorcodeKeyPress(); });
    runOnEnter(comboboxdepa, SpeedButton1);
    runOnEnter(ComboBox1, SpeedButton1);
    // Choosing an item shows its code beside the list (empty for a plain department name).
    connect(comboboxdepa, &QComboBox::currentIndexChanged, Editdepacode,
            [this] { Editdepacode->setText(codeOfItem(comboboxdepa->currentText())); });
    connect(ComboBox1, &QComboBox::currentIndexChanged, Editdoctorcode,
            [this] { Editdoctorcode->setText(codeOfItem(ComboBox1->currentText())); });

    setupRecordButtons(SpeedButton2, SpeedButton3, DBGrid2);
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(bitbtnprint, &QPushButton::clicked, this, [this] { bitbtnprintClick(); });
    connect(SpeedButton4, &QPushButton::clicked, this, &QDialog::reject);

    DBGrid1->bind(nullptr, totalsColumns());
    DBGrid2->bind(nullptr, chargeColumns());
}

void Tfrmmz_query_cost_total::FormShow() {
    // The department list: code-name items, then the plain names. Filled once, so however
    // often the window is activated again each department appears once in each form.
    fillCombo(comboboxdepa,
              codeNameItems(db_, QStringLiteral("data_depa")) + costtotal::departmentNames(db_));
    comboboxdepa->setCurrentIndex(-1);
    fillCombo(ComboBox1, codeNameItems(db_, QStringLiteral("data_doctor")));
    ComboBox1->setCurrentIndex(-1);
    statisticsTotal_ = Money();
}

void Tfrmmz_query_cost_total::FormActivate() {
    QueryScreen::FormActivate();
    applyDateDefault(DateDefault::TodayToday);
    editjzman->setText(Session::current().operatorName);
}

void Tfrmmz_query_cost_total::selectByCode(QComboBox* list, QLineEdit* codeBox,
                                           const QString& notFound) {
    if (codeBox->text().trimmed().isEmpty()) {
        list->setFocus();
        return;
    }
    const int item = findItemByCode(list, codeBox->text());
    if (item < 0) {
        message(notFound, QStringLiteral("系统操作提示："));
        codeBox->setFocus();
        return;
    }
    list->setCurrentIndex(item);
    list->setFocus();
}

void Tfrmmz_query_cost_total::EditdepacodeKeyPress() {
    selectByCode(comboboxdepa, Editdepacode, QStringLiteral("没有符合条件的科室数据！"));
}

void Tfrmmz_query_cost_total::EditdoctorcodeKeyPress() {
    selectByCode(ComboBox1, Editdoctorcode, QStringLiteral("没有符合条件的医生数据！"));
}

Mode Tfrmmz_query_cost_total::mode() const {
    if (rbman->isChecked()) {
        return Mode::Cashier;
    }
    if (rbdoctor->isChecked()) {
        return Mode::Doctor;
    }
    if (rbdepa->isChecked()) {
        return Mode::Department;
    }
    return Mode::Whole;
}

QWidget* Tfrmmz_query_cost_total::filterBoxOf(Mode m) const {
    switch (m) {
        case Mode::Cashier:
            return editjzman;
        case Mode::Doctor:
            return Editdoctorcode;
        case Mode::Department:
        case Mode::Whole:
            return Editdepacode;
    }
    return Editdepacode;
}

costtotal::Filter Tfrmmz_query_cost_total::currentFilter() const {
    costtotal::Filter f;
    f.mode = mode();
    f.startDay = startDay();
    f.endDay = endDay();
    f.cashier = editjzman->text();
    f.doctorName = nameOfItem(ComboBox1->currentText());
    f.departmentName = nameOfItem(comboboxdepa->currentText());
    f.loginDepartmentCode = Session::current().loginDepartmentCode;
    return f;
}

void Tfrmmz_query_cost_total::SpeedButton1Click() {
    guarded([this] { runQuery(); });
}

void Tfrmmz_query_cost_total::runQuery() {
    const costtotal::Filter filter = currentFilter();
    const costtotal::Statement charges = costtotal::chargeRows(filter);
    auto rows = db_.query(charges.sql, charges.params);
    DBGrid2->bind(rows.get(), chargeColumns());
    ADOQuerymz_cost = std::move(rows);
    // A new result: both record buttons may move again.
    if (ADOQuerymz_cost->isEmpty()) {
        message(QStringLiteral("没有数据"), QStringLiteral("系统操作提示："));
        filterBoxOf(filter.mode)->setFocus();
        return;
    }
    refill(filter);
}

void Tfrmmz_query_cost_total::refill(const costtotal::Filter& filter) {
    const costtotal::Refill done = costtotal::refillTotals(db_, filter);
    if (!done.done) {
        return;  // no outpatient fee items set up: mz_total and its total stay as they were
    }
    auto totals = db_.query(costtotal::totalsTableStatement());
    DBGrid1->bind(totals.get(), totalsColumns());
    QuickRep1_->bind(totals.get());
    ADOQuerytotal = std::move(totals);
    statisticsTotal_ = done.total;
    refilled_ = Refilled{filter, codeOfItem(ComboBox1->currentText())};
    fysum->setText(QStringLiteral("合计：￥") + done.total.toString(2));
}

costtotal::PrintTexts Tfrmmz_query_cost_total::printTexts() {
    const Refilled scope =
        refilled_ ? *refilled_ : Refilled{currentFilter(), codeOfItem(ComboBox1->currentText())};
    const costtotal::Filter& f = scope.filter;
    const QString department = f.mode == Mode::Department ? f.departmentName : QString();
    const QString doctor = f.mode == Mode::Doctor ? f.doctorName : QString();
    const QString doctorDepartment =
        doctor.isEmpty() ? QString() : costtotal::doctorDepartment(db_, scope.doctorCode);

    costtotal::PrintTexts t;
    t.hospitalName = Session::current().hospitalName;
    t.operatorName = Session::current().operatorName;
    t.startDay = f.startDay;
    t.endDay = f.endDay;
    t.scope = costtotal::scopeOf(f.mode, department, doctor, doctorDepartment);
    t.total = statisticsTotal_;
    return t;
}

void Tfrmmz_query_cost_total::bitbtnprintClick() {
    guarded([this] {
        const costtotal::PrintTexts texts = printTexts();
        report::chooseAndPreview(this,
                                 {{QStringLiteral("d"), QuickRep1_.get(),
                                   [&] { costtotal::fillDetailTable(*QuickRep1_, texts); }},
                                  {QStringLiteral("s"), QuickRep2_.get(),
                                   [&] { costtotal::fillSummarySheet(*QuickRep2_, texts); }}},
                                 QStringLiteral("请输入要打印的类型"),
                                 QStringLiteral("打印类型选择(s汇总表）（D明细表）"));
    });
    // The input box and the preview were windows of their own: the screen is activated again.
    guarded([this] { FormActivate(); });
}

}  // namespace orbista
