#include "referencecatalog.h"

namespace orbista::demo {

namespace {

// Grades as compared by the screens: surrounding blanks do not count.
std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void sortIntoPools(ReferenceCatalog& catalog) {
    for (std::size_t i = 0; i < catalog.drugs.size(); ++i) {
        const Drug& drug = catalog.drugs[i];
        const int index = static_cast<int>(i);
        switch (drug.kind) {
            case GoodsKind::Western:
                if (drug.bigType == "输液类") {
                    catalog.infusionBases.push_back(index);
                } else if (drug.injection) {
                    catalog.westernInjections.push_back(index);
                } else {
                    catalog.westernOral.push_back(index);
                }
                break;
            case GoodsKind::Patent:
                (drug.injection ? catalog.patentInjections : catalog.patentOral).push_back(index);
                break;
            case GoodsKind::Herbal:
                catalog.herbs.push_back(index);
                break;
            case GoodsKind::Material:
                catalog.materials.push_back(index);
                break;
            case GoodsKind::LowValue:
                catalog.lowValue.push_back(index);
                break;
        }
    }
}

ReferenceCatalog build() {
    ReferenceCatalog catalog;
    catalog.hospital = "华阳县人民医院";
    catalog.departments = hospitalDepartments();
    catalog.doctors = hospitalDoctors(catalog.departments);
    catalog.doctorsOf.resize(catalog.departments.size());
    for (std::size_t i = 0; i < catalog.doctors.size(); ++i) {
        catalog.doctorsOf[static_cast<std::size_t>(catalog.doctors[i].department)].push_back(
            static_cast<int>(i));
    }
    catalog.operators = hospitalOperators();
    for (std::size_t i = 0; i < catalog.operators.size(); ++i) {
        const std::string grade = trimmed(catalog.operators[i].grade);
        const int index = static_cast<int>(i);
        if (grade == "收费员" || grade == "门诊管理") {
            catalog.cashiers.push_back(index);
        } else if (grade == "住院管理") {
            catalog.inpatientClerks.push_back(index);
        } else if (grade == "系统管理员") {
            catalog.administrators.push_back(index);
        } else if (grade == "药房管理") {
            catalog.pharmacists.push_back(index);
        } else if (grade == "药库管理") {
            catalog.warehouseKeepers.push_back(index);
        }
    }
    catalog.westernBigTypes = westernBigTypeList();
    catalog.chineseBigTypes = chineseBigTypeList();
    catalog.westernOrigins = westernOriginList();
    catalog.chineseOrigins = chineseOriginList();
    catalog.drugs = drugCatalogue(catalog.westernOrigins);
    catalog.outpatientFees = outpatientFeeList();
    sortIntoPools(catalog);
    const std::vector<std::vector<const char*>> dispensers = {
        {"何建军", "高淑珍"}, {"罗小兵"}, {"梁红"},
        {"罗小兵", "冯玉梅"}, {"宋晓东"}, {"谢春燕", "冯玉梅"},
    };
    for (const auto& names : dispensers) {
        std::vector<int> staff;
        for (const char* name : names) {
            staff.push_back(catalog.operatorNamed(name));
        }
        catalog.pharmacyStaff.push_back(staff);
    }
    return catalog;
}

template <typename T>
int indexNamed(const std::vector<T>& items, const std::string& name) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

const ReferenceCatalog& ReferenceCatalog::instance() {
    static const ReferenceCatalog catalog = build();
    return catalog;
}

int ReferenceCatalog::departmentNamed(const std::string& name) const {
    return indexNamed(departments, name);
}

int ReferenceCatalog::drugNamed(const std::string& name) const {
    const int index = indexNamed(drugs, name);
    if (index < 0) {
        throw DemoError("no catalogue item " + name);
    }
    return index;
}

int ReferenceCatalog::doctorNamed(const std::string& name) const {
    return indexNamed(doctors, name);
}

int ReferenceCatalog::operatorNamed(const std::string& name) const {
    return indexNamed(operators, name);
}

}  // namespace orbista::demo
