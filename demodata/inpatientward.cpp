#include "inpatientward.h"

#include <algorithm>

namespace orbista::demo {

namespace {

constexpr std::uint64_t kWardStream = 0x5A59;  // "ZY"
constexpr double kAdmissionsPerDay = 40;
constexpr double kWeekdayAdmissions[] = {0, 1.15, 1.1, 1.05, 1.05, 1.0, 0.85, 0.8};
constexpr Cents kTopUpBelow = 50000;  // patients are asked for more below 500 yuan
constexpr Cents kLockBelow = -30000;  // fees locked when 300 yuan in arrears

int minutes(int m) {
    return m * 60;
}

const char* dischargeCondition(Rng& rng) {
    switch (rng.weighted({35, 50, 8, 4, 1, 2})) {
        case 0:
            return "治愈";
        case 1:
            return "好转";
        case 2:
            return "未愈";
        case 3:
            return "转院";
        case 4:
            return "死亡";
        default:
            return "其他";
    }
}

}  // namespace

InpatientWard::InpatientWard(WriterSet& writers, const ReferenceCatalog& catalog,
                             std::uint64_t seed)
    : catalog_(catalog),
      orders_(catalog),
      seed_(seed),
      admissions_(writers.make("zy_in",
                               {"code",    "indate",  "name",     "sex",     "marry",     "zhiye",
                                "nation",  "address", "workdept", "indepa",  "doctor",    "zhendan",
                                "binqing", "yltype",  "lxr",      "tel",     "cwh",       "status1",
                                "status2", "in_out",  "recman",   "rectime", "bingli_no", "age"})),
      discharges_(writers.make("zy_out", {"code", "outdate", "outdepa", "outthing"})),
      fees_(writers.make(
          "zy_cost",
          {"code",     "fydate", "fycode",  "fybigtype", "fyname", "fynum",  "fyprice", "fydepa",
           "fydoctor", "recman", "jzcode",  "jzdate",    "jzman",  "jztype", "jzmemo",  "fystatus",
           "cfcode",   "ypcode", "cf_type", "jz_flag",   "memo",   "gdbz",   "yp_style"})),
      deposits_(writers.make(
          "zy_yjk", {"code", "num", "indate", "type", "typememo", "price", "memo", "recman"})),
      locks_(writers.make("zy_lock", {"code", "lockdate", "lockmemo", "recman"})),
      unlocks_(writers.make("zy_unlock", {"code", "unlockdate", "unlockmemo", "recman"})),
      transfers_(
          writers.make("zy_changedepa", {"changedate", "code", "olddepa", "newdepa", "recman"})),
      dispensed_(
          writers.make("zy_ypout_x", {"code", "fydate", "fycode", "fybigtype", "fyname", "fyprice",
                                      "fynum", "fydepa", "fydoctor", "outman", "depa", "style",
                                      "yp_style", "chu_flag", "flag", "outdate", "fushu", "gg"})),
      closings_(writers.make("yf_zzdate", {"zzdate", "recman"})) {
    for (std::size_t i = 0; i < catalog.departments.size(); ++i) {
        const Department& department = catalog.departments[i];
        bedsTaken_.emplace_back(static_cast<std::size_t>(department.wardBeds), false);
        wardWeights_.push_back(department.wardBeds);
        if (department.name == "手术室") {
            theatre_ = static_cast<int>(i);
        }
        if (department.name == "急诊科") {
            emergency_ = static_cast<int>(i);
        }
    }
}

InpatientWard::~InpatientWard() = default;

void InpatientWard::simulate(const DemoDay& day) {
    Rng rng = Rng::derive(seed_, kWardStream, static_cast<std::uint64_t>(day.index));
    blankLineDue_ = day.index % 10 == 2;
    for (const auto& stay : stays_) {
        serve(rng, day, *stay);
    }
    std::erase_if(stays_, [](const std::unique_ptr<Stay>& stay) { return stay->discharged; });

    const int count = rng.around(kAdmissionsPerDay * kWeekdayAdmissions[day.weekday], 6);
    std::vector<int> arrivals;
    for (int i = 0; i < count; ++i) {
        const int kind = rng.weighted({60, 30, 10});
        arrivals.push_back(kind == 0   ? rng.between(hours(8), hours(12))
                           : kind == 1 ? rng.between(hours(14), hours(18))
                                       : rng.below(kSecondsPerDay));
    }
    std::sort(arrivals.begin(), arrivals.end());
    for (const int time : arrivals) {
        admit(rng, day, time);
    }
    // The settlement desk closes its day.
    closings_.text(day.at(hours(17, 30))).text(catalog_.op(clerkOnDuty(rng)).name).row();
}

void InpatientWard::finish(const DemoDay& lastDay) {
    (void)lastDay;
    for (const auto& stay : stays_) {
        writeFees(*stay, {}, -1);
        writeAdmission(*stay);
    }
    stays_.clear();
}

int InpatientWard::clerkOnDuty(Rng& rng) const {
    // The administrators stand in at the settlement desk now and then.
    const auto& pool = rng.chance(0.05) ? catalog_.administrators : catalog_.inpatientClerks;
    return pool[static_cast<std::size_t>(rng.below(static_cast<int>(pool.size())))];
}

int InpatientWard::wardDepartment(Rng& rng, int excluded) const {
    std::vector<int> weights = wardWeights_;
    if (excluded >= 0) {
        weights[static_cast<std::size_t>(excluded)] = 0;
    }
    return rng.weighted(weights);
}

int InpatientWard::takeBed(int department) {
    std::vector<bool>& beds = bedsTaken_[static_cast<std::size_t>(department)];
    for (std::size_t i = 0; i < beds.size(); ++i) {
        if (!beds[i]) {
            beds[i] = true;
            return static_cast<int>(i);
        }
    }
    return -1;
}

void InpatientWard::freeBed(const Stay& stay) {
    if (stay.bed >= 0) {
        bedsTaken_[static_cast<std::size_t>(stay.department)][static_cast<std::size_t>(stay.bed)] =
            false;
    }
}

void InpatientWard::admit(Rng& rng, const DemoDay& day, int time) {
    auto stay = std::make_unique<Stay>();
    const bool night = time < hours(8) || time >= hours(20);
    stay->department = night && rng.chance(0.3) ? emergency_ : wardDepartment(rng, -1);
    stay->admittingDepartment = stay->department;
    const auto& doctors = catalog_.doctorsOf[static_cast<std::size_t>(stay->department)];
    stay->doctor = doctors[static_cast<std::size_t>(rng.below(static_cast<int>(doctors.size())))];
    stay->admittingDoctor = stay->doctor;
    stay->bed = takeBed(stay->department);
    stay->bedLabel = stay->bed >= 0 ? std::to_string(stay->bed + 1) + "床" : "加床";
    stay->code = serialCode("", nextCode_++, 6);
    stay->caseNumber = day.text.substr(0, 4) + serialCode("", nextCode_ % 100000, 5);
    stay->admittedDay = day.index;
    stay->admittedAt = day.at(time);
    stay->clerk = clerkOnDuty(rng);
    describePatient(rng, *stay);

    const int mean = orders_.meanStay(stay->department);
    int length = std::max(1, rng.around(mean, mean * 0.7));
    if (rng.chance(0.1)) {
        length *= 2;
    }
    stay->dischargeDay = day.index + std::min(length, 60);
    if (catalog_.department(stay->department).surgical && length >= 2 && rng.chance(0.7)) {
        stay->surgeryDay = day.index + rng.between(1, std::min(2, length - 1));
    }
    if (length >= 3 && rng.chance(0.05)) {
        stay->transferDay = day.index + rng.between(1, length - 1);
    }

    Stay& admitted = *stay;
    stays_.push_back(std::move(stay));
    const bool surgical = catalog_.department(admitted.department).surgical;
    const Cents first = surgical ? rng.between(6, 12) * 50000 : rng.between(2, 6) * 50000;
    deposit(rng, day, laterInDay(rng, time, rng.between(minutes(5), minutes(20))), admitted, first,
            "入院预交金");
    book(rng, day, time, admitted, orders_.dailyCharges(admitted.department, true), admitted.clerk);
    book(rng, day, laterInDay(rng, time, rng.between(minutes(30), minutes(120))), admitted,
         orders_.admission(rng, admitted.department), clerkOnDuty(rng));
}

void InpatientWard::serve(Rng& rng, const DemoDay& day, Stay& stay) {
    const int dayOfStay = day.index - stay.admittedDay;
    const bool intensive = dayOfStay <= 2 || day.index == stay.surgeryDay + 1;
    // The night job books bed, nursing and ward-round charges at midnight under the
    // administrator's account.
    book(rng, day, 0, stay, orders_.dailyCharges(stay.department, intensive),
         catalog_.administrators.front());
    if (stay.lock == Lock::Review && day.index >= stay.reviewEnds) {
        unlock(day, rng.between(hours(8), hours(9)), stay, "医保审核完毕");
    }
    if (day.index == stay.transferDay) {
        transfer(rng, day, stay);
    }
    if (day.index == stay.dischargeDay) {
        discharge(rng, day, stay);
        return;
    }
    if (stay.deposits - stay.fees < kTopUpBelow && rng.chance(0.5)) {
        deposit(rng, day, rng.between(hours(9), hours(12)), stay, rng.between(2, 6) * 50000,
                "续交预交金");
    }
    if (stay.lock == Lock::None) {
        if (day.index == stay.surgeryDay) {
            book(rng, day, rng.between(hours(8), hours(12)), stay,
                 orders_.surgery(rng, stay.department), clerkOnDuty(rng));
        }
        const bool afterSurgery = stay.surgeryDay >= 0 && day.index > stay.surgeryDay;
        book(rng, day, rng.between(hours(8), hours(20)), stay,
             orders_.day(rng, stay.department, afterSurgery), clerkOnDuty(rng));
    }
    if (stay.lock == Lock::None && stay.payer != "自费" && rng.chance(0.015)) {
        lock(day, rng.between(hours(13), hours(16)), stay, Lock::Review, "医保审核锁定");
        stay.reviewEnds = day.index + rng.between(1, 2);
    }
    if (stay.lock == Lock::None && stay.deposits - stay.fees < kLockBelow && rng.chance(0.6)) {
        lock(day, rng.between(hours(17), hours(18)), stay, Lock::Arrears, "欠费锁定");
    }
}

void InpatientWard::transfer(Rng& rng, const DemoDay& day, Stay& stay) {
    const int target = wardDepartment(rng, stay.department);
    transfers_.text(day.at(rng.between(hours(7), hours(8))))
        .text(stay.code)
        .text(catalog_.department(stay.department).name)
        .text(catalog_.department(target).name)
        .text(catalog_.op(clerkOnDuty(rng)).name)
        .row();
    freeBed(stay);
    stay.department = target;
    stay.bed = takeBed(target);
    stay.bedLabel = stay.bed >= 0 ? std::to_string(stay.bed + 1) + "床" : "加床";
    const auto& doctors = catalog_.doctorsOf[static_cast<std::size_t>(target)];
    stay.doctor = doctors[static_cast<std::size_t>(rng.below(static_cast<int>(doctors.size())))];
}

void InpatientWard::discharge(Rng& rng, const DemoDay& day, Stay& stay) {
    const int leaves = rng.between(hours(10), hours(16));
    const int settles = leaves + rng.between(minutes(5), minutes(30));
    if (rng.chance(0.6)) {
        book(rng, day, leaves - minutes(30), stay, orders_.takeHome(rng), clerkOnDuty(rng));
    }
    if (stay.lock != Lock::None) {
        unlock(day, settles - 120, stay, "出院结算解锁");
    }
    // The balance is paid up or handed back, so that a settled stay owes nothing.
    const Cents balance = stay.deposits - stay.fees;
    if (balance < 0) {
        deposit(rng, day, settles - 60, stay, -balance, "出院结算补交");
    } else if (balance > 0) {
        deposit(rng, day, settles, stay, -balance, "出院结算退款");
    }
    const int settler = clerkOnDuty(rng);
    writeFees(stay, day.at(settles), settler);
    discharges_.text(stay.code)
        .text(day.at(leaves))
        .text(catalog_.department(stay.department).name)
        .text(dischargeCondition(rng))
        .row();
    stay.discharged = true;
    writeAdmission(stay);
    freeBed(stay);
}

void InpatientWard::book(Rng& rng, const DemoDay& day, int time, Stay& stay,
                         const std::vector<WardLine>& lines, int clerk) {
    if (lines.empty()) {
        return;
    }
    const std::string stamp = day.at(time);
    const std::string voucher = serialCode("Z", nextVoucher_++, 9);
    const bool anyDrug = std::any_of(lines.begin(), lines.end(), [this](const WardLine& line) {
        return line.drug >= 0 && catalog_.drug(line.drug).kind != GoodsKind::Material;
    });
    const std::string prescription = anyDrug ? serialCode("ZC", nextPrescription_++, 8) : "";
    const auto& anaesthetists = catalog_.doctorsOf[static_cast<std::size_t>(theatre_)];
    const std::string& wardDoctor = catalog_.doctor(stay.doctor).name;
    const auto& pharmacists = catalog_.pharmacyStaff.back();
    for (const WardLine& line : lines) {
        FeeLine fee;
        fee.time = stamp;
        fee.voucher = voucher;
        fee.bigType = line.bigType;
        fee.name = line.name;
        fee.quantity = line.quantity;
        fee.price = line.price;
        fee.department = catalog_.department(line.theatre ? theatre_ : stay.department).name;
        fee.doctor = line.theatre ? catalog_
                                        .doctor(anaesthetists[static_cast<std::size_t>(
                                            rng.below(static_cast<int>(anaesthetists.size())))])
                                        .name
                                  : wardDoctor;
        if (fee.doctor == "王建国" && rng.chance(0.08)) {
            fee.doctor = " 王建国 ";  // as one ward terminal saves it
        }
        fee.clerk = catalog_.op(clerk).name;
        fee.fixed = line.fixed;
        const Drug* drug = line.drug >= 0 ? &catalog_.drug(line.drug) : nullptr;
        if (drug) {
            fee.drugCode = drug->code;
            fee.goods = goodsStyle(drug->kind);
            if (drug->kind != GoodsKind::Material) {
                fee.prescription = prescription;
            }
        } else if (blankLineDue_ || rng.chance(1.0 / 6000)) {
            // A service line saved without its count or its price.
            (day.index / 10 % 2 == 0 ? fee.quantity : fee.price).reset();
            blankLineDue_ = false;
        }
        if (fee.quantity && fee.price) {
            stay.fees += *fee.quantity * *fee.price;
        }
        if (drug && drug->kind != GoodsKind::Material) {
            const std::string& pharmacist = catalog_
                                                .op(pharmacists[static_cast<std::size_t>(rng.below(
                                                    static_cast<int>(pharmacists.size())))])
                                                .name;
            dispensed_.text(stay.code)
                .text(stamp)
                .text(voucher)
                .text(drug->bigType)
                .text(drug->name)
                .money(drug->retail)
                .integer(line.quantity)
                .text(fee.department)
                .text(fee.doctor)
                .text(pharmacist)
                .text(pharmacies().back().code)
                .text(drug->kind == GoodsKind::Western  ? "01"
                      : drug->kind == GoodsKind::Patent ? "02"
                                                        : "03")
                .text(fee.goods)
                .text("1")
                .integer(1)
                .text(day.at(laterInDay(rng, time, rng.between(minutes(20), minutes(90)))))
                .integer(1)
                .text(drug->strength)
                .row();
        }
        stay.lines.push_back(std::move(fee));
    }
}

}  // namespace orbista::demo
