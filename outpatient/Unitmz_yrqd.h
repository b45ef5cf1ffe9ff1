#pragma once

#include "Unitmz_yrqd_reports.h"
#include "boundresult.h"
#include "queryscreen.h"
#include "reportlayout.h"

class QPushButton;

namespace orbista {

class Database;

// Outpatient one-day list ("门诊费用一日清单"): every charge of one day that counts as
// takings, previewed as a numbered list by department with the day's total. Reads only.
class Tfrmmz_yrqd : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_yrqd(Database& db, QWidget* owner = nullptr);

    void FormShow() override;

    void BitBtn1Click();  // the day's takings, previewed

    report::ReportLayout& QuickRep1() { return QuickRep1_; }

  private:
    struct Ui {
        DatePicker* DateTimePicker1;
        QPushButton* BitBtn1;
        QPushButton* BitBtn3;
    };
    Ui buildForm();
    void previewTakings();

    Database& db_;
    const Ui ui_;
    report::ReportLayout QuickRep1_;
    BoundResult ado_cost;
};

}  // namespace orbista
