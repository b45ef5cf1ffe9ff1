#include "outpatientfixture.h"

#include "screentest.h"

namespace orbista::test {

void insertOutpatientCharges(Database& db) {
    insertRows(db, QStringLiteral("data_depa"), QStringLiteral(R"(
        code | name
        01   | 内科
        02   | 外科
        10   | 儿科
    )"));
    insertRows(db, QStringLiteral("data_doctor"), QStringLiteral(R"(
        code | name     | depa
        1    | 王建国   | 01
        12   | 李四     | 02
        3    | O'Neil 李 | 02
    )"));
    insertRows(db, QStringLiteral("data_fy_mz"), QStringLiteral(R"(
        code | name
        001  | 西药费
    )"));
    insertRows(db, QStringLiteral("mz_cost"), QStringLiteral(R"(
        code | fydate              | fyname | style | fyprice | fydepa | fydoctor   | jzman | depa | type_flag | tk_flag
        M1   | 2026-03-01 00:00:00 | 西药费 | 01    | 12.30   | 内科   | 王建国     | 张收  | 01   | 1         | 0
        M2   | 2026-03-01 23:59:59 | 检查费 | 02    | 80.00   | 内科   | " 王建国 " | 张收  | 01   | 0         | 0
        M3   | 2026-03-01 10:00:00 | 西药费 | 21    | 5.50    | 外科   | 李四       | 赵收  | 01   | 1         | 0
        M4   | 2026-03-02 09:00:00 | 化验费 | 03    | 33.33   | 外科   | O'Neil 李  | 张收  | 02   | 0         | 0
        M5   | 2026-03-02 23:59:59 | 西药费 | 01    | 0.10    | 儿科   | 李四       | 赵收  | 01   | 1         | 0
        M6   | 2026-03-02 12:00:00 | 检查费 | 02    | NULL    | 儿科   | 李四       | 赵收  | 01   | 0         | 0
        M7   | 2026-03-20 09:00:00 | 挂号费 | 04    | 1.00    | 内科   | 王建国     | 张收  | 01   | 0         | 0
    )"));
}

}  // namespace orbista::test
