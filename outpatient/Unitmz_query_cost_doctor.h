#pragma once

#include "doctorincomereports.h"
#include "queryscreen.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbista {

class Database;
class ResultGrid;
class ResultSet;

namespace report {
class ReportLayout;
}

// Outpatient doctor income ("门诊医生收入情况"): one doctor's (or every) charge of a period
// with their count and total and a printed charge table; and the period totalled by doctor
// and department with a printed doctor summary. Reads only.
class Tfrmmz_query_cost_doctor : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_query_cost_doctor(Database& db, QWidget* owner = nullptr);
    ~Tfrmmz_query_cost_doctor() override;

    void FormShow() override;
    void FormActivate() override;

    void EditdoctorcodeKeyPress();  // Enter: look the code up, then list that doctor's charges
    void bitbtnqueryClick();        // the charges, then the offer to print them
    void SpeedButton1Click();       // totals by doctor, then the offer to print them

    report::ReportLayout& QuickRep1() { return *QuickRep1_; }  // doctor summary
    report::ReportLayout& QuickRep2() { return *QuickRep2_; }  // charge table

  private:
    void buildForm();
    void wireForm();
    doctorincome::PrintTexts printTexts() const;
    void lookUpDoctor();
    void listCharges();
    void totalByDoctor();

    Database& db_;

    DatePicker* DateTimePicker1 = nullptr;
    DatePicker* DateTimePicker2 = nullptr;
    QLineEdit* Editdoctorcode = nullptr;
    QComboBox* editdoctor = nullptr;
    QPushButton* bitbtnquery = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* bitbtnprior = nullptr;
    QPushButton* bitbtnnext = nullptr;
    QPushButton* bitbtnclose = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Panel4 = nullptr;
    ResultGrid* DBGrid1 = nullptr;
    ResultGrid* DBGrid2 = nullptr;

    std::unique_ptr<ResultSet> ADOQuerymz_cost;
    std::unique_ptr<ResultSet> total;
    std::unique_ptr<report::ReportLayout> QuickRep1_;
    std::unique_ptr<report::ReportLayout> QuickRep2_;

    // Set by choosing a doctor in the list or by a code lookup.
    QString selectedDoctor_;
};

}  // namespace orbista
