#pragma once

#include "demoday.h"
#include "demorandom.h"
#include "referencecatalog.h"
#include "tablewriter.h"

#include <cstdint>

namespace orbista::demo {

// The drug warehouse (药库): receipts from suppliers (yp_xy_in), issues to the pharmacies and
// departments (yp_xy_out), loss reports (yp_bs) and the stock-takes made when prices change
// (yp_tj_pd).
class WarehouseDesk {
  public:
    WarehouseDesk(WriterSet& writers, const ReferenceCatalog& catalog, std::uint64_t seed);
    void simulate(const DemoDay& day);

  private:
    void receive(Rng& rng, const DemoDay& day, int voucher);
    void issue(Rng& rng, const DemoDay& day, int voucher);
    void writeLoss(Rng& rng, const DemoDay& day);
    void adjustPrices(Rng& rng, const DemoDay& day);
    int anyGoods(Rng& rng, bool drugsOnly) const;
    const std::string& keeper(Rng& rng) const;

    const ReferenceCatalog& catalog_;
    std::uint64_t seed_;
    TableWriter& receipts_;
    TableWriter& issues_;
    TableWriter& losses_;
    TableWriter& adjustments_;
};

}  // namespace orbista::demo
