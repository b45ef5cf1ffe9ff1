#pragma once

#include "Unit_mzbm_total_sql.h"
#include "boundresult.h"
#include "queryscreen.h"
#include "reportlayout.h"

class QPushButton;

namespace orbista {

class Database;

// Outpatient income of a period as a printed cross table: one row per department or per
// doctor, one column per fee name of the period, a total column and column sums. The rows
// come from the procedure mz_fenlei_total; the columns are built when the report is previewed.
// The two screens differ only by their row in the variant table.
class FeeCrossTabScreen : public QueryScreen {
    Q_OBJECT
  public:
    struct Variant {
        QString className;  // "TForm2"
        QString objectName;
        QString caption;
        feecrosstab::By by;
    };
    // TForm2 (by department) and TForm3 (by doctor).
    static const QList<Variant>& variants();

    FeeCrossTabScreen(Database& db, const Variant& variant, QWidget* owner = nullptr);

    void FormActivate() override;
    void BitBtn1Click();  // "预览(&P)"

    report::ReportLayout& QuickRep1() { return QuickRep1_; }

  private:
    void previewStatistics();

    Database& db_;
    feecrosstab::By by_;
    QPushButton* BitBtn1 = nullptr;
    report::ReportLayout QuickRep1_;
    BoundResult adp1;
};

// "门诊部门统计": by department.
class TForm2 : public FeeCrossTabScreen {
    Q_OBJECT
  public:
    explicit TForm2(Database& db, QWidget* owner = nullptr);
};

// "门诊医生统计": by doctor.
class TForm3 : public FeeCrossTabScreen {
    Q_OBJECT
  public:
    explicit TForm3(Database& db, QWidget* owner = nullptr);
};

}  // namespace orbista
