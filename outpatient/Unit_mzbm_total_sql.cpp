#include "Unit_mzbm_total_sql.h"

#include "database.h"
#include "dayrange.h"
#include "storedprocedures.h"

namespace orbista::feecrosstab {

namespace {

// The server body: the fee names of the period numbered in name order (the same order as the
// screen's own fee-name list, since both sort with the database's collation), then one
// summed column per name. Names travel as quoted literals inside the dynamic statement.
const QString kTsql = QStringLiteral(R"(CREATE PROCEDURE mz_fenlei_total
    @startdate varchar(10),
    @enddate varchar(10),
    @bz varchar(2)
AS
BEGIN
    SET NOCOUNT ON;
    CREATE TABLE #names (k int IDENTITY(1,1) PRIMARY KEY, fyname varchar(50));
    INSERT INTO #names (fyname)
        SELECT DISTINCT fyname FROM mz_cost
        WHERE convert(char(10),fydate,20)>=@startdate AND convert(char(10),fydate,20)<=@enddate
        ORDER BY fyname;

    DECLARE @heading nvarchar(100);
    SET @heading = CASE WHEN @bz = '1' THEN N'ltrim(rtrim(fydoctor))' ELSE N'ltrim(rtrim(fydepa))' END;

    DECLARE @columns nvarchar(max);
    SET @columns = N'';
    DECLARE @k int;
    DECLARE @name varchar(50);
    DECLARE names_cursor CURSOR LOCAL FAST_FORWARD FOR SELECT k, fyname FROM #names ORDER BY k;
    OPEN names_cursor;
    FETCH NEXT FROM names_cursor INTO @k, @name;
    WHILE @@FETCH_STATUS = 0
    BEGIN
        SET @columns = @columns + N', sum(case when fyname '
            + CASE WHEN @name IS NULL THEN N'is null'
                   ELSE N'= N''' + replace(@name, '''', '''''') + N'''' END
            + N' then isnull(fyprice,0) else 0 end) as name' + cast(@k as nvarchar(10));
        FETCH NEXT FROM names_cursor INTO @k, @name;
    END
    CLOSE names_cursor;
    DEALLOCATE names_cursor;

    DECLARE @sql nvarchar(max);
    SET @sql = N'select ' + @heading + N' as fydoctor' + @columns
        + N', sum(isnull(fyprice,0)) as total from mz_cost'
        + N' where convert(char(10),fydate,20)>=@s and convert(char(10),fydate,20)<=@e'
        + N' group by ' + @heading + N' order by 1';
    EXEC sp_executesql @sql, N'@s varchar(10), @e varchar(10)', @s = @startdate, @e = @enddate;
END)");

// The same computation on SQLite, the names bound as parameters.
std::unique_ptr<ResultSet> embedded(Database& db, ProcedureCall& call) {
    const QString start = call.value(u"startdate").toString();
    const QString end = call.value(u"enddate").toString();
    const bool byDoctor = call.value(u"bz").toString().trimmed() == u"1";
    const QStringList names = feeNames(db, start, end);
    const QString heading = byDoctor ? QStringLiteral("ltrim(rtrim(fydoctor))")
                                     : QStringLiteral("ltrim(rtrim(fydepa))");
    QString columns;
    Statement sql = dayRange(QStringLiteral("fydate"), start, end,
                             DayForm::char20().named(QStringLiteral(":s"), QStringLiteral(":e")));
    for (int k = 1; k <= names.size(); ++k) {
        const QString& name = names[k - 1];
        if (name.isNull()) {
            columns += QStringLiteral(
                           ", sum(case when fyname is null then isnull(fyprice,0) "
                           "else 0 end) as name%1")
                           .arg(k);
        } else {
            columns += QStringLiteral(
                           ", sum(case when fyname = :n%1 then isnull(fyprice,0) "
                           "else 0 end) as name%1")
                           .arg(k);
            sql.params.append({QStringLiteral(":n%1").arg(k), name});
        }
    }
    sql.sql = QStringLiteral(
                  "select %1 as fydoctor%2, sum(isnull(fyprice,0)) as total from mz_cost "
                  "where ")
                  .arg(heading, columns) +
              sql.sql + QStringLiteral(" group by %1 order by 1").arg(heading);
    return db.query(sql);
}

}  // namespace

QString bzOf(By by) {
    return by == By::Doctor ? QStringLiteral("1") : QStringLiteral("2");
}

std::unique_ptr<ResultSet> callProcedure(Database& db, By by, const QString& startDay,
                                         const QString& endDay) {
    ProcedureCall call(QStringLiteral("mz_fenlei_total"));
    dayParameters(call, QStringLiteral("@startdate"), startDay, QStringLiteral("@enddate"), endDay);
    call.in(QStringLiteral("@bz"), bzOf(by), QStringLiteral("varchar(2)"));
    return db.call(call);
}

Statement feeNamesStatement(const QString& startDay, const QString& endDay) {
    // Two blanks after "where", as the screens have always sent it.
    return QStringLiteral("select distinct fyname from mz_cost where  ") +
           dayRange(QStringLiteral("fydate"), startDay, endDay,
                    DayForm::char20().inParentheses().named(QStringLiteral(":startdate"),
                                                            QStringLiteral(":enddate"))) +
           QStringLiteral(" order by fyname");
}

QStringList feeNames(Database& db, const QString& startDay, const QString& endDay) {
    auto rs = db.query(feeNamesStatement(startDay, endDay));
    QStringList names;
    const int n = rs->recordCount();
    for (int row = 0; row < n; ++row) {
        // A NULL name stays a null QString; an empty name is kept apart from it.
        names << (rs->isNull(row, 0) ? QString() : QStringLiteral("") + rs->text(row, 0));
    }
    return names;
}

QueryUnit queryUnit() {
    return {QStringLiteral("Unit_mzbm_total"),
            [] { return QStringList{feeNamesStatement({}, {}).sql}; },
            {{QStringLiteral("mz_fenlei_total"), kTsql, embedded}},
            feeNamesStatement};
}

}  // namespace orbista::feecrosstab
