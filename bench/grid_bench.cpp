// Times the result grid on a million-row result: how soon the first rows are on screen, and
// the memory once every row has been fetched.
//   grid_bench [rows]        (QT_QPA_PLATFORM=offscreen works)
#include "database.h"
#include "resultgrid.h"
#include "schema.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

long statusKb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(static_cast<int>(qstrlen(key))).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    QTemporaryDir dir;
    orbista::Database db;
    db.openSqlite(dir.filePath(QStringLiteral("grid.db")));
    for (const QString& s : orbista::schema::createStatements(orbista::Dialect::Sqlite)) {
        db.execute(s);
    }
    // Realistic charge rows: repeated names, distinct document numbers.
    db.execute(
        QStringLiteral(
            "insert into mz_cost (code, fydate, fycode, fyname, fyprice, fydepa, fydoctor, "
            "jzman, zman, depa) "
            "with recursive c(x) as (select 1 union all select x+1 from c where x<:a1) "
            "select 'MZ'||x, datetime('2026-01-01', '+'||(x%31536000)||' seconds'), "
            "'F'||x, case x%5 when 0 then '西药费' when 1 then '检查费' when 2 then "
            "'化验费' when 3 then '治疗费' else '诊疗费' end, (x%9000)/100.0, "
            "'内科'||(x%25), '医生'||(x%90), '收费员'||(x%8), '患者'||(x%5000), '01' from c"),
        {{":a1", rows}});
    const long rssBefore = statusKb("VmRSS:");

    QElapsedTimer timer;
    timer.start();
    auto rs = db.query(QStringLiteral("select * from mz_cost"));
    orbista::ResultGrid grid;
    grid.resize(1000, 700);
    grid.bind(rs.get(), {{"code", "门诊ID号"},
                         {"fydate", "日期", orbista::GridColumn::Format::Date},
                         {"fycode", "费用单号"},
                         {"fyname", "费用名称"},
                         {"fyprice", "金额", orbista::GridColumn::Format::Money},
                         {"fydepa", "科室"},
                         {"fydoctor", "医生"},
                         {"jzman", "收费员"},
                         {"zman", "患者姓名"}});
    grid.show();
    QApplication::processEvents();
    grid.grab();  // paints the visible rows
    const qint64 firstRowsMs = timer.elapsed();

    timer.restart();
    const int count = rs->recordCount();
    grid.resultModel()->syncRowCount();
    grid.scrollToBottom();
    grid.grab();
    const qint64 allRowsMs = timer.elapsed();
    std::printf(
        "rows %d\nfirst rows on screen: %lld ms\nall rows fetched and last page painted: %lld ms\n",
        count, static_cast<long long>(firstRowsMs), static_cast<long long>(allRowsMs));
    std::printf("memory: %ld MB before the query, %ld MB after all rows, peak %ld MB\n",
                rssBefore / 1024, statusKb("VmRSS:") / 1024, statusKb("VmHWM:") / 1024);
    return 0;
}
