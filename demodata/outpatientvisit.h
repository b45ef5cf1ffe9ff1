#pragma once

#include "demoday.h"
#include "demorandom.h"
#include "referencecatalog.h"

#include <string>
#include <vector>

namespace orbista::demo {

// One priced line of an order: a catalogue item or a service of the fee list.
struct OrderLine {
    int drug = -1;  // index into the catalogue, or -1
    const FeeItem* fee = nullptr;
    int quantity = 1;  // units; for herbal pieces grams over all doses
    int doses = 1;     // herbal prescriptions: number of doses (付数)

    Cents unitPrice(const ReferenceCatalog& catalog) const;
};

// What one charge row of mz_cost bills: all lines of one fee class and style.
struct Order {
    FeeClass feeClass = FeeClass::Treatment;
    std::string style;  // the charge's style code
    std::string goods;  // yp_style of drugs and materials, empty for services
    std::vector<OrderLine> lines;
    int pharmacy = -1;  // index into pharmacies() for drugs

    Cents total(const ReferenceCatalog& catalog) const;
    bool isDrug() const;
};

// One outpatient visit as the clinic would see it, before anything is paid.
struct VisitPlan {
    int registrationTime = 0;  // second of the day
    int department = 0;
    int doctor = 0;
    bool emergency = false;
    bool male = true;
    std::string patient;
    std::string payer;  // 普通, 医保, 公费
    const FeeItem* registration = nullptr;
    const FeeItem* consultation = nullptr;  // charged with the registration, or none
    std::vector<Order> orders;              // paid after the consultation
    std::vector<Order> laterOrders;         // paid after the test results come back
};

// Plans the visits of a day: how many, when, to whom, and what the doctors order.
class VisitPlanner {
  public:
    explicit VisitPlanner(const ReferenceCatalog& catalog);
    int visitCount(Rng& rng, const DemoDay& day) const;
    VisitPlan plan(Rng& rng, bool emergency) const;
    // Emergencies are seen round the clock; clinics from eight to half past five.
    int arrivalTime(Rng& rng, bool emergency) const;

  private:
    int clinicDepartment(Rng& rng) const;
    void orderTests(Rng& rng, VisitPlan& visit) const;
    void orderDrugs(Rng& rng, VisitPlan& visit) const;
    void orderTreatment(Rng& rng, VisitPlan& visit) const;
    const FeeItem& fee(const char* name) const;
    std::vector<const FeeItem*> feesOf(FeeClass feeClass, bool radiology) const;

    const ReferenceCatalog& catalog_;
    std::vector<int> clinicWeights_;
    int infusionSet_;
    int syringe_;
    int nebulizer_;
    int suture_;
    int emergencyDepartment_ = 0;
};

// The pharmacy that dispenses a drug order: herbal pieces go to the Chinese-medicine windows.
int dispensingPharmacy(Rng& rng, bool herbal);

}  // namespace orbista::demo
