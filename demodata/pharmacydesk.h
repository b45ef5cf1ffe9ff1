#pragma once

#include "demoday.h"
#include "demorandom.h"
#include "referencecatalog.h"
#include "tablewriter.h"

#include <cstdint>
#include <vector>

namespace orbista::demo {

// The six pharmacies' own records: losses written off (yf_bs), monthly stock-takes (yf_pc)
// and, at the end of the span, the stock each holds against its alarm level (yf_kucun_total).
class PharmacyDesk {
  public:
    PharmacyDesk(WriterSet& writers, const ReferenceCatalog& catalog, std::uint64_t seed);
    void simulate(const DemoDay& day);
    void finish(const DemoDay& lastDay);

  private:
    struct Shelf {
        int drug = 0;
        int alarm = 0;  // reorder level
    };
    void writeLoss(Rng& rng, const DemoDay& day, std::size_t pharmacy);
    void writeStockTake(Rng& rng, const DemoDay& day, std::size_t pharmacy);
    int typicalStock(Rng& rng, const Shelf& shelf) const;
    const std::string& dispenser(Rng& rng, std::size_t pharmacy) const;

    const ReferenceCatalog& catalog_;
    std::uint64_t seed_;
    std::vector<std::vector<Shelf>> shelves_;  // per pharmacy
    TableWriter& stock_;
    TableWriter& losses_;
    TableWriter& counts_;
};

}  // namespace orbista::demo
