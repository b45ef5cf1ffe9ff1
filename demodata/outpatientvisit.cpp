#include "outpatientvisit.h"

#include "peoplenames.h"

#include <algorithm>

namespace orbista::demo {

namespace {

// Monday is the busiest clinic day, Sunday the quietest.
constexpr double kWeekdayLoad[] = {0, 1.2, 1.1, 1.05, 1.05, 1.0, 0.8, 0.65};
// Winter brings colds and chest infections; the Spring Festival month is quiet.
constexpr double kMonthLoad[] = {0,    1.1,  0.9, 1.0, 1.0,  0.95, 0.95,
                                 0.95, 0.95, 1.0, 1.0, 1.05, 1.1};
constexpr int kVisitsPerDay = 1000;

// The order billed as one charge row: one per fee class, style and kind of goods.
Order& orderFor(std::vector<Order>& orders, FeeClass feeClass, const std::string& style = {},
                const std::string& goods = {}) {
    const std::string& chargeStyle = style.empty() ? feeClassInfo(feeClass).style : style;
    for (Order& order : orders) {
        if (order.feeClass == feeClass && order.style == chargeStyle && order.goods == goods) {
            return order;
        }
    }
    orders.push_back(Order{feeClass, chargeStyle, goods, {}, -1});
    return orders.back();
}

bool departmentIs(const ReferenceCatalog& catalog, int department,
                  std::initializer_list<const char*> names) {
    const std::string& name = catalog.department(department).name;
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

void addDistinct(Rng& rng, const std::vector<int>& pool, int count, int quantityLow,
                 int quantityHigh, Order& order) {
    for (int i = 0; i < count; ++i) {
        const int drug = pickPopular(rng, pool);
        const bool taken = std::any_of(order.lines.begin(), order.lines.end(),
                                       [drug](const OrderLine& line) { return line.drug == drug; });
        if (!taken) {
            order.lines.push_back({drug, nullptr, rng.between(quantityLow, quantityHigh), 1});
        }
    }
}

}  // namespace

Cents OrderLine::unitPrice(const ReferenceCatalog& catalog) const {
    return fee ? fee->price : catalog.drug(drug).retail;
}

Cents Order::total(const ReferenceCatalog& catalog) const {
    Cents sum = 0;
    for (const OrderLine& line : lines) {
        sum += line.unitPrice(catalog) * line.quantity;
    }
    return sum;
}

bool Order::isDrug() const {
    return feeClass == FeeClass::Western || feeClass == FeeClass::Patent ||
           feeClass == FeeClass::Herbal;
}

int dispensingPharmacy(Rng& rng, bool herbal) {
    // Index into pharmacies(): 0 一门诊西药房, 1 一门诊中药房, 2 二门诊西药房, 3 二门诊中药房,
    // 4 三门诊药房 (both kinds).
    const int window = rng.weighted({55, 30, 15});
    if (window == 2) {
        return 4;
    }
    return herbal ? (window == 0 ? 1 : 3) : (window == 0 ? 0 : 2);
}

VisitPlanner::VisitPlanner(const ReferenceCatalog& catalog)
    : catalog_(catalog),
      infusionSet_(catalog.drugNamed("一次性使用输液器")),
      syringe_(catalog.drugNamed("一次性使用无菌注射器")),
      nebulizer_(catalog.drugNamed("一次性雾化器")),
      suture_(catalog.drugNamed("可吸收缝合线")) {
    for (std::size_t i = 0; i < catalog.departments.size(); ++i) {
        const bool emergency = catalog.departments[i].name == "急诊科";
        if (emergency) {
            emergencyDepartment_ = static_cast<int>(i);
        }
        clinicWeights_.push_back(emergency ? 0 : catalog.departments[i].outpatientWeight);
    }
}

int VisitPlanner::visitCount(Rng& rng, const DemoDay& day) const {
    const double mean = kVisitsPerDay * kWeekdayLoad[day.weekday] * kMonthLoad[day.date.month()];
    return rng.around(mean, mean * 0.1);
}

int VisitPlanner::clinicDepartment(Rng& rng) const {
    return rng.weighted(clinicWeights_);
}

int VisitPlanner::arrivalTime(Rng& rng, bool emergency) const {
    if (emergency) {
        return rng.below(kSecondsPerDay);
    }
    if (rng.chance(0.65)) {
        return rng.between(hours(7, 50), hours(11, 50));
    }
    return rng.between(hours(13, 50), hours(17, 20));
}

const FeeItem& VisitPlanner::fee(const char* name) const {
    for (const FeeItem& item : catalog_.outpatientFees) {
        if (item.name == name) {
            return item;
        }
    }
    throw DemoError(std::string("no outpatient fee item ") + name);
}

std::vector<const FeeItem*> VisitPlanner::feesOf(FeeClass feeClass, bool radiology) const {
    std::vector<const FeeItem*> items;
    for (const FeeItem& item : catalog_.outpatientFees) {
        if (item.feeClass == feeClass && (item.style == "14") == radiology) {
            items.push_back(&item);
        }
    }
    return items;
}

VisitPlan VisitPlanner::plan(Rng& rng, bool emergency) const {
    VisitPlan visit;
    visit.emergency = emergency;
    visit.department = emergency ? emergencyDepartment_ : clinicDepartment(rng);
    const std::vector<int>& doctors =
        catalog_.doctorsOf[static_cast<std::size_t>(visit.department)];
    visit.doctor = doctors[static_cast<std::size_t>(rng.below(static_cast<int>(doctors.size())))];
    visit.male = rng.chance(0.47);
    visit.patient = personName(rng, visit.male);
    visit.payer = rng.pick({"普通", "普通", "普通", "普通", "普通", "普通", "普通", "普通", "医保",
                            "医保", "医保", "公费"});
    const bool expert = !emergency && catalog_.doctor(visit.doctor).senior && rng.chance(0.6);
    visit.registration = &fee(emergency ? "急诊挂号费" : expert ? "专家挂号费" : "普通挂号费");
    if (rng.chance(0.3)) {
        visit.consultation = &fee(emergency ? "急诊诊查费"
                                  : expert  ? "副主任医师诊查费"
                                            : "普通门诊诊查费");
    }
    orderTests(rng, visit);
    orderDrugs(rng, visit);
    orderTreatment(rng, visit);
    return visit;
}

void VisitPlanner::orderTests(Rng& rng, VisitPlan& visit) const {
    if (rng.chance(visit.emergency ? 0.5 : 0.25)) {
        const auto labs = feesOf(FeeClass::Laboratory, false);
        Order& order = orderFor(visit.orders, FeeClass::Laboratory);
        const int count = rng.between(1, 3);
        for (int i = 0; i < count; ++i) {
            const FeeItem* item =
                labs[static_cast<std::size_t>(std::min(rng.below(static_cast<int>(labs.size())),
                                                       rng.below(static_cast<int>(labs.size()))))];
            const bool taken =
                std::any_of(order.lines.begin(), order.lines.end(),
                            [item](const OrderLine& line) { return line.fee == item; });
            if (!taken) {
                order.lines.push_back({-1, item, 1, 1});
            }
        }
    }
    if (rng.chance(0.2)) {
        const bool radiology = rng.chance(0.4);
        const auto exams = feesOf(FeeClass::Examination, radiology);
        const FeeItem* item =
            exams[static_cast<std::size_t>(rng.below(static_cast<int>(exams.size())))];
        orderFor(visit.orders, FeeClass::Examination, item->style)
            .lines.push_back({-1, item, 1, 1});
    }
}

void VisitPlanner::orderDrugs(Rng& rng, VisitPlan& visit) const {
    // After tests, half of the patients come back with the results before anything else is
    // prescribed, and pay for it then.
    std::vector<Order>& target =
        !visit.orders.empty() && rng.chance(0.5) ? visit.laterOrders : visit.orders;
    const bool chinese = departmentIs(catalog_, visit.department, {"中医科"});
    const int window = dispensingPharmacy(rng, false);

    if (rng.chance(chinese ? 0.6 : 0.04)) {
        Order& herbal = orderFor(target, FeeClass::Herbal, {}, goodsStyle(GoodsKind::Herbal));
        herbal.pharmacy = dispensingPharmacy(rng, true);
        const int doses = rng.between(3, 7);
        const int count = rng.between(6, 12);
        for (int i = 0; i < count; ++i) {
            const int herb = pickPopular(rng, catalog_.herbs);
            const bool taken = std::any_of(herbal.lines.begin(), herbal.lines.end(),
                                           [herb](const OrderLine& l) { return l.drug == herb; });
            if (!taken) {
                herbal.lines.push_back({herb, nullptr, rng.between(2, 10) * 3 * doses, doses});
            }
        }
    }
    if (rng.chance(chinese ? 0.2 : 0.55)) {
        Order& western = orderFor(target, FeeClass::Western, {}, goodsStyle(GoodsKind::Western));
        western.pharmacy = window;
        if (!chinese && rng.chance(0.15)) {
            // An infusion course: the solution, the drug, the drip and the materials.
            const int days = rng.between(1, 3);
            addDistinct(rng, catalog_.infusionBases, 1, days, days, western);
            addDistinct(rng, catalog_.westernInjections, rng.between(1, 2), days, 2 * days,
                        western);
            orderFor(target, FeeClass::Treatment).lines.push_back({-1, &fee("静脉输液"), days, 1});
            Order& materials =
                orderFor(target, FeeClass::Material, {}, goodsStyle(GoodsKind::Material));
            materials.lines.push_back({infusionSet_, nullptr, days, 1});
            materials.lines.push_back({syringe_, nullptr, days, 1});
        } else {
            addDistinct(rng, catalog_.westernOral, rng.between(1, 3), 1, 3, western);
        }
    }
    if (rng.chance(0.25)) {
        Order& patent = orderFor(target, FeeClass::Patent, {}, goodsStyle(GoodsKind::Patent));
        patent.pharmacy = window;
        addDistinct(rng, catalog_.patentOral, rng.between(1, 2), 1, 2, patent);
    }
}

void VisitPlanner::orderTreatment(Rng& rng, VisitPlan& visit) const {
    const int department = visit.department;
    std::vector<Order>& orders = visit.laterOrders.empty() ? visit.orders : visit.laterOrders;
    const std::string materialGoods = goodsStyle(GoodsKind::Material);
    if (rng.chance(0.1)) {
        const char* treatment = "肌肉注射";
        if (departmentIs(catalog_, department, {"中医科", "康复科"})) {
            treatment = rng.pick({"针灸治疗", "推拿治疗", "中频理疗"});
        } else if (departmentIs(catalog_, department, {"呼吸内科", "儿科"})) {
            treatment = "雾化吸入";
            orderFor(orders, FeeClass::Material, {}, materialGoods)
                .lines.push_back({nebulizer_, nullptr, 1, 1});
        } else if (departmentIs(catalog_, department, {"外科", "普外科", "骨科", "急诊科"})) {
            treatment = "清创换药";
        }
        orderFor(orders, FeeClass::Treatment).lines.push_back({-1, &fee(treatment), 1, 1});
    }
    const char* surgery = nullptr;
    if (departmentIs(catalog_, department, {"口腔科"}) && rng.chance(0.4)) {
        surgery = "拔牙术";
    } else if (departmentIs(catalog_, department, {"外科", "普外科", "骨科", "急诊科"}) &&
               rng.chance(0.1)) {
        surgery = rng.chance(0.7) ? "清创缝合术" : "脓肿切开引流术";
    } else if (departmentIs(catalog_, department, {"泌尿外科"}) && rng.chance(0.08)) {
        surgery = "包皮环切术";
    }
    if (surgery) {
        orderFor(orders, FeeClass::Surgery).lines.push_back({-1, &fee(surgery), 1, 1});
        orderFor(orders, FeeClass::Material, {}, materialGoods)
            .lines.push_back({suture_, nullptr, 1, 1});
    }
    if (rng.chance(0.05)) {
        // Dressings and small items bought at the desk; low-value ones are billed apart.
        const bool lowValue = rng.chance(0.3);
        Order& order = orderFor(orders, FeeClass::Material, {},
                                lowValue ? goodsStyle(GoodsKind::LowValue) : materialGoods);
        addDistinct(rng, lowValue ? catalog_.lowValue : catalog_.materials, 1, 1, 3, order);
    }
}

}  // namespace orbista::demo
