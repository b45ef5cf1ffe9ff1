// The controls of the outpatient income statistics and where they sit.
#include "Unitmz_query_cost_total.h"

#include "resultgrid.h"
#include "screenwidgets.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace orbista {

namespace {

// One filter mode in its own panel: the radio button and the boxes beside it.
QFrame* modePanel(QWidget* parent, QRadioButton* mode, std::initializer_list<QWidget*> boxes) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->addWidget(mode);
    for (QWidget* box : boxes) {
        row->addWidget(box);
    }
    row->addStretch();
    return panel;
}

}  // namespace

void Tfrmmz_query_cost_total::buildForm() {
    DateTimePicker1 = createDatePicker(QStringLiteral("DateTimePicker1"), kStartTimeOfDay);
    DateTimePicker2 = createDatePicker(QStringLiteral("DateTimePicker2"), kEndTimeOfDay);

    rbman = named(new QRadioButton(QStringLiteral("统计收费员："), this), "rbman");
    editjzman = named(new QLineEdit(this), "editjzman");
    rbdoctor = named(new QRadioButton(QStringLiteral("统计医生："), this), "rbdoctor");
    Editdoctorcode = named(new QLineEdit(this), "Editdoctorcode");
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    rbdepa = named(new QRadioButton(QStringLiteral("统计科室："), this), "rbdepa");
    Editdepacode = named(new QLineEdit(this), "Editdepacode");
    Editdepacode->setToolTip(QStringLiteral("请输入数值（0---9）"));
    comboboxdepa = named(new QComboBox(this), "comboboxdepa");
    rb_All = named(new QRadioButton(QStringLiteral("全部科室"), this), "rb_All");
    rbdepa->setChecked(true);
    for (QLineEdit* code : {Editdoctorcode, Editdepacode}) {
        code->setFixedWidth(70);
    }
    for (QComboBox* list : {ComboBox1, comboboxdepa}) {
        list->setMinimumWidth(180);
    }

    fysum = named(new QLabel(QStringLiteral("     "), this), "fysum");
    SpeedButton1 = actionButton(this, "SpeedButton1", QStringLiteral("查询(&C)"));
    SpeedButton2 = actionButton(this, "SpeedButton2", QString());
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    SpeedButton3 = actionButton(this, "SpeedButton3", QString());
    SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    bitbtnprint = actionButton(this, "bitbtnprint", QStringLiteral("打印统计"));
    bitbtnprint->setToolTip(QStringLiteral("进行打印数据的输出"));
    SpeedButton4 = actionButton(this, "SpeedButton4", QStringLiteral("返回(&X)"));

    DBGrid1 = named(new ResultGrid(this), "DBGrid1");
    DBGrid2 = named(new ResultGrid(this), "DBGrid2");
    DBGrid1->setMinimumSize(280, 360);
    DBGrid2->setMinimumSize(640, 360);

    auto* range = new QGroupBox(this);
    auto* dates = new QHBoxLayout(range);
    dates->addWidget(new QLabel(QStringLiteral("时间段从："), range));
    dates->addWidget(DateTimePicker1);
    dates->addWidget(new QLabel(QStringLiteral("到："), range));
    dates->addWidget(DateTimePicker2);
    dates->addStretch();

    auto* filters = new QGridLayout;
    filters->addWidget(modePanel(this, rbman, {editjzman}), 0, 0);
    filters->addWidget(modePanel(this, rbdoctor, {Editdoctorcode, ComboBox1}), 0, 1);
    filters->addWidget(modePanel(this, rbdepa, {Editdepacode, comboboxdepa}), 1, 1);
    filters->addWidget(modePanel(this, rb_All, {}), 1, 0);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fysum, 1);
    for (QPushButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, bitbtnprint, SpeedButton4}) {
        buttons->addWidget(b);
    }

    auto* grids = new QHBoxLayout;
    grids->addWidget(DBGrid1);
    grids->addWidget(DBGrid2, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(range);
    page->addLayout(filters);
    page->addLayout(buttons);
    page->addLayout(grids, 1);
    page->addWidget(createStatusBar(QStringLiteral("门诊收入合计报表")));
    // A fixed single border: the window keeps the size of its contents.
    page->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orbista
