#include "takingsfixture.h"

#include "screentest.h"

namespace orbista::test {

void insertTakings(Database& db) {
    insertRows(db, QStringLiteral("data_depa"), QStringLiteral(R"(
        code | name
        01   | 内科
        02   | 内科二
        03   | 外科
        04   | 5%科
        05   | 5号科
        06   | O'Neil诊室
    )"));
    insertRows(db, QStringLiteral("data_doctor"), QStringLiteral(R"(
        code | name   | depa
        1    | 王建国 | 01
        2    | 王建   | 03
        3    | 李四   | 03
    )"));
    insertRows(db, QStringLiteral("data_oper"), QStringLiteral(R"(
        code | name   | pass | grade
        1001 | 周敏   | 1001 | 财务科查询
        2001 | 李娜   | 2001 | 收费员
        2002 | 王丽   | 2002 | 收费员
        3001 | 李娜娜 | 3001 | 门诊管理
        3002 | 赵凤   | 3002 | 门诊管理
    )"));
    insertRows(db, QStringLiteral("mz_cost"), QStringLiteral(R"(
        code | fydate              | fycode | fyname | fyprice | fydepa     | fydoctor | jzman  | zman     | depa | type_flag | tk_flag
        C1   | 2026-03-01 00:00:00 | F1     | 西药费 | 12.30   | 内科       | 王建国   | 李娜   | 患者甲   | 01   | 1         | 0
        C2   | 2026-03-01 23:59:59 | F2     | 检查费 | 80.00   | 内科二     | 李四     | 李娜娜 | 患者乙   | 01   | 0         | 1
        C3   | 2026-03-02 10:00:00 | F3     | 西药费 | 5.55    | 外科       | 王建     | 王丽   | 患者丙   | 01   | 1         | 0
        C4   | 2026-03-02 11:00:00 | F4     | 化验费 | NULL    | 内科       | 王建国   | 李娜   | 患者丁   | 01   | 0         | 0
        C5   | 2026-03-02 10:30:00 | F5     | 西药费 | 100.00  | 内科       | 王建国   | 李娜   | 患者戊   | 01   | 1         | 2
        C6   | 2026-02-28 23:59:59 | F6     | 西药费 | 7.00    | 内科       | 王建国   | 李娜   | 患者己   | 01   | 1         | 0
        C7   | 2026-03-03 00:00:00 | F7     | 西药费 | 9.00    | 内科       | 王建国   | 李娜   | 患者庚   | 01   | 1         | 0
        C8   | 2026-03-01 09:00:00 | F8     | 治疗费 | 3.33    | 5%科       | 李四     | 王丽   | 患者辛   | 01   | 0         | 0
        C9   | 2026-03-01 09:30:00 | F9     | 治疗费 | 4.44    | 5号科      | 李四     | 王丽   | 患者壬   | 04   | 0         | 0
        C10  | 2026-03-02 08:00:00 | F10    | 挂号费 | 1.00    | O'Neil诊室 | 李四     | 王丽   | O'Neil   | 01   | 0         | 0
        C11  | 2026-03-01 15:00:00 | F11    | 西药费 | 0.26    | 内科       | 王建国   | 李娜   | 患者癸   | 01   | 1         | 0
        C12  | 2026-03-02 11:00:01 | F12    | 治疗费 | 50.00   | 外科       | 李四     | 李娜   | 患者子   | 01   | 0         | 0
    )"));
}

}  // namespace orbista::test
