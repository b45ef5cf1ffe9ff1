#pragma once

#include "feecrosstab.h"
#include "queryscreen.h"

#include <memory>

class QPushButton;

namespace orbista {

class Database;
class ResultSet;

namespace report {
class ReportLayout;
}

// Outpatient income of a period as a printed cross table: one row per department or per
// doctor, one column per fee name of the period, a total column and column sums. The rows
// come from the procedure mz_fenlei_total; the columns are built when the report is previewed.
class FeeCrossTabScreen : public QueryScreen {
    Q_OBJECT
  public:
    FeeCrossTabScreen(Database& db, feecrosstab::By by, QWidget* owner, const QString& objectName,
                      const QString& caption);
    ~FeeCrossTabScreen() override;

    void FormActivate() override;
    void BitBtn1Click();  // "预览(&P)"

    report::ReportLayout& QuickRep1() { return *QuickRep1_; }

  private:
    void buildForm();
    void previewStatistics();

    Database& db_;
    feecrosstab::By by_;
    DatePicker* DateTimePicker3 = nullptr;
    DatePicker* DateTimePicker4 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    std::unique_ptr<ResultSet> adp1;
    std::unique_ptr<report::ReportLayout> QuickRep1_;
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
