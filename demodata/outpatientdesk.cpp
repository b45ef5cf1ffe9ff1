#include "outpatientdesk.h"

#include <algorithm>

namespace orbista::demo {

namespace {

constexpr std::uint64_t kOutpatientStream = 0x4D5A;  // "MZ"
constexpr int kLastSecond = kSecondsPerDay - 1;

int minutes(int m) {
    return m * 60;
}

// The doctor's name as the charge row holds it: one desk's terminal pads 王建国's name with
// blanks now and then, which the screens must cope with.
std::string doctorAsCharged(Rng& rng, const std::string& name) {
    if (name == "王建国" && rng.chance(0.08)) {
        return " " + name + " ";
    }
    return name;
}

const char* refundReason(Rng& rng, FeeClass feeClass) {
    switch (feeClass) {
        case FeeClass::Western:
        case FeeClass::Patent:
        case FeeClass::Herbal:
            return rng.pick({"患者要求退药", "医生更改处方", "药品缺货"});
        case FeeClass::Examination:
        case FeeClass::Laboratory:
            return rng.pick({"检查未做", "患者放弃检查", "设备故障"});
        default:
            return rng.pick({"重复收费", "收费错误", "患者要求退费"});
    }
}

}  // namespace

OutpatientDesk::OutpatientDesk(WriterSet& writers, const ReferenceCatalog& catalog,
                               std::uint64_t seed)
    : catalog_(catalog),
      planner_(catalog),
      seed_(seed),
      registrations_(writers.make(
          "mz_gh", {"indate", "recman", "code", "name", "indepa", "indoctor", "ghtype", "price"})),
      charges_(
          writers.make("mz_cost", {"code", "fydate", "fycode", "fyname", "fyprice", "fydepa",
                                   "fydoctor", "jzman", "zdate", "zman", "bz", "depa", "type_flag",
                                   "bigtype", "style", "cfno", "tk_flag", "yp_style", "yltype"})),
      refunds_(writers.make("mz_tk", {"code", "fydate", "reason", "fycode", "fyname", "fyprice",
                                      "fydepa", "fydoctor", "jzman"})),
      priced_(writers.make("mz_xy_hj", {"code",    "fydate",  "fycode",  "fybigtype", "fyname",
                                        "fyprice", "fynum",   "fydepa",  "fydoctor",  "jzman",
                                        "style",   "flag",    "depa",    "yp_style",  "chu_flag",
                                        "xzflag",  "dz_flag", "fy_flag", "fushu",     "gg"})),
      dispensed_(
          writers.make("mz_ypout_x", {"code", "fydate", "fycode", "fybigtype", "fyname", "fyprice",
                                      "fynum", "fydepa", "fydoctor", "outman", "depa", "style",
                                      "yp_style", "chu_flag", "flag", "outdate", "fushu", "gg"})) {}

bool OutpatientDesk::isQuietDay(std::uint64_t seed, const DemoDay& day) {
    if (day.index < 7) {
        return false;
    }
    Rng rng = Rng::derive(seed, kOutpatientStream + 1, static_cast<std::uint64_t>(day.index));
    return rng.below(100) == 0;
}

void OutpatientDesk::simulate(const DemoDay& day) {
    if (isQuietDay(seed_, day)) {
        return;
    }
    Rng rng = Rng::derive(seed_, kOutpatientStream, static_cast<std::uint64_t>(day.index));
    struct Arrival {
        int time;
        bool emergency;
    };
    std::vector<Arrival> arrivals;
    const int count = planner_.visitCount(rng, day);
    for (int i = 0; i < count; ++i) {
        const bool emergency = rng.chance(0.06);
        arrivals.push_back({planner_.arrivalTime(rng, emergency), emergency});
    }
    // Night emergencies registered on the stroke of midnight and in the day's last second,
    // so that the day bounds of the screens are always put to the test.
    if (day.index % 7 == 0) {
        arrivals.push_back({0, true});
    }
    if (day.index % 7 == 1) {
        arrivals.push_back({kLastSecond, true});
    }
    std::stable_sort(arrivals.begin(), arrivals.end(),
                     [](const Arrival& a, const Arrival& b) { return a.time < b.time; });
    blankPriceDue_ = day.index % 10 == 1;

    const std::string datePart =
        day.text.substr(2, 2) + day.text.substr(5, 2) + day.text.substr(8, 2);
    for (std::size_t i = 0; i < arrivals.size(); ++i) {
        VisitPlan plan = planner_.plan(rng, arrivals[i].emergency);
        plan.registrationTime = arrivals[i].time;
        if (i == 0 && day.index % 30 == 0) {
            plan.patient = "O'Neil 李";  // a foreign patient; the quote must survive every query
        }
        const Visit visit{plan, datePart + serialCode("", static_cast<std::int64_t>(i) + 1, 4),
                          catalog_.department(plan.department).name,
                          catalog_.doctor(plan.doctor).name};
        serve(rng, day, visit);
    }
}

int OutpatientDesk::cashierOnDuty(Rng& rng, const DemoDay& day, int time) const {
    const auto& cashiers = catalog_.cashiers;
    if (time < hours(8) || time >= hours(18)) {
        // One window stays open at night, the cashiers taking turns.
        return cashiers[static_cast<std::size_t>(day.index) % cashiers.size()];
    }
    return cashiers[static_cast<std::size_t>(rng.below(static_cast<int>(cashiers.size())))];
}

OutpatientDesk::Payment OutpatientDesk::pay(Rng& rng, const DemoDay& day, int time) {
    const int clamped = std::min(time, kLastSecond);
    return {serialCode("", nextDocument_++, 7), clamped, cashierOnDuty(rng, day, clamped)};
}

void OutpatientDesk::serve(Rng& rng, const DemoDay& day, const Visit& visit) {
    const VisitPlan& plan = visit.plan;
    const Payment registration = pay(rng, day, plan.registrationTime);
    const char* kind = plan.emergency                            ? "急诊"
                       : plan.registration->name == "专家挂号费" ? "专家门诊"
                                                                 : "普通门诊";
    registrations_.text(day.at(registration.time))
        .text(catalog_.op(registration.cashier).name)
        .text(visit.code)
        .text(plan.patient)
        .text(visit.department)
        .text(visit.doctor)
        .text(kind)
        .money(plan.registration->price)
        .row();

    Order fee{FeeClass::Registration, feeClassInfo(FeeClass::Registration).style, {}, {}, -1};
    fee.lines.push_back({-1, plan.registration, 1, 1});
    charge(rng, day, visit, registration, fee);
    if (plan.consultation) {
        Order consultation{
            FeeClass::Consultation, feeClassInfo(FeeClass::Consultation).style, {}, {}, -1};
        consultation.lines.push_back({-1, plan.consultation, 1, 1});
        charge(rng, day, visit, registration, consultation);
    }

    int time = plan.registrationTime;
    for (const std::vector<Order>* orders : {&plan.orders, &plan.laterOrders}) {
        if (orders->empty()) {
            continue;
        }
        time = laterInDay(rng, time,
                          orders == &plan.orders ? rng.between(minutes(15), minutes(75))
                                                 : rng.between(minutes(60), minutes(150)));
        const Payment payment = pay(rng, day, time);
        for (const Order& order : *orders) {
            charge(rng, day, visit, payment, order);
        }
    }
}

void OutpatientDesk::charge(Rng& rng, const DemoDay& day, const Visit& visit,
                            const Payment& payment, const Order& order) {
    const FeeClassInfo& info = feeClassInfo(order.feeClass);
    std::optional<Cents> amount = order.total(catalog_);
    // Now and then a service row is saved without its amount.
    if (!order.isDrug() && order.feeClass != FeeClass::Registration &&
        (blankPriceDue_ || rng.chance(1.0 / 4000))) {
        amount.reset();
        blankPriceDue_ = false;
    }
    const bool refunded = order.feeClass != FeeClass::Registration && amount && rng.chance(0.012);
    // "0" paid, "1" paid on a reprinted invoice, "2" refunded: takings count "0" and "1".
    const char* refundState = refunded ? "2" : rng.chance(0.02) ? "1" : "0";
    const std::string doctor = doctorAsCharged(rng, visit.doctor);
    const std::string stamp = day.at(payment.time);
    // The paediatric building has its own cashier desk, logged in under its code.
    const char* site = visit.department == "儿科" ? "04" : "01";
    charges_.text(visit.code)
        .text(stamp)
        .text(payment.document)
        .text(info.name)
        .money(amount)
        .text(visit.department)
        .text(doctor)
        .text(catalog_.op(payment.cashier).name)
        .text(stamp)
        .text(visit.plan.patient)
        .text("0")
        .text(site)
        .text(info.typeFlag)
        .text(info.bigtype)
        .text(order.style)
        .text(order.isDrug() ? serialCode("CF", nextPrescription_++, 8) : std::string())
        .text(refundState)
        .text(order.goods)
        .text(visit.plan.payer)
        .row();
    if (refunded) {
        refund(rng, day, visit, payment, order, amount, doctor);
    }
    if (order.isDrug()) {
        dispense(rng, day, visit, payment, order, refunded);
    }
}

void OutpatientDesk::refund(Rng& rng, const DemoDay& day, const Visit& visit,
                            const Payment& payment, const Order& order, std::optional<Cents> amount,
                            const std::string& doctor) {
    const int time = laterInDay(rng, payment.time, rng.between(minutes(10), minutes(180)));
    refunds_.text(visit.code)
        .text(day.at(time))
        .text(refundReason(rng, order.feeClass))
        .text(payment.document)
        .text(feeClassInfo(order.feeClass).name)
        .money(amount)
        .text(visit.department)
        .text(doctor)
        .text(catalog_.op(cashierOnDuty(rng, day, time)).name)
        .row();
}

void OutpatientDesk::dispense(Rng& rng, const DemoDay& day, const Visit& visit,
                              const Payment& payment, const Order& order, bool refunded) {
    const Pharmacy& pharmacy = pharmacies()[static_cast<std::size_t>(order.pharmacy)];
    const auto& staff = catalog_.pharmacyStaff[static_cast<std::size_t>(order.pharmacy)];
    // Refunded prescriptions never reach the window; a few patients never come for theirs.
    const bool collected = !refunded && !rng.chance(0.06);
    const std::string charged = day.at(payment.time);
    const std::string priced = day.at(std::max(0, payment.time - rng.between(60, 600)));
    const std::string handedOut =
        day.at(laterInDay(rng, payment.time, rng.between(minutes(3), minutes(40))));
    const std::string& pharmacist =
        catalog_.op(staff[static_cast<std::size_t>(rng.below(static_cast<int>(staff.size())))])
            .name;
    for (const OrderLine& line : order.lines) {
        const Drug& drug = catalog_.drug(line.drug);
        priced_.text(visit.code)
            .text(priced)
            .text(payment.document)
            .text(drug.bigType)
            .text(drug.name)
            .money(drug.retail)
            .integer(line.quantity)
            .text(visit.department)
            .text(visit.doctor)
            .text(catalog_.op(payment.cashier).name)
            .text(order.style)
            .text("0")
            .text(pharmacy.code)
            .text(order.goods)
            .text(collected ? "1" : "0")
            .text("普通")
            .integer(0)
            .integer(collected ? 1 : 0)
            .integer(line.doses)
            .text(drug.strength)
            .row();
        if (!collected) {
            continue;
        }
        dispensed_.text(visit.code)
            .text(charged)
            .text(payment.document)
            .text(drug.bigType)
            .text(drug.name)
            .money(drug.retail)
            .integer(line.quantity)
            .text(visit.department)
            .text(visit.doctor)
            .text(pharmacist)
            .text(pharmacy.code)
            .text(order.style)
            .text(order.goods)
            .text("1")
            .integer(1)
            .text(handedOut)
            .integer(line.doses)
            .text(drug.strength)
            .row();
    }
}

}  // namespace orbista::demo
