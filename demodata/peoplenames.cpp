#include "peoplenames.h"

#include <array>

namespace orbista::demo {

namespace {

// The common surnames, the first ones the most frequent (drawn with falling weights).
constexpr std::array kSurnames = {
    "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",   "徐", "孙", "马", "朱", "胡",
    "郭", "何", "高", "林", "罗", "郑", "梁", "谢", "宋", "唐",   "许", "韩", "冯", "邓", "曹",
    "彭", "曾", "肖", "田", "董", "袁", "潘", "于", "蒋", "蔡",   "余", "杜", "叶", "程", "苏",
    "魏", "吕", "丁", "任", "沈", "姚", "卢", "姜", "崔", "钟",   "谭", "陆", "汪", "范", "金",
    "石", "廖", "贾", "夏", "韦", "付", "方", "白", "邹", "孟",   "熊", "秦", "邱", "江", "尹",
    "薛", "段", "雷", "侯", "龙", "史", "陶", "黎", "贺", "顾",   "毛", "郝", "龚", "邵", "万",
    "钱", "严", "覃", "武", "戴", "莫", "孔", "向", "汤", "欧阳",
};
constexpr std::array kMaleGiven = {
    "伟", "强", "磊", "军", "洋", "勇", "杰", "涛", "明", "超", "刚", "平", "辉", "鹏", "华",
    "飞", "鑫", "波", "斌", "宇", "浩", "凯", "健", "俊", "帆", "帅", "旭", "宁", "龙", "林",
    "建", "国", "志", "海", "峰", "成", "东", "文", "兵", "亮", "晨", "博", "德", "福", "贵",
};
constexpr std::array kFemaleGiven = {
    "芳", "娜", "敏", "静", "丽", "艳", "娟", "霞", "秀", "英", "燕", "玲", "桂", "兰",
    "萍", "红", "梅", "琳", "婷", "雪", "慧", "倩", "颖", "洁", "佳", "琴", "云", "莉",
    "丹", "蓉", "凤", "玉", "珍", "淑", "春", "翠", "菊", "香", "月", "欣",
};
constexpr std::array kTowns = {
    "城关镇", "南山镇", "东河乡", "白马镇", "龙泉镇", "青山乡",
    "石桥镇", "柳林乡", "新华镇", "永安乡", "太平镇", "金竹乡",
};
constexpr std::array kVillages = {
    "红星村", "光明村", "新民村", "和平村", "胜利村", "向阳村", "团结村",
    "友谊村", "前进村", "幸福村", "双河村", "桂花村", "杨柳村", "大田村",
};

template <std::size_t N>
const char* anyOf(Rng& rng, const std::array<const char*, N>& items) {
    return items[static_cast<std::size_t>(rng.below(static_cast<int>(N)))];
}

}  // namespace

std::string personName(Rng& rng, bool male) {
    // Half of the draws come from the first twenty surnames, as in the population.
    const int surname =
        rng.chance(0.5) ? rng.below(20) : rng.below(static_cast<int>(kSurnames.size()));
    std::string name = kSurnames[static_cast<std::size_t>(surname)];
    const int givenLength = rng.chance(0.3) ? 1 : 2;
    for (int i = 0; i < givenLength; ++i) {
        name += male ? anyOf(rng, kMaleGiven) : anyOf(rng, kFemaleGiven);
    }
    return name;
}

std::string homeAddress(Rng& rng) {
    return std::string("华阳县") + anyOf(rng, kTowns) + anyOf(rng, kVillages) +
           std::to_string(rng.between(1, 9)) + "组";
}

std::string mobileNumber(Rng& rng) {
    static constexpr std::array kPrefixes = {"138", "139", "135", "136", "137", "150", "151",
                                             "152", "158", "159", "182", "187", "188", "133",
                                             "153", "180", "189", "130", "131", "132", "155"};
    std::string number = anyOf(rng, kPrefixes);
    for (int i = 0; i < 8; ++i) {
        number += static_cast<char>('0' + rng.below(10));
    }
    return number;
}

}  // namespace orbista::demo
