#pragma once

#include "demoday.h"
#include "outpatientvisit.h"
#include "referencecatalog.h"
#include "tablewriter.h"

#include <cstdint>
#include <optional>

namespace orbista::demo {

// The registration and charging windows, the refund desk and the outpatient pharmacies:
// writes mz_gh, mz_cost, mz_tk, mz_xy_hj and mz_ypout_x, one day at a time.
class OutpatientDesk {
  public:
    OutpatientDesk(WriterSet& writers, const ReferenceCatalog& catalog, std::uint64_t seed);
    void simulate(const DemoDay& day);

    // Days on which the outpatient system recorded nothing at all (a network outage, the
    // move to the new building). Never in the first week, which every demo shows in full.
    static bool isQuietDay(std::uint64_t seed, const DemoDay& day);

  private:
    struct Visit {
        const VisitPlan& plan;
        std::string code;  // outpatient number
        std::string department;
        std::string doctor;
    };
    struct Payment {
        std::string document;  // fycode
        int time = 0;
        int cashier = 0;
    };

    void serve(Rng& rng, const DemoDay& day, const Visit& visit);
    Payment pay(Rng& rng, const DemoDay& day, int time);
    void charge(Rng& rng, const DemoDay& day, const Visit& visit, const Payment& payment,
                const Order& order);
    void refund(Rng& rng, const DemoDay& day, const Visit& visit, const Payment& payment,
                const Order& order, std::optional<Cents> amount, const std::string& doctor);
    void dispense(Rng& rng, const DemoDay& day, const Visit& visit, const Payment& payment,
                  const Order& order, bool refunded);
    int cashierOnDuty(Rng& rng, const DemoDay& day, int time) const;

    const ReferenceCatalog& catalog_;
    VisitPlanner planner_;
    std::uint64_t seed_;
    TableWriter& registrations_;
    TableWriter& charges_;
    TableWriter& refunds_;
    TableWriter& priced_;
    TableWriter& dispensed_;
    std::int64_t nextDocument_ = 1;
    std::int64_t nextPrescription_ = 1;
    bool blankPriceDue_ = false;
};

}  // namespace orbista::demo
