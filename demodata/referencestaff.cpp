// The hospital's departments, doctors and operators: a county hospital of about 600 beds.

#include "referencecatalog.h"

#include "demoday.h"

namespace orbista::demo {

std::vector<Department> hospitalDepartments() {
    // Codes mix two-digit, four-digit and one-digit forms as the hospital assigned them over
    // the years, so that prefix lookups ("1" finds 1, 10, 11, ...) have something to find.
    // "内科二" begins with "内科" on purpose: the name filters match by prefix.
    return {
        {"01", "内科", 14, 40, false},      {"0101", "心血管内科", 6, 40, false},
        {"0102", "消化内科", 5, 35, false}, {"0103", "呼吸内科", 6, 40, false},
        {"0104", "神经内科", 4, 35, false}, {"0105", "内科二", 3, 30, false},
        {"02", "外科", 8, 35, true},        {"0201", "普外科", 4, 40, true},
        {"0202", "骨科", 5, 45, true},      {"0203", "泌尿外科", 3, 25, true},
        {"0204", "神经外科", 2, 25, true},  {"03", "妇产科", 7, 40, true},
        {"04", "儿科", 9, 40, false},       {"05", "眼科", 3, 15, true},
        {"06", "耳鼻咽喉科", 3, 15, true},  {"07", "口腔科", 3, 0, false},
        {"08", "皮肤科", 3, 0, false},      {"09", "中医科", 5, 30, false},
        {"1", "急诊科", 6, 20, false},      {"10", "康复科", 2, 25, false},
        {"11", "感染科", 2, 25, false},     {"12", "肿瘤科", 2, 30, false},
        {"13", "放射科", 0, 0, false},      {"14", "检验科", 0, 0, false},
        {"15", "药剂科", 0, 0, false},      {"16", "财务科", 0, 0, false},
        {"17", "手术室", 0, 0, false},      {"18", "信息科", 0, 0, false},
    };
}

std::vector<Doctor> hospitalDoctors(const std::vector<Department>& departments) {
    // Per department code: its doctors, the first one or two senior (expert registration).
    struct Staff {
        const char* department;
        int seniors;
        std::vector<const char*> names;
    };
    const std::vector<Staff> staff = {
        {"01", 2, {"王建国", "邵建民", "李秀兰", "张志刚", "刘桂英", "孟凡荣"}},
        {"0101", 1, {"陈德明", "杨晓东", "赵丽君", "熊伟民"}},
        {"0102", 1, {"黄永红", "周立新", "吴春梅", "秦玉梅"}},
        {"0103", 1, {"徐国庆", "孙玉珍", "马文斌", "邱国华"}},
        {"0104", 1, {"朱海燕", "胡振宇", "郭淑华", "江红"}},
        {"0105", 0, {"何志明", "高翠兰"}},
        {"02", 1, {"林建华", "罗世平", "郑光辉", "尹志强"}},
        {"0201", 1, {"梁志勇", "谢文军", "宋海波", "薛兵"}},
        {"0202", 1, {"唐国强", "许建平", "韩卫东", "冯少华", "闫海涛"}},
        {"0203", 1, {"邓立军", "曹红兵"}},
        {"0204", 1, {"彭德华", "曾庆林"}},
        {"03", 1, {"肖红梅", "田秀芳", "董丽娟", "袁美玲", "段秀梅"}},
        {"04", 1, {"潘晓红", "于文静", "蒋春花", "蔡小芳", "余丽", "雷晓燕"}},
        {"05", 1, {"杜明亮", "叶青"}},
        {"06", 1, {"程建军", "苏晓梅"}},
        {"07", 1, {"魏东升", "吕芳"}},
        {"08", 1, {"丁家明", "任小燕"}},
        {"09", 1, {"沈德昌", "姚桂香", "卢正义", "侯德福"}},
        {"1", 0, {"姜伟", "崔浩", "钟志华", "谭勇", "龙飞", "史俊"}},
        {"10", 1, {"陆文华", "汪小兵", "陶丽"}},
        {"11", 1, {"范卫国", "金秀英"}},
        {"12", 1, {"石建新", "廖红霞"}},
        {"13", 0, {"贾振东", "夏雪"}},
        {"14", 0, {"韦丽萍", "付强"}},
        {"17", 0, {"白晓军", "邹敏"}},
    };
    std::vector<Doctor> doctors;
    for (const Staff& group : staff) {
        int department = -1;
        for (std::size_t i = 0; i < departments.size(); ++i) {
            if (departments[i].code == group.department) {
                department = static_cast<int>(i);
            }
        }
        for (std::size_t i = 0; i < group.names.size(); ++i) {
            doctors.push_back({serialCode("", static_cast<std::int64_t>(doctors.size()) + 1, 3),
                               group.names[i], department, static_cast<int>(i) < group.seniors});
        }
    }
    return doctors;
}

std::vector<Operator> hospitalOperators() {
    // The first ones are the documented demo logins. One finance grade carries trailing
    // blanks as some desks save it; the login trims grades before comparing.
    return {
        {"0000", "陈志强", "admin", "系统管理员"},
        {"0001", "林晓燕", "0001", "系统管理员"},
        {"1001", "周敏", "1001", "财务科查询"},
        {"1002", "吴静", "1002", "财务科查询  "},
        {"1003", "郑丽华", "1003", "财务科查询"},
        {"2001", "王丽", "2001", "收费员"},
        {"2002", "李娜", "2002", "收费员"},
        {"2003", "张婷", "2003", "收费员"},
        {"2004", "刘芳", "2004", "收费员"},
        {"2005", "杨秀英", "2005", "收费员"},
        {"2006", "黄梅", "2006", "收费员"},
        // Begins with the cashier 李娜's name: the takings screens match cashiers by prefix.
        {"3001", "李娜娜", "3001", "门诊管理"},
        {"3002", "赵凤", "3002", "门诊管理"},
        {"4001", "孙丽萍", "4001", "住院管理"},
        {"4002", "马晓红", "4002", "住院管理"},
        {"4003", "胡桂芳", "4003", "住院管理"},
        {"4004", "朱玉兰", "4004", "住院管理"},
        {"5001", "何建军", "5001", "药房管理"},
        {"5002", "高淑珍", "5002", "药房管理"},
        {"5003", "罗小兵", "5003", "药房管理"},
        {"5004", "梁红", "5004", "药房管理"},
        {"5005", "宋晓东", "5005", "药房管理"},
        {"5006", "谢春燕", "5006", "药房管理"},
        {"5007", "冯玉梅", "5007", "药房管理"},
        {"6001", "韩国庆", "6001", "药库管理"},
        {"6002", "唐敏", "6002", "药库管理"},
    };
}

const std::vector<Pharmacy>& pharmacies() {
    static const std::vector<Pharmacy> list = {
        {"01", "一门诊西药房"}, {"02", "一门诊中药房"}, {"03", "二门诊西药房"},
        {"04", "二门诊中药房"}, {"05", "三门诊药房"},   {"06", "住院部药房"},
    };
    return list;
}

}  // namespace orbista::demo
