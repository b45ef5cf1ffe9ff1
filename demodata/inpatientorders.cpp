#include "inpatientorders.h"

#include <algorithm>

namespace orbista::demo {

namespace {

struct Service {
    const char* bigType;
    const char* name;
    Cents price;
};

// The ward's price list (fen).
constexpr Service kBed{"床位费", "普通病房床位费", 2500};
constexpr Service kNursingFirst{"护理费", "一级护理", 2800};
constexpr Service kNursingSecond{"护理费", "二级护理", 1500};
constexpr Service kRound{"诊查费", "住院诊查费", 1000};
constexpr Service kInfusion{"治疗费", "静脉输液", 800};
constexpr Service kOxygen{"输氧费", "氧气吸入", 250};  // per hour
constexpr Service kDressing{"治疗费", "换药", 1500};
constexpr Service kNebulizer{"治疗费", "雾化吸入", 1200};
constexpr Service kAcupuncture{"治疗费", "针灸治疗", 2000};
constexpr Service kMonitor{"治疗费", "心电监护", 500};  // per hour
constexpr Service kLabs[] = {
    {"化验费", "血常规", 1500},    {"化验费", "尿常规", 800},    {"化验费", "生化全套", 18000},
    {"化验费", "凝血四项", 8000},  {"化验费", "血型鉴定", 2000}, {"化验费", "输血前四项", 12000},
    {"化验费", "C反应蛋白", 3000}, {"化验费", "血气分析", 6000},
};
constexpr Service kExams[] = {
    {"检查费", "常规心电图检查", 2500}, {"检查费", "彩色多普勒超声", 15000},
    {"检查费", "DR胸部正位片", 7000},   {"检查费", "CT平扫", 26000},
    {"检查费", "核磁共振平扫", 58000},
};
struct Operation {
    const char* department;
    const char* name;
    Cents price;
    bool general;  // general anaesthesia, else spinal
};
constexpr Operation kOperations[] = {
    {"外科", "清创缝合术", 20000, false},
    {"普外科", "阑尾切除术", 120000, false},
    {"普外科", "腹腔镜胆囊切除术", 280000, true},
    {"普外科", "腹股沟疝修补术", 150000, false},
    {"骨科", "股骨颈骨折内固定术", 380000, true},
    {"骨科", "桡骨远端骨折切开复位术", 220000, false},
    {"泌尿外科", "经尿道前列腺电切术", 260000, false},
    {"泌尿外科", "输尿管镜碎石术", 240000, false},
    {"神经外科", "慢性硬膜下血肿钻孔引流术", 320000, true},
    {"妇产科", "剖宫产术", 180000, false},
    {"妇产科", "子宫肌瘤剔除术", 220000, true},
    {"眼科", "白内障超声乳化吸除术", 160000, false},
    {"耳鼻咽喉科", "扁桃体切除术", 90000, true},
};

WardLine serviceLine(const Service& service, int quantity = 1) {
    return {service.bigType, service.name, quantity, service.price, -1, false, false};
}

}  // namespace

const char* westernDrugFee() {
    return "西药费";
}
const char* patentDrugFee() {
    return "中成药费";
}
const char* herbalDrugFee() {
    return "中草药费";
}

WardOrders::WardOrders(const ReferenceCatalog& catalog)
    : catalog_(catalog),
      infusionSet_(catalog.drugNamed("一次性使用输液器")),
      syringe_(catalog.drugNamed("一次性使用无菌注射器")),
      suture_(catalog.drugNamed("可吸收缝合线")),
      catheterKit_(catalog.drugNamed("一次性导尿包")),
      gown_(catalog.drugNamed("一次性手术衣")),
      propofol_(catalog.drugNamed("丙泊酚注射液")),
      lidocaine_(catalog.drugNamed("盐酸利多卡因注射液")) {}

bool WardOrders::departmentIs(int department, std::initializer_list<const char*> names) const {
    const std::string& name = catalog_.department(department).name;
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

int WardOrders::meanStay(int department) const {
    struct Stay {
        const char* department;
        int days;
    };
    static constexpr Stay kStays[] = {
        {"神经内科", 12}, {"骨科", 14},    {"神经外科", 16},  {"妇产科", 5},  {"儿科", 5},
        {"眼科", 4},      {"中医科", 12},  {"急诊科", 3},     {"康复科", 20}, {"感染科", 12},
        {"肿瘤科", 10},   {"泌尿外科", 7}, {"耳鼻咽喉科", 5},
    };
    for (const Stay& stay : kStays) {
        if (catalog_.department(department).name == stay.department) {
            return stay.days;
        }
    }
    return 8;
}

WardLine WardOrders::drugLine(int drug, int quantity) const {
    const Drug& item = catalog_.drug(drug);
    const char* bigType = "材料费";
    if (item.kind == GoodsKind::Western) {
        bigType = westernDrugFee();
    } else if (item.kind == GoodsKind::Patent) {
        bigType = patentDrugFee();
    } else if (item.kind == GoodsKind::Herbal) {
        bigType = herbalDrugFee();
    }
    return {bigType, item.name, quantity, item.retail, drug, false, false};
}

void WardOrders::addDrugs(Rng& rng, const std::vector<int>& pool, int count, int low, int high,
                          std::vector<WardLine>& lines) const {
    for (int i = 0; i < count; ++i) {
        const int drug = pickPopular(rng, pool);
        const bool taken = std::any_of(lines.begin(), lines.end(),
                                       [drug](const WardLine& line) { return line.drug == drug; });
        if (!taken) {
            lines.push_back(drugLine(drug, rng.between(low, high)));
        }
    }
}

void WardOrders::addInfusion(Rng& rng, std::vector<WardLine>& lines) const {
    const int bottles = rng.between(1, 3);
    addDrugs(rng, catalog_.infusionBases, bottles, 1, 1, lines);
    addDrugs(rng, catalog_.westernInjections, rng.between(1, 2), 1, 2, lines);
    lines.push_back(serviceLine(kInfusion, bottles));
    lines.push_back(drugLine(infusionSet_, 1));
    lines.push_back(drugLine(syringe_, rng.between(1, 2)));
}

void WardOrders::addHerbs(Rng& rng, std::vector<WardLine>& lines) const {
    // One dose a day, decocted by the ward's pharmacy; quantities are grams.
    addDrugs(rng, catalog_.herbs, rng.between(8, 12), 6, 30, lines);
}

std::vector<WardLine> WardOrders::dailyCharges(int department, bool intensive) const {
    (void)department;
    return {
        [&] {
            WardLine bed = serviceLine(kBed);
            bed.fixed = true;
            return bed;
        }(),
        [&] {
            WardLine nursing = serviceLine(intensive ? kNursingFirst : kNursingSecond);
            nursing.fixed = true;
            return nursing;
        }(),
        [&] {
            WardLine round = serviceLine(kRound);
            round.fixed = true;
            return round;
        }(),
    };
}

std::vector<WardLine> WardOrders::admission(Rng& rng, int department) const {
    std::vector<WardLine> lines;
    lines.push_back(serviceLine(kLabs[0]));
    lines.push_back(serviceLine(kLabs[1]));
    lines.push_back(serviceLine(kLabs[2]));
    lines.push_back(serviceLine(kExams[0]));
    if (catalog_.department(department).surgical) {
        lines.push_back(serviceLine(kLabs[3]));
        lines.push_back(serviceLine(kLabs[4]));
        lines.push_back(serviceLine(kLabs[5]));
    }
    if (rng.chance(0.6)) {
        lines.push_back(serviceLine(kExams[rng.between(1, 3)]));
    }
    if (departmentIs(department, {"神经内科", "神经外科"}) && rng.chance(0.5)) {
        lines.push_back(serviceLine(kExams[4]));
    }
    addInfusion(rng, lines);
    return lines;
}

std::vector<WardLine> WardOrders::day(Rng& rng, int department, bool afterSurgery) const {
    std::vector<WardLine> lines;
    if (rng.chance(0.85)) {
        if (rng.chance(0.7)) {
            addInfusion(rng, lines);
        } else {
            addDrugs(rng, catalog_.westernOral, rng.between(1, 2), 1, 2, lines);
        }
    }
    if (rng.chance(0.25)) {
        const bool injection = rng.chance(0.3);
        addDrugs(rng, injection ? catalog_.patentInjections : catalog_.patentOral, 1, 1, 2, lines);
    }
    if (departmentIs(department, {"中医科", "康复科"}) && rng.chance(0.6)) {
        addHerbs(rng, lines);
    }
    if (departmentIs(department, {"中医科", "康复科"}) && rng.chance(0.5)) {
        lines.push_back(serviceLine(kAcupuncture));
    }
    if (departmentIs(department, {"呼吸内科", "儿科"}) && rng.chance(0.3)) {
        lines.push_back(serviceLine(kNebulizer));
    }
    if (departmentIs(department, {"呼吸内科", "心血管内科", "神经内科", "急诊科"}) &&
        rng.chance(0.3)) {
        lines.push_back(serviceLine(kOxygen, rng.between(4, 24)));
    }
    if (departmentIs(department, {"心血管内科", "急诊科", "神经外科"}) && rng.chance(0.2)) {
        lines.push_back(serviceLine(kMonitor, 24));
    }
    if (afterSurgery && rng.chance(0.5)) {
        lines.push_back(serviceLine(kDressing));
    }
    if (rng.chance(0.2)) {
        lines.push_back(serviceLine(kLabs[rng.below(static_cast<int>(std::size(kLabs)))]));
    }
    if (rng.chance(0.08)) {
        lines.push_back(serviceLine(kExams[rng.below(4)]));
    }
    return lines;
}

std::vector<WardLine> WardOrders::surgery(Rng& rng, int department) const {
    std::vector<const Operation*> choices;
    for (const Operation& operation : kOperations) {
        if (catalog_.department(department).name == operation.department) {
            choices.push_back(&operation);
        }
    }
    if (choices.empty()) {
        return {};
    }
    const Operation& operation =
        *choices[static_cast<std::size_t>(rng.below(static_cast<int>(choices.size())))];
    std::vector<WardLine> lines;
    lines.push_back({"手术费", operation.name, 1, operation.price, -1, false, false});
    WardLine anaesthesia{"麻醉费", operation.general ? "全身麻醉" : "椎管内麻醉",
                         1,        operation.general ? 80000 : 50000,
                         -1,       true,
                         false};
    lines.push_back(anaesthesia);
    WardLine drug = drugLine(operation.general ? propofol_ : lidocaine_, rng.between(1, 2));
    drug.theatre = true;
    lines.push_back(drug);
    lines.push_back(drugLine(suture_, rng.between(1, 3)));
    lines.push_back(drugLine(catheterKit_, 1));
    lines.push_back(drugLine(gown_, 2));
    return lines;
}

std::vector<WardLine> WardOrders::takeHome(Rng& rng) const {
    std::vector<WardLine> lines;
    addDrugs(rng, catalog_.westernOral, rng.between(1, 3), 1, 3, lines);
    if (rng.chance(0.3)) {
        addDrugs(rng, catalog_.patentOral, 1, 1, 2, lines);
    }
    return lines;
}

}  // namespace orbista::demo
