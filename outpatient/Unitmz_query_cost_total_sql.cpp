#include "Unitmz_query_cost_total_sql.h"

#include "dayrange.h"

namespace orbista::costtotal {

namespace {

const QString kTotalsTable = QStringLiteral("select * from mz_total");
const QString kDepartmentNames = QStringLiteral("select name from data_depa order by code");
const QString kDoctorDepartment = QStringLiteral("select depa from data_doctor where code=:a1");

// What a condition restricts: the listed charges, or the totals of mz_total.
enum class For { List, Totals };

// The mode's condition beyond the day range, with its parameter.
Statement condition(const Filter& f, For use) {
    switch (f.mode) {
        case Mode::Cashier:
            return {QStringLiteral(" and (jzman=:a3)"), {{":a3", f.cashier}}};
        case Mode::Doctor:
            return {QStringLiteral(" and (fydoctor like :a3 escape '\\')"),
                    {{":a3", likeContains(f.doctorName)}}};
        case Mode::Department:
            if (f.departmentName.trimmed().isEmpty()) {
                return {};
            }
            return {QStringLiteral(" and (fydepa=:a3)"), {{":a3", f.departmentName}}};
        case Mode::Whole:
            if (use == For::Totals) {
                return {};
            }
            return {QStringLiteral(" and (depa=:a3)"), {{":a3", f.loginDepartmentCode}}};
    }
    return {};
}

Statement withRange(const QString& head, const Filter& f, For use, const QString& tail = {}) {
    return head +
           dayRange(QStringLiteral("fydate"), f.startDay, f.endDay,
                    DayForm::varchar20().inParentheses()) +
           condition(f, use) + tail;
}

}  // namespace

Statement chargeRows(const Filter& f) {
    return withRange(QStringLiteral("select *  from mz_cost\nwhere "), f, For::List);
}

Statement groupedTotals(const Filter& f) {
    return withRange(QStringLiteral("select sum(fyprice) as coun,style,fyname from mz_cost where "),
                     f, For::Totals, QStringLiteral(" group by style,fyname"));
}

Refill refillTotals(Database& db, const Filter& filter) {
    Refill refill;
    if (db.query(QStringLiteral("select * from data_fy_mz"))->isEmpty()) {
        return refill;
    }
    const Statement grouped = groupedTotals(filter);
    auto groups = db.query(grouped);
    const int n = groups->recordCount();
    Transaction transaction(db);
    db.execute(QStringLiteral("delete mz_total"));
    const QStringList columns{QStringLiteral("name"), QStringLiteral("toatl")};
    for (int row = 0; row < n; ++row) {
        const QVariant name = groups->value(row, groups->columnIndex(u"fyname"));
        const int coun = groups->columnIndex(u"coun");
        const QVariant amount =
            groups->isNull(row, coun) ? QVariant() : QVariant(groups->money(row, coun).toString(4));
        db.append(QStringLiteral("mz_total"), columns, {name, amount});
        refill.total += groups->money(row, coun);
    }
    transaction.commit();
    refill.done = true;
    refill.groups = n;
    return refill;
}

QString totalsTableStatement() {
    return kTotalsTable;
}

QStringList departmentNames(Database& db) {
    auto rs = db.query(kDepartmentNames);
    QStringList names;
    const int n = rs->recordCount();
    for (int row = 0; row < n; ++row) {
        names << rs->text(row, 0);
    }
    return names;
}

QString doctorDepartment(Database& db, const QString& doctorCode) {
    auto rs = db.query(kDoctorDepartment, {{":a1", doctorCode}});
    return rs->isEmpty() ? QString() : rs->text(0, 0);
}

namespace {

QStringList statements() {
    QStringList all;
    for (Mode mode : {Mode::Cashier, Mode::Doctor, Mode::Department, Mode::Whole}) {
        Filter f;
        f.mode = mode;
        f.departmentName = QStringLiteral("内科");
        all << chargeRows(f).sql << groupedTotals(f).sql;
    }
    Filter everyDepartment;
    all << chargeRows(everyDepartment).sql << groupedTotals(everyDepartment).sql;
    all << QStringLiteral("select * from data_fy_mz") << QStringLiteral("delete mz_total")
        << QStringLiteral("insert into mz_total (name,toatl) values (:v0,:v1)") << kTotalsTable
        << kDepartmentNames << kDoctorDepartment;
    return all;
}

}  // namespace

QueryUnit queryUnit() {
    // The screen opens in department mode with no department chosen: every charge.
    return {QStringLiteral("Unitmz_query_cost_total"),
            statements,
            {},
            [](const QString& start, const QString& end) {
                Filter f;
                f.startDay = start;
                f.endDay = end;
                return chargeRows(f);
            }};
}

}  // namespace orbista::costtotal
