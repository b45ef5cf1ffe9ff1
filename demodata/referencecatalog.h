#pragma once

#include "tablewriter.h"

#include <string>
#include <vector>

namespace orbista::demo {

struct Department {
    std::string code;
    std::string name;
    int outpatientWeight = 0;  // share of outpatient visits; 0 for non-clinical departments
    int wardBeds = 0;          // 0: no ward, admits nobody
    bool surgical = false;
};

struct Doctor {
    std::string code;
    std::string name;
    int department = 0;   // index into departments
    bool senior = false;  // sees patients on the expert registration
};

struct Operator {
    std::string code;
    std::string name;
    std::string pass;
    std::string grade;  // as stored, blanks included
};

// The goods kinds of the catalogue, with the yp_style code each is stored under.
enum class GoodsKind { Western, Herbal, Patent, Material, LowValue };
const char* goodsStyle(GoodsKind kind);     // "01", "20", "21", "30", "31"
const char* goodsKindName(GoodsKind kind);  // "西药", "中草药", ...

struct Drug {
    std::string code;
    std::string name;
    std::string pym;
    std::string strength;  // strength and pack size, as printed: "0.25g*24粒"
    std::string unit;      // dispensing unit; prices are per unit
    std::string bigUnit;   // packing unit
    int perBigUnit = 1;
    Cents retail = 0;
    Cents wholesale = 0;
    std::string bigType;       // a name of data_ypbigtype or data_ypbigtype_z
    std::string form;          // dosage form, the catalogue's type
    std::string origin;        // a name of data_add_x or data_add_z
    std::string controlClass;  // 麻醉, 精神, 毒性, 贵重自费 or empty
    GoodsKind kind = GoodsKind::Western;
    bool injection = false;  // given by infusion or injection on the ward
};

struct CodeName {
    std::string code;
    std::string name;
};

// Fee classes of outpatient charges (mz_cost.fyname) with the codes the charging desk files
// them under.
enum class FeeClass {
    Western,
    Patent,
    Herbal,
    Examination,
    Laboratory,
    Treatment,
    Consultation,
    Registration,
    Material,
    Surgery,
};

struct FeeClassInfo {
    const char* name;      // fyname: 西药费, 检查费, ...
    const char* bigtype;   // two-character class code
    const char* style;     // two-character style code
    const char* typeFlag;  // "1" prescription charge, "0" other
};
const FeeClassInfo& feeClassInfo(FeeClass feeClass);

// One priced service of the outpatient fee list (data_fy_mz) or of the ward's fee list.
struct FeeItem {
    std::string code;
    std::string name;
    std::string pym;
    std::string unit;
    Cents price = 0;
    FeeClass feeClass = FeeClass::Treatment;
    std::string style;  // radiology examinations carry their own style code
};

// Everything the reference tables hold, fixed for every seed so that the documented logins,
// departments and doctors never change.
struct ReferenceCatalog {
    std::string hospital;
    std::vector<Department> departments;
    std::vector<Doctor> doctors;
    std::vector<std::vector<int>> doctorsOf;  // per department, indexes into doctors
    std::vector<Operator> operators;
    std::vector<Drug> drugs;
    std::vector<CodeName> westernBigTypes;
    std::vector<CodeName> chineseBigTypes;
    std::vector<CodeName> westernOrigins;
    std::vector<CodeName> chineseOrigins;
    std::vector<FeeItem> outpatientFees;

    // Operators by grade (indexes into operators).
    std::vector<int> cashiers;          // 收费员 and 门诊管理: take outpatient payments
    std::vector<int> inpatientClerks;   // 住院管理
    std::vector<int> administrators;    // 系统管理员
    std::vector<int> pharmacists;       // 药房管理
    std::vector<int> warehouseKeepers;  // 药库管理

    // Catalogue items by use (indexes into drugs); the first items of each are the most used.
    std::vector<int> westernOral;
    std::vector<int> westernInjections;
    std::vector<int> infusionBases;
    std::vector<int> patentOral;
    std::vector<int> patentInjections;
    std::vector<int> herbs;
    std::vector<int> materials;
    std::vector<int> lowValue;
    // Who dispenses in each pharmacy (per pharmacies() entry, indexes into operators).
    std::vector<std::vector<int>> pharmacyStaff;

    static const ReferenceCatalog& instance();

    const Operator& op(int index) const { return operators[static_cast<std::size_t>(index)]; }
    const Doctor& doctor(int index) const { return doctors[static_cast<std::size_t>(index)]; }
    const Department& department(int index) const {
        return departments[static_cast<std::size_t>(index)];
    }
    const Drug& drug(int index) const { return drugs[static_cast<std::size_t>(index)]; }
    int departmentNamed(const std::string& name) const;
    // The first catalogue item of that name; throws when there is none.
    int drugNamed(const std::string& name) const;
    int doctorNamed(const std::string& name) const;
    int operatorNamed(const std::string& name) const;
};

// The raw lists the catalogue is built from (one file each).
std::vector<Department> hospitalDepartments();
std::vector<Doctor> hospitalDoctors(const std::vector<Department>& departments);
std::vector<Operator> hospitalOperators();
std::vector<Drug> drugCatalogue(const std::vector<CodeName>& westernOrigins);
std::vector<CodeName> westernBigTypeList();
std::vector<CodeName> chineseBigTypeList();
std::vector<CodeName> westernOriginList();
std::vector<CodeName> chineseOriginList();
std::vector<FeeItem> outpatientFeeList();

// The pharmacies: code "01".."06" and the name the screens show.
struct Pharmacy {
    const char* code;
    const char* name;
};
const std::vector<Pharmacy>& pharmacies();

}  // namespace orbista::demo
