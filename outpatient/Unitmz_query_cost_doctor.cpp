#include "Unitmz_query_cost_doctor.h"

#include "codeentry.h"
#include "database.h"
#include "doctorincome.h"
#include "report.h"
#include "resultgrid.h"
#include "screenwidgets.h"
#include "session.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

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
      QuickRep1_(std::make_unique<report::ReportLayout>()),
      QuickRep2_(std::make_unique<report::ReportLayout>()) {
    // Closed with its own button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildForm();
    wireForm();
    doctorincome::buildDoctorSummary(*QuickRep1_);
    doctorincome::buildChargeTable(*QuickRep2_);
}

Tfrmmz_query_cost_doctor::~Tfrmmz_query_cost_doctor() {
    DBGrid1->unbind();
    DBGrid2->unbind();
    QuickRep1_->bind(nullptr);
    QuickRep2_->bind(nullptr);
}

void Tfrmmz_query_cost_doctor::buildForm() {
    DateTimePicker1 = createDatePicker(QStringLiteral("DateTimePicker1"), kStartTimeOfDay);
    DateTimePicker2 = createDatePicker(QStringLiteral("DateTimePicker2"), kEndTimeOfDay);
    Editdoctorcode = named(new QLineEdit(this), "Editdoctorcode");
    Editdoctorcode->setFixedWidth(70);
    editdoctor = named(new QComboBox(this), "editdoctor");
    editdoctor->setMinimumWidth(180);
    bitbtnquery = actionButton(this, "bitbtnquery", QStringLiteral("查询(&C)"));
    SpeedButton1 = actionButton(this, "SpeedButton1", QStringLiteral("全部医生汇总表"));
    bitbtnprior = actionButton(this, "bitbtnprior", QString());
    bitbtnprior->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    bitbtnnext = actionButton(this, "bitbtnnext", QString());
    bitbtnnext->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    bitbtnclose = actionButton(this, "bitbtnclose", QStringLiteral("返回(&X)"));
    Panel2 = named(new QLabel(this), "Panel2");
    Panel4 = named(new QLabel(this), "Panel4");
    for (QLabel* panel : {Panel2, Panel4}) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(220);
    }
    DBGrid1 = named(new ResultGrid(this), "DBGrid1");
    DBGrid2 = named(new ResultGrid(this), "DBGrid2");
    for (ResultGrid* grid : {DBGrid1, DBGrid2}) {
        grid->setMinimumSize(760, 360);
    }
    DBGrid2->hide();

    auto* filter = new QGroupBox(this);
    auto* row = new QHBoxLayout(filter);
    row->addWidget(new QLabel(QStringLiteral("从:"), filter));
    row->addWidget(DateTimePicker1);
    row->addWidget(new QLabel(QStringLiteral("到："), filter));
    row->addWidget(DateTimePicker2);
    row->addWidget(new QLabel(QStringLiteral("医生姓名:"), filter));
    row->addWidget(Editdoctorcode);
    row->addWidget(editdoctor);
    row->addStretch();

    auto* actions = new QHBoxLayout;
    actions->addWidget(Panel2);
    actions->addWidget(Panel4);
    actions->addStretch();
    for (QPushButton* b : {bitbtnquery, SpeedButton1, bitbtnprior, bitbtnnext, bitbtnclose}) {
        actions->addWidget(b);
    }

    auto* page = new QVBoxLayout(this);
    page->addWidget(filter);
    page->addLayout(actions);
    page->addWidget(DBGrid1, 1);
    page->addWidget(DBGrid2, 1);
    page->addWidget(createStatusBar(QStringLiteral("〖门诊医生费用查询〗")));
}

