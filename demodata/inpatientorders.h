#pragma once

#include "demorandom.h"
#include "referencecatalog.h"

#include <string>
#include <vector>

namespace orbista::demo {

// One line of the inpatient fee ledger before it is dated and attributed.
struct WardLine {
    const char* bigType = "";  // fybigtype: 床位费, 西药费, 检查费, ...
    std::string name;          // the service, or the catalogue item
    int quantity = 1;
    Cents price = 0;
    int drug = -1;         // catalogue index for drugs and materials
    bool theatre = false;  // billed by the operating theatre (anaesthesia)
    bool fixed = false;    // the ward's automatic daily charges
};

// What the ward charges and orders for a patient of a department on a day of the stay.
class WardOrders {
  public:
    explicit WardOrders(const ReferenceCatalog& catalog);

    // Bed, nursing and ward-round charges, booked automatically every day.
    std::vector<WardLine> dailyCharges(int department, bool intensive) const;
    // Tests and first treatment on the day of admission.
    std::vector<WardLine> admission(Rng& rng, int department) const;
    // The orders of one ordinary day on the ward.
    std::vector<WardLine> day(Rng& rng, int department, bool afterSurgery) const;
    // The operation with its anaesthesia, drugs and materials.
    std::vector<WardLine> surgery(Rng& rng, int department) const;
    // Drugs handed out on discharge.
    std::vector<WardLine> takeHome(Rng& rng) const;
    // Usual length of stay in days.
    int meanStay(int department) const;

  private:
    void addDrugs(Rng& rng, const std::vector<int>& pool, int count, int low, int high,
                  std::vector<WardLine>& lines) const;
    void addInfusion(Rng& rng, std::vector<WardLine>& lines) const;
    void addHerbs(Rng& rng, std::vector<WardLine>& lines) const;
    WardLine drugLine(int drug, int quantity) const;
    bool departmentIs(int department, std::initializer_list<const char*> names) const;

    const ReferenceCatalog& catalog_;
    int infusionSet_;
    int syringe_;
    int suture_;
    int catheterKit_;
    int gown_;
    int propofol_;
    int lidocaine_;
};

const char* westernDrugFee();
const char* patentDrugFee();
const char* herbalDrugFee();

}  // namespace orbista::demo
