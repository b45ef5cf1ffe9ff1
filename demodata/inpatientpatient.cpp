// Who the inpatients are: age, family, work and the admission diagnosis by department.

#include "inpatientward.h"

#include "peoplenames.h"

namespace orbista::demo {

namespace {

struct Diagnoses {
    const char* department;
    std::vector<const char*> names;
};

const std::vector<Diagnoses>& diagnosesByDepartment() {
    static const std::vector<Diagnoses> table = {
        {"内科", {"高血压病", "2型糖尿病", "冠心病", "慢性阻塞性肺疾病", "贫血"}},
        {"心血管内科", {"冠状动脉粥样硬化性心脏病", "心力衰竭", "心房颤动", "高血压3级"}},
        {"消化内科", {"急性胃肠炎", "消化性溃疡", "上消化道出血", "肝硬化", "急性胰腺炎"}},
        {"呼吸内科", {"社区获得性肺炎", "慢性支气管炎急性发作", "支气管哮喘", "胸腔积液"}},
        {"神经内科", {"脑梗死", "短暂性脑缺血发作", "脑出血", "眩晕症", "帕金森病"}},
        {"内科二", {"2型糖尿病", "甲状腺功能亢进症", "痛风", "慢性肾功能不全"}},
        {"外科", {"软组织挫伤", "皮肤裂伤", "体表肿物"}},
        {"普外科", {"急性阑尾炎", "胆囊结石伴胆囊炎", "腹股沟疝", "肠梗阻"}},
        {"骨科", {"股骨颈骨折", "腰椎间盘突出症", "桡骨远端骨折", "膝骨关节炎"}},
        {"泌尿外科", {"输尿管结石", "前列腺增生", "肾结石", "泌尿系感染"}},
        {"神经外科", {"颅脑外伤", "慢性硬膜下血肿", "高血压脑出血"}},
        {"妇产科", {"孕39周待产", "子宫肌瘤", "先兆流产", "盆腔炎"}},
        {"儿科", {"小儿肺炎", "急性支气管炎", "小儿腹泻", "手足口病", "热性惊厥"}},
        {"眼科", {"老年性白内障", "青光眼", "翼状胬肉"}},
        {"耳鼻咽喉科", {"慢性扁桃体炎", "鼻中隔偏曲", "突发性耳聋"}},
        {"中医科", {"中风后遗症", "腰痛病", "痹证", "眩晕"}},
        {"急诊科", {"急性酒精中毒", "有机磷农药中毒", "多发伤", "急性心肌梗死"}},
        {"康复科", {"脑梗死恢复期", "骨折术后康复", "脊髓损伤"}},
        {"感染科", {"病毒性肝炎", "带状疱疹", "发热待查"}},
        {"肿瘤科", {"肺恶性肿瘤", "胃恶性肿瘤", "乳腺癌术后化疗", "结肠癌"}},
    };
    return table;
}

const char* diagnosisFor(Rng& rng, const std::string& department) {
    for (const Diagnoses& entry : diagnosesByDepartment()) {
        if (department == entry.department) {
            return entry
                .names[static_cast<std::size_t>(rng.below(static_cast<int>(entry.names.size())))];
        }
    }
    return "待查";
}

}  // namespace

void InpatientWard::describePatient(Rng& rng, Stay& stay) const {
    const std::string& department = catalog_.department(stay.department).name;
    const bool maternity = department == "妇产科";
    const bool children = department == "儿科";
    stay.male = !maternity && rng.chance(0.5);
    stay.name = personName(rng, stay.male);
    if (children) {
        // Infants' ages are kept in years with two decimals.
        stay.age = rng.chance(0.25) ? static_cast<double>(rng.between(1, 11) * 100 / 12) / 100.0
                                    : rng.between(1, 14);
    } else if (maternity) {
        stay.age = rng.between(20, 45);
    } else {
        stay.age = rng.chance(0.6) ? rng.between(50, 88) : rng.between(18, 49);
    }
    const bool adult = stay.age >= 18;
    stay.marry =
        !adult ? "未婚" : rng.pick({"已婚", "已婚", "已婚", "已婚", "未婚", "丧偶", "离异"});
    stay.occupation =
        !adult ? (stay.age >= 6 ? "学生" : "散居儿童")
        : stay.age >= 60
            ? rng.pick({"农民", "农民", "退休", "无业"})
            : rng.pick({"农民", "农民", "农民", "工人", "个体", "教师", "干部", "职员", "无业"});
    stay.nation = rng.chance(0.93) ? "汉族" : rng.pick({"回族", "彝族", "藏族", "羌族"});
    stay.address = homeAddress(rng);
    stay.employer = stay.occupation == "工人"   ? "华阳县水泥厂"
                    : stay.occupation == "教师" ? "华阳县第一中学"
                    : stay.occupation == "干部" ? "华阳县人民政府"
                    : stay.occupation == "职员" ? "华阳县农村信用社"
                                                : "";
    stay.diagnosis = diagnosisFor(rng, department);
    stay.condition = rng.pick({"一般", "一般", "一般", "一般", "急", "急", "危"});
    stay.payer = rng.pick({"新农合", "新农合", "新农合", "新农合", "新农合", "城镇职工", "城镇职工",
                           "城镇居民", "城镇居民", "自费", "公费"});
    stay.contact = personName(rng, rng.chance(0.5));
    stay.phone = mobileNumber(rng);
}

}  // namespace orbista::demo
