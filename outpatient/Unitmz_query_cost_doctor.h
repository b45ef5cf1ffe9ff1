#pragma once

#include "Unitmz_query_cost_doctor_reports.h"
#include "boundresult.h"
#include "queryscreen.h"
#include "reportlayout.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbista {

class Database;

// Outpatient doctor income ("门诊医生收入情况"): one doctor's (or every) charge of a period
// with their count and total and a printed charge table; and the period totalled by doctor
// and department with a printed doctor summary. Reads only.
class Tfrmmz_query_cost_doctor : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_query_cost_doctor(Database& db, QWidget* owner = nullptr);

    void FormShow() override;
    void FormActivate() override;

    void EditdoctorcodeKeyPress();  // Enter: look the code up, then list that doctor's charges
    void bitbtnqueryClick();        // the charges, then the offer to print them
    void SpeedButton1Click();       // totals by doctor, then the offer to print them

    report::ReportLayout& QuickRep1() { return QuickRep1_; }  // doctor summary
    report::ReportLayout& QuickRep2() { return QuickRep2_; }  // charge table

  private:
    struct Ui {
        DatePicker* DateTimePicker1;
        DatePicker* DateTimePicker2;
        QLineEdit* Editdoctorcode;
        QComboBox* editdoctor;
        QPushButton* bitbtnquery;
        QPushButton* SpeedButton1;
        QPushButton* bitbtnclose;
        QLabel* Panel2;
        QLabel* Panel4;
        ResultGrid* DBGrid1;
        ResultGrid* DBGrid2;
    };
    Ui buildForm();
    void lookUpDoctor();
    void listCharges();
    void totalByDoctor();

    Database& db_;
    const Ui ui_;
    report::ReportLayout QuickRep1_;
    report::ReportLayout QuickRep2_;
    BoundResult ADOQuerymz_cost;
    BoundResult total;

    // Set by choosing a doctor in the list or by a code lookup.
    QString selectedDoctor_;
};

}  // namespace orbista
