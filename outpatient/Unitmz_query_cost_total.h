#pragma once

#include "Unitmz_query_cost_total_reports.h"
#include "boundresult.h"
#include "queryscreen.h"
#include "reportlayout.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orbista {

class Database;

// Outpatient income statistics ("收入合计统计表"): the charges of a period for one cashier,
// one doctor, one department or the whole outpatient department, their totals by fee item
// written into the scratch table mz_total, and two printouts of those totals.
class Tfrmmz_query_cost_total : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_query_cost_total(Database& db, QWidget* owner = nullptr);

    void FormShow() override;
    void FormActivate() override;

    void EditdepacodeKeyPress();    // Enter: select the department item of the typed code
    void EditdoctorcodeKeyPress();  // Enter: select the doctor item of the typed code
    void SpeedButton1Click();       // query
    void bitbtnprintClick();        // "s" summary sheet or "d" detail table

    report::ReportLayout& QuickRep1() { return QuickRep1_; }  // detail table
    report::ReportLayout& QuickRep2() { return QuickRep2_; }  // summary sheet

  private:
    struct Ui {
        DatePicker* DateTimePicker1;
        DatePicker* DateTimePicker2;
        QRadioButton* rbman;
        QLineEdit* editjzman;
        QRadioButton* rbdoctor;
        QLineEdit* Editdoctorcode;
        QComboBox* ComboBox1;
        QRadioButton* rbdepa;
        QLineEdit* Editdepacode;
        QComboBox* comboboxdepa;
        QRadioButton* rb_All;
        QLabel* fysum;
        QPushButton* SpeedButton1;
        QPushButton* bitbtnprint;
        QPushButton* SpeedButton4;
        ResultGrid* DBGrid1;
        ResultGrid* DBGrid2;
    };
    Ui buildForm();
    costtotal::Mode mode() const;
    QWidget* filterBoxOf(costtotal::Mode mode) const;
    costtotal::Filter currentFilter() const;
    costtotal::PrintTexts printTexts();
    void runQuery();
    void refill(const costtotal::Filter& filter);

    Database& db_;
    const Ui ui_;
    report::ReportLayout QuickRep1_;
    report::ReportLayout QuickRep2_;
    BoundResult ADOQuerymz_cost;
    BoundResult ADOQuerytotal;

    // The total of the last refill; 0 until one ran in this window.
    Money statisticsTotal_;
    // What the last refill covered, so a print names the period and scope of the rows
    // mz_total holds even after activation has put the pickers back to today.
    struct Refilled {
        costtotal::Filter filter;
        QString doctorCode;
    };
    std::optional<Refilled> refilled_;
};

}  // namespace orbista
