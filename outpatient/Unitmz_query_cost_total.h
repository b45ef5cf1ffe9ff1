#pragma once

#include "costtotalreports.h"
#include "queryscreen.h"

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orbista {

class Database;
class ResultGrid;
class ResultSet;

namespace report {
class ReportLayout;
}

// Outpatient income statistics ("收入合计统计表"): the charges of a period for one cashier,
// one doctor, one department or the whole outpatient department, their totals by fee item
// written into the scratch table mz_total, and two printouts of those totals.
class Tfrmmz_query_cost_total : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_query_cost_total(Database& db, QWidget* owner = nullptr);
    ~Tfrmmz_query_cost_total() override;

    void FormShow() override;
    void FormActivate() override;

    void EditdepacodeKeyPress();    // Enter: select the department item of the typed code
    void EditdoctorcodeKeyPress();  // Enter: select the doctor item of the typed code
    void SpeedButton1Click();       // query
    void bitbtnprintClick();        // "s" summary sheet or "d" detail table

    report::ReportLayout& QuickRep1() { return *QuickRep1_; }  // detail table
    report::ReportLayout& QuickRep2() { return *QuickRep2_; }  // summary sheet

  private:
    void buildForm();
    void wireForm();
    costtotal::Mode mode() const;
    QWidget* filterBoxOf(costtotal::Mode mode) const;
    costtotal::Filter currentFilter() const;
    costtotal::PrintTexts printTexts();
    void runQuery();
    void refill(const costtotal::Filter& filter);
    void selectByCode(QComboBox* list, QLineEdit* codeBox, const QString& notFound);

    Database& db_;

    DatePicker* DateTimePicker1 = nullptr;
    DatePicker* DateTimePicker2 = nullptr;
    QRadioButton* rbman = nullptr;
    QLineEdit* editjzman = nullptr;
    QRadioButton* rbdoctor = nullptr;
    QLineEdit* Editdoctorcode = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QRadioButton* rbdepa = nullptr;
    QLineEdit* Editdepacode = nullptr;
    QComboBox* comboboxdepa = nullptr;
    QRadioButton* rb_All = nullptr;
    QLabel* fysum = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QPushButton* SpeedButton3 = nullptr;
    QPushButton* bitbtnprint = nullptr;
    QPushButton* SpeedButton4 = nullptr;
    ResultGrid* DBGrid1 = nullptr;
    ResultGrid* DBGrid2 = nullptr;

    std::unique_ptr<ResultSet> ADOQuerymz_cost;
    std::unique_ptr<ResultSet> ADOQuerytotal;
    std::unique_ptr<report::ReportLayout> QuickRep1_;
    std::unique_ptr<report::ReportLayout> QuickRep2_;

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
