// The stay's entries in the ledgers: deposits, lock and unlock log lines, the fee lines with
// their settlement, and the admission register row.

#include "inpatientward.h"

namespace orbista::demo {

namespace {

constexpr int kLastSecond = kSecondsPerDay - 1;

// The settlement method follows the patient's insurance.
const char* settlementMethod(const std::string& payer) {
    if (payer == "新农合") {
        return "新农合";
    }
    if (payer == "城镇职工") {
        return "职工医保";
    }
    if (payer == "城镇居民") {
        return "居民医保";
    }
    if (payer == "公费") {
        return "公费记账";
    }
    return "现金";
}

}  // namespace

void InpatientWard::deposit(Rng& rng, const DemoDay& day, int time, Stay& stay, Cents amount,
                            const char* memo) {
    const char* method = rng.pick(
        {"现金", "现金", "现金", "现金", "银行卡", "银行卡", "银行卡", "微信", "微信", "支付宝"});
    deposits_.text(stay.code)
        .text(serialCode("YJ", nextReceipt_++, 8))
        .text(day.at(time))
        .text(method)
        .text(memo)
        .money(amount)
        .text("")
        .text(catalog_.op(clerkOnDuty(rng)).name)
        .row();
    stay.deposits += amount;
    if (stay.lock == Lock::Arrears && amount > 0 && stay.deposits - stay.fees >= 0) {
        unlock(day, std::min(time + 60, kLastSecond), stay, "已补交预交金");
    }
}

void InpatientWard::lock(const DemoDay& day, int time, Stay& stay, Lock kind, const char* reason) {
    locks_.text(stay.code).text(day.at(time)).text(reason).text(catalog_.op(stay.clerk).name).row();
    stay.lock = kind;
}

void InpatientWard::unlock(const DemoDay& day, int time, Stay& stay, const char* reason) {
    unlocks_.text(stay.code)
        .text(day.at(time))
        .text(reason)
        .text(catalog_.op(stay.clerk).name)
        .row();
    stay.lock = Lock::None;
}

void InpatientWard::writeFees(const Stay& stay, const std::string& settledAt, int settler) {
    const bool settled = settler >= 0;
    const std::string settlement = settled ? serialCode("JS", nextSettlement_++, 8) : "";
    for (const FeeLine& fee : stay.lines) {
        fees_.text(stay.code)
            .text(fee.time)
            .text(fee.voucher)
            .text(fee.bigType)
            .text(fee.name)
            .integer(fee.quantity)
            .money(fee.price)
            .text(fee.department)
            .text(fee.doctor)
            .text(fee.clerk);
        if (settled) {
            fees_.text(settlement)
                .text(settledAt)
                .text(catalog_.op(settler).name)
                .text(settlementMethod(stay.payer))
                .text("出院结算")
                .text("已结");
        } else {
            fees_.null().null().null().null().null().text("未结");
        }
        fees_.text(fee.prescription)
            .text(fee.drugCode)
            .text(fee.prescription.empty() ? "0" : "1")
            .text(settled ? "1" : "0")
            .text("")
            .text(fee.fixed ? "1" : "0")
            .text(fee.goods)
            .row();
    }
}

void InpatientWard::writeAdmission(const Stay& stay) {
    const bool locked = stay.lock != Lock::None;
    admissions_.text(stay.code)
        .text(stay.admittedAt)
        .text(stay.name)
        .text(stay.male ? "男" : "女")
        .text(stay.marry)
        .text(stay.occupation)
        .text(stay.nation)
        .text(stay.address)
        .text(stay.employer)
        .text(catalog_.department(stay.admittingDepartment).name)
        .text(catalog_.doctor(stay.admittingDoctor).name)
        .text(stay.diagnosis)
        .text(stay.condition)
        .text(stay.payer)
        .text(stay.contact)
        .text(stay.phone)
        .text(stay.bedLabel)
        .text(locked ? "锁定" : "解锁")
        .text(stay.discharged              ? "已结算"
              : stay.lock == Lock::Arrears ? "欠费"
              : stay.lock == Lock::Review  ? "医保审核"
                                           : "未结算")
        .text(stay.discharged ? "出院" : "在院")
        .text(catalog_.op(stay.clerk).name)
        .text(stay.admittedAt)
        .text(stay.caseNumber)
        .number(stay.age)
        .row();
}

}  // namespace orbista::demo
