#pragma once

#include "boundresult.h"
#include "queryscreen.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orbista {

class Database;

// Refund query ("门诊退款查询"): every outpatient refund, or those of one charge document
// number, with the current refund's details above the list. Reads only and prints nothing.
class Tfrmmz_query_cost_tk : public QueryScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_query_cost_tk(Database& db, QWidget* owner = nullptr);

    void FormActivate() override;

    void bitbtnqueryClick();  // the refunds of the typed number (all when blank)

  private:
    struct Ui {
        QRadioButton* rbfycode;
        QLineEdit* Editfycode;
        QPushButton* bitbtnquery;
        QPushButton* bitbtnclose;
        ResultGrid* DBGrid2;
    };
    Ui buildForm();
    void listRefunds();

    Database& db_;
    const Ui ui_;
    BoundResult ADOQuerymz_tk;
};

}  // namespace orbista
