#include "codeentry.h"

#include "database.h"

#include <QComboBox>

namespace orbista {

QString codeNameItem(const QString& code, const QString& name) {
    return code + QStringLiteral("::") + name;
}

QString nameOfItem(const QString& item) {
    const qsizetype at = item.indexOf(QStringLiteral("::"));
    return at < 0 ? item : item.mid(at + 2);
}

QString codeOfItem(const QString& item) {
    const qsizetype at = item.indexOf(QStringLiteral("::"));
    return at < 0 ? QString() : item.left(at);  // a plain name carries no code
}

int findItemByCode(const QStringList& items, const QString& code) {
    const QString typed = code.trimmed();
    for (int i = 0; i < items.size(); ++i) {
        const QString& item = items[i];
        if (item.size() > typed.size() && item.startsWith(typed) && item[typed.size()] == u':') {
            return i;
        }
    }
    return -1;
}

int findItemByCode(const QComboBox* combo, const QString& code) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return findItemByCode(items, code);
}

namespace {

QString codeNameStatement(const QString& table) {
    return QStringLiteral("select code,name from %1 order by code").arg(table);
}

QString exactLookupStatement(const QString& table) {
    const bool drug = table.compare(u"data_yp_x", Qt::CaseInsensitive) == 0;
    return QStringLiteral("select * from %1\n%2")
        .arg(table, drug ? QStringLiteral("where PYM=:a1") : QStringLiteral("where code=:a1"));
}

}  // namespace

QStringList codeEntryStatements() {
    return {codeNameStatement(QStringLiteral("data_depa")),
            codeNameStatement(QStringLiteral("data_doctor")),
            exactLookupStatement(QStringLiteral("data_depa")),
            exactLookupStatement(QStringLiteral("data_doctor")),
            exactLookupStatement(QStringLiteral("data_yp_x"))};
}

QStringList codeNameItems(Database& db, const QString& table) {
    auto rs = db.query(codeNameStatement(table));
    QStringList items;
    const int n = rs->recordCount();
    for (int row = 0; row < n; ++row) {
        items << codeNameItem(rs->text(row, 0), rs->text(row, 1));
    }
    return items;
}

std::optional<QString> lookupNameByCode(Database& db, const QString& table, const QString& code) {
    const bool drug = table.compare(u"data_yp_x", Qt::CaseInsensitive) == 0;
    const QString sql =
        QStringLiteral("select * from %1\n%2")
            .arg(table, drug ? QStringLiteral("where PYM=:a1") : QStringLiteral("where code=:a1"));
    auto rs = db.query(sql, {{":a1", code}});
    if (rs->isEmpty()) {
        return std::nullopt;
    }
    return rs->text(u"name");
}

}  // namespace orbista
