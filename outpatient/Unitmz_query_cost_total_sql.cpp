#include "costtotal.h"

#include "codeentry.h"

namespace orbista::costtotal {

namespace {

const QString kTotalsTable = QStringLiteral("select * from mz_total");
const QString kDepartmentNames = QStringLiteral("select name from data_depa order by code");
const QString kDoctorDepartment = QStringLiteral("select depa from data_doctor where code=:a1");

const QString kDayRange = QStringLiteral(
    "(convert(varchar(10),fydate,20)>=:a1) and (convert(varchar(10),fydate,20)<=:a2)");

// The mode's condition beyond the day range, with its parameter.
Statement condition(const Filter& f) {
    switch (f.mode) {
        case Mode::Cashier:
            return {QStringLiteral(" and (jzman=:a3)"), {{":a3", f.cashier}}};
        case Mode::Doctor:
            return {QStringLiteral(" and (fydoctor like :a3 escape '\\')"),
                    {{":a3", QStringLiteral("%") + likePrefix(f.doctorName)}}};
        case Mode::Department:
            if (f.departmentName.trimmed().isEmpty()) {
                return {};
            }
            return {QStringLiteral(" and (fydepa=:a3)"), {{":a3", f.departmentName}}};
        case Mode::Whole:
            return {QStringLiteral(" and (depa=:a3)"), {{":a3", f.loginDepartmentCode}}};
    }
    return {};
}

Statement withRange(const QString& head, const Filter& f, const QString& tail = {}) {
    Statement c = condition(f);
    Statement s{head + kDayRange + c.sql + tail, {{":a1", f.startDay}, {":a2", f.endDay}}};
    s.params += c.params;
    return s;
}

}  // namespace

Statement chargeRows(const Filter& f) {
    return withRange(QStringLiteral("select *  from mz_cost\nwhere "), f);
}

Statement groupedTotals(const Filter& f) {
    return withRange(QStringLiteral("select sum(fyprice) as coun,style,fyname from mz_cost where "),
                     f, QStringLiteral(" group by style,fyname"));
}

Refill refillTotals(Database& db, const Filter& filter) {
    Refill refill;
    if (db.query(QStringLiteral("select * from data_fy_mz"))->isEmpty()) {
        return refill;
    }
    const Statement grouped = groupedTotals(filter);
    auto groups = db.query(grouped.sql, grouped.params);
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

}  // namespace orbista::costtotal
