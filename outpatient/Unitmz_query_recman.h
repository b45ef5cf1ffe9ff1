#pragma once

#include "boundresult.h"
#include "queryscreen.h"
#include "reportlayout.h"

#include <optional>

class QComboBox;
class QPushButton;

namespace orbista {

class Database;

// A cashier's takings of one day ("本日缴款项记录"), listed and printed as the cashier's
// payment-in sheet. Reads only.
class Tfrmmz_query_recman : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_query_recman(Database& db, QWidget* owner = nullptr);

    void FormShow() override;
    void FormActivate() override;
    void bitbtnqueryClick();   // "统计(&T)"
    void SpeedButton3Click();  // "打印(&P)"

    report::ReportLayout& QuickRep1() { return QuickRep1_; }

  private:
    struct Ui {
        QComboBox* ComboBox1;
        DatePicker* DateTimePicker1;
        QPushButton* bitbtnquery;
        QPushButton* SpeedButton3;
        QPushButton* SpeedButton2;
        ResultGrid* DBGrid1;
    };
    Ui buildForm();
    void listCharges();

    Database& db_;
    const Ui ui_;
    report::ReportLayout QuickRep1_;
    BoundResult ADOQuerymz_cost;
    // Whose takings of which day the listed rows are: the sheet names them, whatever the
    // list and the picker show by the time it is printed.
    struct Listed {
        QString cashier;
        QString day;
    };
    std::optional<Listed> listed_;
};

}  // namespace orbista
