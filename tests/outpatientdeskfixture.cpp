#include "outpatientdeskfixture.h"

#include "screentest.h"

namespace orbista::test {

void insertRegistrations(Database& db) {
    insertRows(db, QStringLiteral("mz_gh"), QStringLiteral(R"(
        indate              | recman    | code  | name       | indepa   | indoctor | ghtype | price
        2026-03-02 09:00:00 | 张收      | 3120  | 王小明     | 内科     | 王建国   | 普通   | 1.00
        2026-03-01 00:00:00 | 赵收      | 0012  | O'Brien 李 | 中医内科 | 李四     | 专家   | 5.50
        2026-03-01 23:59:59 | 张收      | 5%12  | 百分       | 外科     | 李四     | 普通   | 1.00
        2026-03-02 10:00:00 | O'Neil 收 | 7_1   | 下划       | 儿科     | 赵六     | 急诊   | 3.30
        2026-03-02 11:00:00 | 张收      | 8801  | 内科外     | 内科门诊 | 王建国   | 普通   | 1.00
        2026-03-03 09:00:00 | 张收      | 9000  | 后来       | 内科     | 王建国   | 普通   | 1.00
    )"));
}

void insertRefunds(Database& db) {
    insertRows(db, QStringLiteral("mz_tk"), QStringLiteral(R"(
        code | fydate              | reason     | fycode  | fyname | fyprice | fydepa | fydoctor | jzman
        M9   | 2026-03-01 09:00:00 | 重复收费   | 0001    | 西药费 | 12.30   | 内科   | 王建国   | 张收
        M2   | 2026-03-01 10:00:00 | 病人退药   | 0001    | 检查费 | 80.00   | 内科   | 王建国   | 张收
        M5   | 2026-03-02 09:00:00 | 未做检查   | 5%1     | 化验费 | 33.33   | 外科   | 李四     | 赵收
        M1   | 2026-03-02 11:00:00 | 金额待查   | 0001x   | 治疗费 | NULL    | 儿科   | 李四     | 赵收
        M3   | 2026-03-03 08:00:00 | 前有空格   | " 0002" | 西药费 | 0.10    | 儿科   | 李四     | 赵收
    )"));
}

void insertPatientCharges(Database& db) {
    insertRows(db, QStringLiteral("mz_cost"), QStringLiteral(R"(
        code | fydate              | zman       | fycode | fyname | fyprice | fydepa | fydoctor | jzman | tk_flag
        3120 | 2026-03-01 00:00:00 | 王小明     | F1     | 西药费 | 12.30   | 内科   | 王建国   | 张收  | 0
        3120 | 2026-03-01 23:59:59 | 王小明     | F2     | 检查费 | 0.10    | 内科   | 王建国   | 张收  | 1
        3120 | 2026-03-01 10:00:00 | 王小明     | F3     | 化验费 | 0.20    | 外科   | 李四     | 张收  | 0
        9120 | 2026-03-01 11:00:00 | O'Brien 王 | F4     | 治疗费 | 5.00    | 外科   | 李四     | 赵收  | 2
        5%1  | 2026-03-01 12:00:00 | 百分_号    | F5     | 材料费 | NULL    | 儿科   | 赵六     | 赵收  | 1
        0012 | 2026-03-01 13:00:00 | 李小红     | F7     | 挂号费 | 1.00    | 儿科   | 赵六     | 张收  | NULL
        3120 | 2026-03-02 09:00:00 | 王小明     | F6     | 西药费 | 7.00    | 内科   | 王建国   | 张收  | 0
    )"));
}

}  // namespace orbista::test
