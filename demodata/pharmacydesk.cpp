#include "pharmacydesk.h"

#include "stockbatch.h"

namespace orbista::demo {

namespace {

constexpr std::uint64_t kPharmacyStream = 0x5946;  // "YF"

// What each pharmacy keeps, as a share of each kind of goods (percent).
struct Range {
    int western, patent, herbal, material;
};
constexpr Range kRanges[] = {
    {100, 100, 0, 0},      // 一门诊西药房
    {0, 60, 100, 0},       // 一门诊中药房
    {70, 80, 0, 0},        // 二门诊西药房
    {0, 0, 80, 0},         // 二门诊中药房
    {50, 50, 50, 0},       // 三门诊药房
    {100, 100, 100, 100},  // 住院部药房
};

int shareOf(const Range& range, GoodsKind kind) {
    switch (kind) {
        case GoodsKind::Western:
            return range.western;
        case GoodsKind::Patent:
            return range.patent;
        case GoodsKind::Herbal:
            return range.herbal;
        default:
            return range.material;
    }
}

const char* lossReason(Rng& rng, bool expired) {
    if (expired) {
        return "过期失效";
    }
    return rng.pick({"破损", "破损", "霉变", "受潮", "盘亏", "包装破损"});
}

}  // namespace

PharmacyDesk::PharmacyDesk(WriterSet& writers, const ReferenceCatalog& catalog, std::uint64_t seed)
    : catalog_(catalog),
      seed_(seed),
      stock_(writers.make("yf_kucun_total", {"ypcode", "depa", "total_num", "alarm_num"})),
      losses_(
          writers.make("yf_bs", {"style", "depa", "bsdate", "ypcode", "pinming", "danwei", "guige",
                                 "num", "lsprice", "pfprice", "ph", "address", "ypyxq", "ypbigtype",
                                 "yptype", "bs_reason", "recman", "pym", "yp_style"})),
      counts_(
          writers.make("yf_pc", {"style", "depa", "ypbigtype", "ypcode", "ypname", "ypunit", "ypgg",
                                 "ph", "address", "ypyxq", "zmcount", "pccount", "lsprice",
                                 "pfprice", "pcdate", "memo", "recman", "pym", "status"})) {
    Rng rng = Rng::derive(seed_, kPharmacyStream);
    for (const Range& range : kRanges) {
        std::vector<Shelf> shelf;
        for (std::size_t i = 0; i < catalog.drugs.size(); ++i) {
            const Drug& drug = catalog.drugs[i];
            if (drug.kind == GoodsKind::LowValue || rng.below(100) >= shareOf(range, drug.kind)) {
                continue;
            }
            const int alarm = drug.kind == GoodsKind::Herbal     ? rng.between(5, 30) * 100
                              : drug.kind == GoodsKind::Material ? rng.between(5, 20) * 10
                                                                 : rng.between(2, 10) * 5;
            shelf.push_back({static_cast<int>(i), alarm});
        }
        shelves_.push_back(std::move(shelf));
    }
}

const std::string& PharmacyDesk::dispenser(Rng& rng, std::size_t pharmacy) const {
    const auto& staff = catalog_.pharmacyStaff[pharmacy];
    return catalog_.op(staff[static_cast<std::size_t>(rng.below(static_cast<int>(staff.size())))])
        .name;
}

int PharmacyDesk::typicalStock(Rng& rng, const Shelf& shelf) const {
    return shelf.alarm * rng.between(12, 60) / 10;
}

void PharmacyDesk::simulate(const DemoDay& day) {
    Rng rng = Rng::derive(seed_, kPharmacyStream, static_cast<std::uint64_t>(day.index) + 1);
    for (std::size_t pharmacy = 0; pharmacy < shelves_.size(); ++pharmacy) {
        // The first pharmacy writes something off every tenth day at least.
        const bool due = pharmacy == 0 && day.index % 10 == 3;
        if (due || rng.chance(0.06)) {
            writeLoss(rng, day, pharmacy);
        }
        // Each pharmacy counts its stock once a month, on its own day.
        if ((day.index + 5 * static_cast<int>(pharmacy)) % 30 == 4) {
            writeStockTake(rng, day, pharmacy);
        }
    }
}

void PharmacyDesk::writeLoss(Rng& rng, const DemoDay& day, std::size_t pharmacy) {
    const auto& shelf = shelves_[pharmacy];
    const Shelf& item = shelf[static_cast<std::size_t>(rng.below(static_cast<int>(shelf.size())))];
    const Drug& drug = catalog_.drug(item.drug);
    const bool expired = rng.chance(0.3);
    const StockBatch batch = expired ? expiredBatch(rng, day) : recentBatch(rng, day);
    const int quantity =
        drug.kind == GoodsKind::Herbal ? rng.between(1, 20) * 50 : rng.between(1, 10);
    losses_.text("01")
        .text(pharmacies()[pharmacy].code)
        .text(day.at(rng.between(hours(16), hours(17, 30))))
        .text(drug.code)
        .text(drug.name)
        .text(drug.unit)
        .text(drug.strength)
        .integer(quantity)
        .money(drug.retail)
        .money(drug.wholesale)
        .text(batch.number)
        .text(drug.origin)
        .integer(batch.expiry)
        .text(drug.bigType)
        .text(drug.form)
        .text(lossReason(rng, expired))
        .text(dispenser(rng, pharmacy))
        .text(drug.pym)
        .text(goodsStyle(drug.kind))
        .row();
}

void PharmacyDesk::writeStockTake(Rng& rng, const DemoDay& day, std::size_t pharmacy) {
    const std::string when = day.at(hours(17));
    const std::string& counter = dispenser(rng, pharmacy);
    for (const Shelf& item : shelves_[pharmacy]) {
        const Drug& drug = catalog_.drug(item.drug);
        const int book = typicalStock(rng, item);
        int counted = book;
        const char* memo = "";
        if (rng.chance(0.05)) {
            counted = std::max(0, book + rng.between(-5, 5));
            memo = counted > book ? "盘盈" : counted < book ? "盘亏" : "";
        }
        const StockBatch batch = recentBatch(rng, day);
        counts_.text("01")
            .text(pharmacies()[pharmacy].code)
            .text(drug.bigType)
            .text(drug.code)
            .text(drug.name)
            .text(drug.unit)
            .text(drug.strength)
            .text(batch.number)
            .text(drug.origin)
            .integer(batch.expiry)
            .integer(book)
            .integer(counted)
            .money(drug.retail)
            .money(drug.wholesale)
            .text(when)
            .text(memo)
            .text(counter)
            .text(drug.pym)
            .text("1")
            .row();
    }
}

void PharmacyDesk::finish(const DemoDay& lastDay) {
    Rng rng = Rng::derive(seed_, kPharmacyStream + 1, static_cast<std::uint64_t>(lastDay.index));
    for (std::size_t pharmacy = 0; pharmacy < shelves_.size(); ++pharmacy) {
        for (std::size_t i = 0; i < shelves_[pharmacy].size(); ++i) {
            const Shelf& item = shelves_[pharmacy][i];
            stock_.text(catalog_.drug(item.drug).code).text(pharmacies()[pharmacy].code);
            // A few items run short everywhere; the first pharmacy always has some to reorder.
            const bool goShort = rng.chance(0.08) || (pharmacy == 0 && i % 40 == 7);
            if (pharmacy >= 2 && pharmacy <= 4 && i % 97 == 13) {
                stock_.null();  // an item entered but never counted
            } else if (goShort) {
                stock_.integer(rng.below(item.alarm));
            } else {
                stock_.integer(typicalStock(rng, item));
            }
            stock_.integer(item.alarm).row();
        }
    }
}

}  // namespace orbista::demo
