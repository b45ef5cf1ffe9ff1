#pragma once

#include "boundresult.h"
#include "queryscreen.h"
#include "reportlayout.h"

#include <optional>

class QComboBox;
class QPushButton;
class QTimeEdit;

namespace orbista {

class Database;

// One outpatient cashier's takings between two moments, totalled by fee name and printed as a
// reconciliation sheet the cashier signs ("门诊个人收款记录"). Reads only.
class Tfrm_recan_total : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrm_recan_total(Database& db, QWidget* owner = nullptr);

    void FormShow() override;
    void BitBtn1Click();  // "结帐": total and preview
    void BitBtn3Click();  // "打印": preview the last total again

    report::ReportLayout& QuickRep1() { return QuickRep1_; }

  private:
    struct Ui {
        DatePicker* DateTimePicker1;
        QTimeEdit* DateTimePicker3;
        DatePicker* DateTimePicker2;
        QTimeEdit* DateTimePicker4;
        QComboBox* ComboBox1;
        QPushButton* BitBtn1;
        QPushButton* BitBtn3;
        QPushButton* BitBtn2;
    };
    Ui buildForm();
    void total();

    Database& db_;
    const Ui ui_;
    report::ReportLayout QuickRep1_;
    BoundResult ado_zz;
};

}  // namespace orbista
