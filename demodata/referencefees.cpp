// The outpatient fee classes and the charging desk's fee list (data_fy_mz).

#include "referencecatalog.h"

#include "demoday.h"

namespace orbista::demo {

const FeeClassInfo& feeClassInfo(FeeClass feeClass) {
    // In the order of the FeeClass enumerators.
    static const FeeClassInfo classes[] = {
        {"西药费", "01", "01", "1"}, {"中成药费", "02", "02", "1"}, {"中草药费", "03", "03", "1"},
        {"检查费", "04", "04", "0"}, {"化验费", "05", "05", "0"},   {"治疗费", "06", "06", "0"},
        {"诊疗费", "07", "07", "0"}, {"挂号费", "08", "08", "0"},   {"材料费", "09", "09", "0"},
        {"手术费", "10", "10", "0"},
    };
    return classes[static_cast<int>(feeClass)];
}

std::vector<FeeItem> outpatientFeeList() {
    std::vector<FeeItem> items = {
        {"", "普通挂号费", "PTGHF", "次", 500, FeeClass::Registration, ""},
        {"", "专家挂号费", "ZJGHF", "次", 1000, FeeClass::Registration, ""},
        {"", "急诊挂号费", "JZGHF", "次", 800, FeeClass::Registration, ""},
        {"", "普通门诊诊查费", "PTMZZCF", "次", 600, FeeClass::Consultation, ""},
        {"", "副主任医师诊查费", "FZRYSZCF", "次", 1000, FeeClass::Consultation, ""},
        {"", "急诊诊查费", "JZZCF", "次", 800, FeeClass::Consultation, ""},
        {"", "常规心电图检查", "CGXDTJC", "次", 2500, FeeClass::Examination, ""},
        {"", "腹部B超", "FBBC", "次", 8000, FeeClass::Examination, ""},
        {"", "彩色多普勒超声", "CSDPLCS", "次", 15000, FeeClass::Examination, ""},
        {"", "胃镜检查", "WJJC", "次", 18000, FeeClass::Examination, ""},
        {"", "肺功能检查", "FGNJC", "次", 6000, FeeClass::Examination, ""},
        {"", "眼底检查", "YDJC", "次", 2000, FeeClass::Examination, ""},
        {"", "电测听", "DCT", "次", 3000, FeeClass::Examination, ""},
        // Radiology is filed as an examination under its own style code, so one fee name
        // appears under two styles.
        {"", "DR胸部正位片", "DRXBZWP", "次", 7000, FeeClass::Examination, "14"},
        {"", "腰椎DR正侧位片", "YZDRZCWP", "次", 12000, FeeClass::Examination, "14"},
        {"", "CT平扫", "CTPS", "次", 26000, FeeClass::Examination, "14"},
        {"", "血常规", "XCG", "次", 1500, FeeClass::Laboratory, ""},
        {"", "尿常规", "NCG", "次", 800, FeeClass::Laboratory, ""},
        {"", "大便常规", "DBCG", "次", 600, FeeClass::Laboratory, ""},
        {"", "肝功能", "GGN", "次", 6000, FeeClass::Laboratory, ""},
        {"", "肾功能", "SGN", "次", 4000, FeeClass::Laboratory, ""},
        {"", "血糖测定", "XTCD", "次", 600, FeeClass::Laboratory, ""},
        {"", "血脂四项", "XZSX", "次", 4500, FeeClass::Laboratory, ""},
        {"", "C反应蛋白", "CFYDB", "次", 3000, FeeClass::Laboratory, ""},
        {"", "糖化血红蛋白", "THXHDB", "次", 7000, FeeClass::Laboratory, ""},
        {"", "乙肝两对半", "YGLDB", "次", 7500, FeeClass::Laboratory, ""},
        {"", "静脉输液", "JMSY", "次", 800, FeeClass::Treatment, ""},
        {"", "肌肉注射", "JRZS", "次", 300, FeeClass::Treatment, ""},
        {"", "清创换药", "QCHY", "次", 1500, FeeClass::Treatment, ""},
        {"", "雾化吸入", "WHXR", "次", 1200, FeeClass::Treatment, ""},
        {"", "针灸治疗", "ZJZL", "次", 2000, FeeClass::Treatment, ""},
        {"", "推拿治疗", "TNZL", "次", 3000, FeeClass::Treatment, ""},
        {"", "中频理疗", "ZPLL", "次", 2500, FeeClass::Treatment, ""},
        {"", "清创缝合术", "QCFHS", "次", 8000, FeeClass::Surgery, ""},
        {"", "脓肿切开引流术", "NZQKYLS", "次", 6000, FeeClass::Surgery, ""},
        {"", "拔牙术", "BYS", "次", 5000, FeeClass::Surgery, ""},
        {"", "包皮环切术", "BPHQS", "次", 40000, FeeClass::Surgery, ""},
    };
    int serial = 0;
    for (FeeItem& item : items) {
        item.code = serialCode("F", ++serial, 3);
        if (item.style.empty()) {
            item.style = feeClassInfo(item.feeClass).style;
        }
    }
    return items;
}

}  // namespace orbista::demo
