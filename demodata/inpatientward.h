#pragma once

#include "demoday.h"
#include "inpatientorders.h"
#include "referencecatalog.h"
#include "tablewriter.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orbista::demo {

// The wards, the admission and settlement desk and the inpatient pharmacy: admits patients,
// charges them day by day, takes deposits, locks and unlocks their fees, transfers and
// discharges them. A stay's fee lines are kept until it is settled at discharge, when they
// are written with their settlement; zy_in gets its row once the stay's final state is known.
// Only the patients in hospital are held in memory.
class InpatientWard {
  public:
    InpatientWard(WriterSet& writers, const ReferenceCatalog& catalog, std::uint64_t seed);
    ~InpatientWard();
    void simulate(const DemoDay& day);
    // Writes the patients still in hospital at the end of the span, unsettled.
    void finish(const DemoDay& lastDay);

  private:
    enum class Lock { None, Arrears, Review };
    struct FeeLine {
        std::string time;
        std::string voucher;
        const char* bigType = "";
        std::string name;
        std::optional<std::int64_t> quantity;
        std::optional<Cents> price;
        std::string department;
        std::string doctor;
        std::string clerk;
        std::string prescription;
        std::string drugCode;
        std::string goods;
        bool fixed = false;
    };
    struct Stay {
        std::string code;
        int admittedDay = 0;
        int dischargeDay = 0;
        int transferDay = -1;
        int surgeryDay = -1;
        std::string admittedAt;
        int admittingDepartment = 0;
        int department = 0;
        int admittingDoctor = 0;
        int doctor = 0;
        int bed = -1;  // -1: an extra bed in the corridor
        std::string bedLabel;
        bool male = true;
        double age = 0;
        std::string name, marry, occupation, nation, address, employer, diagnosis, condition, payer,
            contact, phone, caseNumber;
        int clerk = 0;
        Lock lock = Lock::None;
        int reviewEnds = -1;
        Cents deposits = 0;
        Cents fees = 0;
        bool discharged = false;
        std::vector<FeeLine> lines;
    };

    void admit(Rng& rng, const DemoDay& day, int time);
    void serve(Rng& rng, const DemoDay& day, Stay& stay);
    void discharge(Rng& rng, const DemoDay& day, Stay& stay);
    void transfer(Rng& rng, const DemoDay& day, Stay& stay);
    void book(Rng& rng, const DemoDay& day, int time, Stay& stay,
              const std::vector<WardLine>& lines, int clerk);
    void deposit(Rng& rng, const DemoDay& day, int time, Stay& stay, Cents amount,
                 const char* memo);
    void lock(const DemoDay& day, int time, Stay& stay, Lock kind, const char* reason);
    void unlock(const DemoDay& day, int time, Stay& stay, const char* reason);
    void writeFees(const Stay& stay, const std::string& settledAt, int settler);
    void writeAdmission(const Stay& stay);
    int wardDepartment(Rng& rng, int excluded) const;
    int takeBed(int department);
    void freeBed(const Stay& stay);
    int clerkOnDuty(Rng& rng) const;
    void describePatient(Rng& rng, Stay& stay) const;

    const ReferenceCatalog& catalog_;
    WardOrders orders_;
    std::uint64_t seed_;
    TableWriter& admissions_;
    TableWriter& discharges_;
    TableWriter& fees_;
    TableWriter& deposits_;
    TableWriter& locks_;
    TableWriter& unlocks_;
    TableWriter& transfers_;
    TableWriter& dispensed_;
    TableWriter& closings_;
    std::vector<std::unique_ptr<Stay>> stays_;  // in hospital, in admission order
    std::vector<std::vector<bool>> bedsTaken_;  // per department
    std::vector<int> wardWeights_;
    int theatre_ = 0;
    int emergency_ = 0;
    std::int64_t nextCode_ = 100001;
    std::int64_t nextVoucher_ = 1;
    std::int64_t nextPrescription_ = 1;
    std::int64_t nextReceipt_ = 1;
    std::int64_t nextSettlement_ = 1;
    bool blankLineDue_ = false;
};

}  // namespace orbista::demo