void Tfrmmz_query_cost_doctor::wireForm() {
    setDatePickers(DateTimePicker1, DateTimePicker2);
    for (DatePicker* picker : {DateTimePicker1, DateTimePicker2}) {
        connect(picker, &QDateTimeEdit::dateTimeChanged, Editdoctorcode,
                [this] { Editdoctorcode->setFocus(); });
        onEnter(picker, [this] { Editdoctorcode->setFocus(); });
    }
    connect(Editdoctorcode, &QLineEdit::textChanged, Panel2, [this] {
        Panel2->clear();
        Panel4->clear();
    });
    onEnter(Editdoctorcode, [this] { EditdoctorcodeKeyPress(); });
    // Choosing a doctor shows the code beside the list and takes the name after the "::".
    connect(editdoctor, &QComboBox::currentIndexChanged, Editdoctorcode, [this] {
        selectedDoctor_ = nameOfItem(editdoctor->currentText());
        Editdoctorcode->setText(codeOfItem(editdoctor->currentText()));
    });
    runOnEnter(editdoctor, bitbtnquery);

    setupRecordButtons(bitbtnprior, bitbtnnext, DBGrid1);
    connect(bitbtnquery, &QPushButton::clicked, this, [this] { bitbtnqueryClick(); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(bitbtnclose, &QPushButton::clicked, this, &QDialog::reject);
    DBGrid1->bind(nullptr, chargeColumns());
    DBGrid2->bind(nullptr, doctorColumns());
}

void Tfrmmz_query_cost_doctor::FormShow() {
    fillCombo(editdoctor, codeNameItems(db_, QStringLiteral("data_doctor")));
    editdoctor->setCurrentIndex(-1);
    applyDateDefault(DateDefault::NowNow);
}

void Tfrmmz_query_cost_doctor::FormActivate() {
    QueryScreen::FormActivate();
    applyDateDefault(DateDefault::NowNow);
}

doctorincome::PrintTexts Tfrmmz_query_cost_doctor::printTexts() const {
    return {Session::current().hospitalName, Session::current().operatorName, startDay(), endDay()};
}

void Tfrmmz_query_cost_doctor::EditdoctorcodeKeyPress() {
    if (Editdoctorcode->text().isEmpty()) {
        editdoctor->setFocus();
        return;
    }
    guarded([this] { lookUpDoctor(); });
}

void Tfrmmz_query_cost_doctor::lookUpDoctor() {
    if (!lookupNameByCode(db_, QStringLiteral("data_doctor"), Editdoctorcode->text())) {
        message(QStringLiteral("没有符合条件的医生！"), QStringLiteral("系统操作提示："));
        Editdoctorcode->setFocus();
        Editdoctorcode->selectAll();
        return;
    }
    const int item = findItemByCode(editdoctor, Editdoctorcode->text());
    if (item < 0) {
        message(QStringLiteral("没有符合条件的医生数据！"), QStringLiteral("系统操作提示："));
        editdoctor->setFocus();
        return;
    }
    editdoctor->setCurrentIndex(item);
    selectedDoctor_ = nameOfItem(editdoctor->itemText(item));
    listCharges();
}

void Tfrmmz_query_cost_doctor::bitbtnqueryClick() {
    guarded([this] { listCharges(); });
}

void Tfrmmz_query_cost_doctor::listCharges() {
    const QString doctor = editdoctor->currentText().isEmpty() ? QString() : selectedDoctor_;
    const doctorincome::Statement s = doctorincome::charges(doctor, startDay(), endDay());
    auto rows = db_.query(s.sql, s.params);
    if (rows->isEmpty()) {
        // The grid and the panels keep the previous result.
        message(QStringLiteral("没有该医生费用信息！"), QStringLiteral("系统提示："));
        Editdoctorcode->setFocus();
        Editdoctorcode->selectAll();
        return;
    }
    const doctorincome::Totals totals = doctorincome::totalsOf(*rows);
    DBGrid1->bind(rows.get(), chargeColumns());
    QuickRep2_->bind(rows.get());
    ADOQuerymz_cost = std::move(rows);
    Panel2->setText(QStringLiteral("符合条件的费用条数:") + QString::number(totals.count));
    DBGrid2->hide();
    DBGrid1->show();
    Panel4->setText(QStringLiteral("费用总计:") + totals.total.toString(2));

    const doctorincome::PrintTexts texts = printTexts();
    if (report::askThenPreview(this, *QuickRep2_, QStringLiteral("要打印吗？"),
                               QStringLiteral("打印明细数据"),
                               [&] { doctorincome::fillChargeTable(*QuickRep2_, texts); })) {
        FormActivate();  // back from the preview window
    }
    Editdoctorcode->setFocus();
}

void Tfrmmz_query_cost_doctor::SpeedButton1Click() {
    guarded([this] { totalByDoctor(); });
}

void Tfrmmz_query_cost_doctor::totalByDoctor() {
    const doctorincome::PrintTexts texts = printTexts();
    const doctorincome::Statement byDoctor = doctorincome::summary(texts.startDay, texts.endDay);
    auto rows = db_.query(byDoctor.sql, byDoctor.params);
    DBGrid1->hide();
    DBGrid2->show();
    DBGrid2->bind(rows.get(), doctorColumns());
    QuickRep1_->bind(rows.get());
    total = std::move(rows);

    const doctorincome::Statement range = doctorincome::rangeTotal(texts.startDay, texts.endDay);
    auto sum = db_.query(range.sql, range.params);
    // No charges in the range: the sum is NULL and the total line shows "￥" alone.
    const bool none = sum->isEmpty() || sum->isNull(0, 0);
    doctorincome::fillSummaryTexts(*QuickRep1_, texts,
                                   none ? QString() : sum->money(0, 0).toString(2));

    if (!total->isEmpty() &&
        report::askThenPreview(this, *QuickRep1_, QStringLiteral("要打印吗？请插入打印纸"),
                               QStringLiteral("医生汇总表"),
                               [&] { doctorincome::fillSummaryTitle(*QuickRep1_, texts); })) {
        FormActivate();
    }
    Editdoctorcode->setFocus();
}

}  // namespace orbista
