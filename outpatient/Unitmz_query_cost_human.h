#pragma once

#include "boundresult.h"
#include "queryscreen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orbista {

class Database;

// Patient fee query ("门诊患者费用查询"): one patient's outpatient charges of one day, found by
// name or outpatient ID, with their total. Reads only and prints nothing.
class Tfrmmz_query_cost_human : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_query_cost_human(Database& db, QWidget* owner = nullptr);

    void FormShow() override;

    void bitbtnqueryClick();  // the charges of the day and their total

  private:
    struct Ui {
        QRadioButton* rb_hzname;
        QRadioButton* rb_hzid;
        DatePicker* DateTimePicker1;
        QLineEdit* Editcode;
        QPushButton* bitbtnquery;
        QPushButton* bitbtnclose;
        QLabel* Panel6;
        ResultGrid* DBGrid1;
    };
    Ui buildForm();
    void listCharges();

    Database& db_;
    const Ui ui_;
    BoundResult ADOQuerymz_cost;
};

}  // namespace orbista
