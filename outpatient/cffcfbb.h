#pragma once

#include "boundresult.h"
#include "cffcfbb_sql.h"
#include "queryscreen.h"
#include "reportlayout.h"

#include <optional>

class QPushButton;
class QRadioButton;

namespace orbista {

class Database;

// Prescription and non-prescription charges of a period at the login's site
// ("处方非处方费用统计"), listed and printed with their total. Reads only.
class Tcf_form : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tcf_form(Database& db, QWidget* owner = nullptr);

    void FormShow() override;
    void BitBtn1Click();  // "统计数据"
    void BitBtn2Click();  // "打印数据"

    report::ReportLayout& QuickRep1() { return QuickRep1_; }

  private:
    struct Ui {
        QRadioButton* rb_y;
        QRadioButton* rb_n;
        DatePicker* DateTimePicker1;
        DatePicker* DateTimePicker2;
        QPushButton* BitBtn1;
        QPushButton* BitBtn2;
        QPushButton* BitBtn3;
        ResultGrid* DBGrid1;
    };
    Ui buildForm();
    void listCharges();

    Database& db_;
    const Ui ui_;
    report::ReportLayout QuickRep1_;
    BoundResult aq_tj;
    // What the listed rows are: the sheet's title, period and total follow them, not the
    // controls as they stand when printing.
    std::optional<prescriptioncharges::Filter> listed_;
};

}  // namespace orbista
