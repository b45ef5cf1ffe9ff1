#pragma once

#include "Unitfrmmz_depa_query_sql.h"
#include "boundresult.h"
#include "queryscreen.h"
#include "reportlayout.h"

class QComboBox;
class QPushButton;

namespace orbista {

class Database;

// Outpatient takings of a period for one department or one doctor (or all), printed as a
// numbered charge list ("明细(&A)") or as totals by fee name ("统计(&D)"). Reads only. The two
// screens differ only by their row in the variant table.
class FeeStatisticsScreen : public QueryScreen {
    Q_OBJECT
  public:
    struct Variant {
        QString className;  // "Tfrmmz_depa_query"
        QString objectName;
        QString caption;
        feestatistics::By by;
        const char* listName;  // "cb_depa"
        QString listLabel;
        QString chargeListError;  // the plain message when the charge list fails
    };
    // Tfrmmz_depa_query (by department) and Tfrmmz_doctor_query (by doctor).
    static const QList<Variant>& variants();

    FeeStatisticsScreen(Database& db, const Variant& variant, QWidget* owner = nullptr);

    void FormShow() override;
    void FormActivate() override;
    void BitBtn1Click();  // "明细(&A)": the charge list
    void BitBtn2Click();  // "统计(&D)": totals by fee name

    report::ReportLayout& QuickRep1() { return QuickRep1_; }  // charge list
    report::ReportLayout& QuickRep2() { return QuickRep2_; }  // totals

  private:
    struct Ui {
        QComboBox* list;
        DatePicker* DateTimePicker1;
        DatePicker* DateTimePicker2;
        QPushButton* BitBtn1;
        QPushButton* BitBtn2;
        QPushButton* BitBtn3;
        ResultGrid* DBGrid2;
    };
    Ui buildForm();
    void previewCharges();
    void previewTotals();
    // Runs `work`; any failure is shown as the plain `failure` with the database's own text.
    void statisticsGuard(const QString& failure, const std::function<void()>& work);

    Database& db_;
    const Variant& variant_;
    const Ui ui_;
    report::ReportLayout QuickRep1_;
    report::ReportLayout QuickRep2_;
    BoundResult ado_cost;
    BoundResult ado_tj;
};

// "门诊科室费用统计": by department.
class Tfrmmz_depa_query : public FeeStatisticsScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_depa_query(Database& db, QWidget* owner = nullptr);
};

// "门诊医生费用查询": by doctor.
class Tfrmmz_doctor_query : public FeeStatisticsScreen {
    Q_OBJECT
  public:
    explicit Tfrmmz_doctor_query(Database& db, QWidget* owner = nullptr);
};

}  // namespace orbista
