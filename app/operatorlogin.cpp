#include "operatorlogin.h"

#include "database.h"

namespace orbista {

namespace {

const QString kLookup = QStringLiteral("select * from data_oper\nwhere code=:a1");
const QString kMatch = QStringLiteral("select * from data_oper\nwhere code=:a1 and pass=:a2");

OperatorRow rowOf(ResultSet& rs) {
    return {rs.text(u"code"), rs.text(u"name"), rs.text(u"pass"), rs.text(u"grade")};
}

}  // namespace

std::optional<OperatorRow> OperatorLogin::lookup(const QString& code) {
    auto rs = db_.query(kLookup, {{":a1", code}});
    if (rs->isEmpty()) {
        return std::nullopt;
    }
    return rowOf(*rs);
}

std::optional<OperatorRow> OperatorLogin::match(const QString& code, const QString& password) {
    auto rs = db_.query(kMatch, {{":a1", code}, {":a2", password}});
    if (rs->isEmpty()) {
        return std::nullopt;
    }
    return rowOf(*rs);
}

QStringList OperatorLogin::statements() {
    return {kLookup, kMatch};
}

bool OperatorLogin::isAdmittedGrade(const QString& trimmedGrade) {
    return trimmedGrade == u"财务科查询" || trimmedGrade == u"系统管理员";
}

}  // namespace orbista
