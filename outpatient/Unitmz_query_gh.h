#pragma once

#include "Unitmz_query_gh_reports.h"
#include "Unitmz_query_gh_sql.h"
#include "boundresult.h"
#include "queryscreen.h"
#include "reportlayout.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orbista {

class Database;

// Registration query ("门诊挂号信息查询"): the outpatient registrations of a period by
// patient ID, registration department or clerk, the current one's details under the list,
// and the list printed as registration sheets. Reads only.
class Tfrmmz_query_gh : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_query_gh(Database& db, QWidget* owner = nullptr);

    void FormShow() override;
    void FormActivate() override;

    void edt_codeKeyPress();  // Enter: empty runs the query, a code selects its department
    void bitbtnqueryClick();  // the registrations
    void bitbtnprintClick();  // previews the registration sheets

    report::ReportLayout& QuickRep1() { return QuickRep1_; }

  private:
    struct Ui {
        DatePicker* DateTimePicker1;
        DatePicker* DateTimePicker2;
        QRadioButton* rbcode;
        QLineEdit* Editcode;
        QRadioButton* rbdepa;
        QLineEdit* edt_code;
        QComboBox* ComboBoxdepa;
        QRadioButton* rbrecman;
        QLineEdit* Editrecman;
        QPushButton* bitbtnquery;
        QPushButton* bitbtnprint;
        QPushButton* SpeedButton3;
        QLabel* Label6;
        ResultGrid* DBGrid1;
    };
    Ui buildForm();
    registrationquery::Mode mode() const;
    QLineEdit* editOfMode() const;
    registrationquery::Filter currentFilter() const;
    void listRegistrations();

    Database& db_;
    const Ui ui_;
    report::ReportLayout QuickRep1_;
    BoundResult ADOQuerymz_gh;
};

}  // namespace orbista
