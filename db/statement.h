#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace orbista {

// A named parameter of an ad-hoc statement: name with its colon (":a1"), and the value.
// Values are bound, never pasted into the statement.
struct Param {
    QString name;
    QVariant value;
};
using Params = QList<Param>;

// One statement as a screen sends it: the T-SQL text and the values bound to its
// parameters.
struct Statement {
    QString sql;
    Params params;

    // Appends a fragment and its parameters.
    Statement& operator+=(const Statement& more) {
        sql += more.sql;
        params += more.params;
        return *this;
    }
    friend Statement operator+(Statement a, const Statement& b) { return a += b; }
    friend Statement operator+(const QString& head, Statement s) {
        s.sql.prepend(head);
        return s;
    }
    friend Statement operator+(Statement s, const QString& tail) {
        s.sql += tail;
        return s;
    }
};

// A typed prefix as a bound "like" pattern: the text matched literally, then "%". The escape
// character is "\" in the statements that use it ("like :a1 escape '\'").
QString likePrefix(const QString& typed);
// The typed text anywhere: "%" + the text matched literally + "%".
QString likeContains(const QString& typed);
// The value ends with the typed text: "%" + the text matched literally.
QString likeSuffix(const QString& typed);

}  // namespace orbista
