#include "warehousedesk.h"

#include "stockbatch.h"

#include <algorithm>
#include <string_view>

namespace orbista::demo {

namespace {

constexpr std::uint64_t kWarehouseStream = 0x594B;  // "YK"
constexpr const char* kWarehouseStore = "08";

constexpr const char* kSuppliers[] = {
    "国药控股四川医药股份有限公司", "华润四川医药有限公司", "重庆医药（集团）股份有限公司",
    "四川科伦医药贸易有限公司",     "成都中药饮片有限公司", "四川合纵药易购医药股份有限公司",
};

// A quantity the warehouse moves in one line, in dispensing units.
int bulkQuantity(Rng& rng, const Drug& drug, bool receiving) {
    const int scale = receiving ? 5 : 1;
    switch (drug.kind) {
        case GoodsKind::Herbal:
            return rng.between(2, 20) * 500 * scale;
        case GoodsKind::Material:
        case GoodsKind::LowValue:
            return rng.between(5, 40) * 10 * scale;
        default:
            return rng.between(2, 20) * 10 * scale;
    }
}

// Old price of an item whose price has just changed to `price`: 5 to 20 per cent either way.
Cents previousPrice(Rng& rng, Cents price) {
    const int percent = rng.between(5, 20) * (rng.chance(0.5) ? 1 : -1);
    const Cents old = price * (100 + percent) / 100;
    return old == price ? price + 1 : std::max<Cents>(old, 1);
}

// The goods, quantity, values and batch of a receipt or issue line, in the columns both
// warehouse tables share.
TableWriter& goodsColumns(TableWriter& line, const Drug& drug, int quantity,
                          const StockBatch& batch) {
    return line.text(drug.code)
        .text(drug.name)
        .text(drug.pym)
        .text(drug.strength)
        .text(drug.unit)
        .text(drug.bigType)
        .text(goodsKindName(drug.kind))
        .text(goodsStyle(drug.kind))
        .integer(quantity)
        .money(drug.wholesale)
        .money(drug.retail)
        .money(drug.wholesale * quantity)
        .money(drug.retail * quantity)
        .text(batch.number)
        .integer(batch.expiry)
        .text(drug.origin);
}

}  // namespace

WarehouseDesk::WarehouseDesk(WriterSet& writers, const ReferenceCatalog& catalog,
                             std::uint64_t seed)
    : catalog_(catalog),
      seed_(seed),
      receipts_(writers.make(
          "yp_xy_in", {"rkdate",    "rkcode", "ypcode",  "ypname",  "yppym",   "ypgg",    "ypunit",
                       "ypbigtype", "yptype", "ypstyle", "num",     "pfprice", "lsprice", "pfmoney",
                       "lsmoney",   "ph",     "ypyxq",   "address", "ghdw",    "recman"})),
      issues_(writers.make(
          "yp_xy_out",
          {"ckdate",  "ckcode",  "depa_code", "depa_name", "ypcode",   "ypname",  "yppym",
           "ypgg",    "ypunit",  "ypbigtype", "yptype",    "yp_style", "num",     "pfprice",
           "lsprice", "pfmoney", "lsmoney",   "ph",        "ypyxq",    "address", "recman"})),
      losses_(writers.make(
          "yp_bs", {"bsdate", "ypcode", "yppym", "ypname", "ypgg", "ypunit", "ypbigtype", "ypstyle",
                    "price", "number", "ph", "address", "reason", "sale", "recman"})),
      adjustments_(writers.make(
          "yp_tj_pd", {"depa",      "pd_date",    "yp_style",   "ypcode",     "pym",
                       "pinming",   "guige",      "danwei",     "ypbigtype",  "yptype",
                       "num",       "p_oldprice", "p_oldjine",  "p_newprice", "p_newjine",
                       "p_zen",     "p_jian",     "l_oldprice", "l_oldjine",  "l_newprice",
                       "l_newjine", "l_zen",      "l_jian",     "j_zen",      "j_jian"})) {}

const std::string& WarehouseDesk::keeper(Rng& rng) const {
    const auto& keepers = catalog_.warehouseKeepers;
    return catalog_
        .op(keepers[static_cast<std::size_t>(rng.below(static_cast<int>(keepers.size())))])
        .name;
}

int WarehouseDesk::anyGoods(Rng& rng, bool drugsOnly) const {
    const std::vector<int>* pools[] = {&catalog_.westernOral,   &catalog_.westernInjections,
                                       &catalog_.infusionBases, &catalog_.patentOral,
                                       &catalog_.herbs,         &catalog_.materials,
                                       &catalog_.lowValue};
    const int pool = drugsOnly ? rng.weighted({30, 15, 10, 20, 0, 0, 0})
                               : rng.weighted({30, 15, 10, 20, 20, 10, 5});
    return pickPopular(rng, *pools[pool]);
}

void WarehouseDesk::simulate(const DemoDay& day) {
    Rng rng = Rng::derive(seed_, kWarehouseStream, static_cast<std::uint64_t>(day.index));
    // Deliveries come every third day, issues every day but Sunday.
    if (day.index % 3 == 1) {
        const int vouchers = rng.between(1, 2);
        for (int voucher = 1; voucher <= vouchers; ++voucher) {
            receive(rng, day, voucher);
        }
    }
    if (day.weekday != 7) {
        const int vouchers = rng.between(2, 5);
        for (int voucher = 1; voucher <= vouchers; ++voucher) {
            issue(rng, day, voucher);
        }
    }
    if (day.index % 7 == 4) {
        writeLoss(rng, day);
    }
    if (day.index % 45 == 2) {
        adjustPrices(rng, day);
    }
}

void WarehouseDesk::receive(Rng& rng, const DemoDay& day, int voucher) {
    const std::string when = day.at(rng.between(hours(9), hours(16)));
    const std::string code = "RK" + day.text.substr(0, 4) + day.text.substr(5, 2) +
                             day.text.substr(8, 2) + serialCode("", voucher, 2);
    const char* supplier = kSuppliers[rng.below(static_cast<int>(std::size(kSuppliers)))];
    const std::string& clerk = keeper(rng);
    const int lines = rng.between(10, 30);
    for (int line = 0; line < lines; ++line) {
        const Drug& drug = catalog_.drug(anyGoods(rng, false));
        const int quantity = bulkQuantity(rng, drug, true);
        const StockBatch batch = recentBatch(rng, day);
        goodsColumns(receipts_.text(when).text(code), drug, quantity, batch)
            .text(supplier)
            .text(clerk)
            .row();
    }
}

void WarehouseDesk::issue(Rng& rng, const DemoDay& day, int voucher) {
    const std::string when = day.at(rng.between(hours(8, 30), hours(11, 30)));
    const std::string code = "CK" + day.text.substr(0, 4) + day.text.substr(5, 2) +
                             day.text.substr(8, 2) + serialCode("", voucher, 2);
    // Most issues restock a pharmacy; the rest send materials to a ward or the theatre.
    std::string destinationCode;
    std::string destinationName;
    bool toPharmacy = rng.chance(0.7);
    if (toPharmacy) {
        const Pharmacy& pharmacy = pharmacies()[static_cast<std::size_t>(
            rng.below(static_cast<int>(pharmacies().size())))];
        destinationCode = pharmacy.code;
        destinationName = pharmacy.name;
    } else {
        std::vector<int> wards;
        for (std::size_t i = 0; i < catalog_.departments.size(); ++i) {
            const Department& department = catalog_.departments[i];
            if (department.wardBeds > 0 || department.name == "手术室") {
                wards.push_back(static_cast<int>(i));
            }
        }
        const Department& department = catalog_.department(
            wards[static_cast<std::size_t>(rng.below(static_cast<int>(wards.size())))]);
        destinationCode = department.code;
        destinationName = department.name;
    }
    const bool chinese =
        toPharmacy && (destinationName == "一门诊中药房" || destinationName == "二门诊中药房");
    const std::string& clerk = keeper(rng);
    const int lines = rng.between(5, 20);
    for (int line = 0; line < lines; ++line) {
        const int item = chinese           ? pickPopular(rng, catalog_.herbs)
                         : toPharmacy      ? anyGoods(rng, true)
                         : rng.chance(0.7) ? pickPopular(rng, catalog_.materials)
                                           : pickPopular(rng, catalog_.lowValue);
        const Drug& drug = catalog_.drug(item);
        const int quantity = bulkQuantity(rng, drug, false);
        const StockBatch batch = recentBatch(rng, day);
        issues_.text(when).text(code).text(destinationCode).text(destinationName);
        goodsColumns(issues_, drug, quantity, batch).text(clerk).row();
    }
}

void WarehouseDesk::writeLoss(Rng& rng, const DemoDay& day) {
    const int lines = rng.between(1, 3);
    const std::string& clerk = keeper(rng);
    for (int line = 0; line < lines; ++line) {
        const Drug& drug = catalog_.drug(anyGoods(rng, false));
        const bool expired = rng.chance(0.4);
        const StockBatch batch = expired ? expiredBatch(rng, day) : recentBatch(rng, day);
        const char* reason = expired ? "过期失效" : rng.pick({"破损", "霉变", "鼠咬", "受潮"});
        losses_
            .text(day.text)  // the desk stores the loss day as text
            .text(drug.code)
            .text(drug.pym)
            .text(drug.name)
            .text(drug.strength)
            .text(drug.unit)
            .text(drug.bigType)
            .text(goodsStyle(drug.kind))
            .money(drug.wholesale)
            .integer(bulkQuantity(rng, drug, false) / 10 + 1)
            .text(batch.number)
            .text(drug.origin)
            .text(reason)
            .text("")
            .text(clerk)
            .row();
    }
}

void WarehouseDesk::adjustPrices(Rng& rng, const DemoDay& day) {
    const std::string when = day.at(hours(8));
    const int items = rng.between(5, 12);
    for (int n = 0; n < items; ++n) {
        const Drug& drug = catalog_.drug(anyGoods(rng, true));
        const Cents newRetail = drug.retail;
        const Cents newWholesale = drug.wholesale;
        const Cents oldRetail = previousPrice(rng, newRetail);
        const Cents oldWholesale = std::min(previousPrice(rng, newWholesale), oldRetail - 1);
        // The warehouse takes stock, and so do the pharmacies that hold the item.
        for (const char* store : {kWarehouseStore, "01", "06"}) {
            const bool warehouse = std::string_view(store) == kWarehouseStore;
            const int quantity = warehouse ? bulkQuantity(rng, drug, false) : rng.between(5, 80);
            const Cents pOld = oldWholesale * quantity;
            const Cents pNew = newWholesale * quantity;
            const Cents lOld = oldRetail * quantity;
            const Cents lNew = newRetail * quantity;
            const Cents marginChange = (lNew - pNew) - (lOld - pOld);
            adjustments_.text(store)
                .text(when)
                .text(goodsStyle(drug.kind))
                .text(drug.code)
                .text(drug.pym)
                .text(drug.name)
                .text(drug.strength)
                .text(drug.unit)
                .text(drug.bigType)
                .text(goodsKindName(drug.kind))
                .integer(quantity)
                .money(oldWholesale)
                .money(pOld)
                .money(newWholesale)
                .money(pNew)
                .money(std::max<Cents>(pNew - pOld, 0))
                .money(std::max<Cents>(pOld - pNew, 0))
                .money(oldRetail)
                .money(lOld)
                .money(newRetail)
                .money(lNew)
                .money(std::max<Cents>(lNew - lOld, 0))
                .money(std::max<Cents>(lOld - lNew, 0))
                .money(std::max<Cents>(marginChange, 0))
                .money(std::max<Cents>(-marginChange, 0))
                .row();
        }
    }
}

}  // namespace orbista::demo
