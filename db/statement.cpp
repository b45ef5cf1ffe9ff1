#include "statement.h"

namespace orbista {

namespace {

QString escapedForLike(const QString& typed) {
    QString pattern;
    pattern.reserve(typed.size() + 2);
    for (QChar c : typed) {
        // "[" is a character class on SQL Server; "%" and "_" are wildcards everywhere.
        if (c == u'\\' || c == u'%' || c == u'_' || c == u'[') {
            pattern += u'\\';
        }
        pattern += c;
    }
    return pattern;
}

}  // namespace

QString likePrefix(const QString& typed) {
    return escapedForLike(typed) + u'%';
}

QString likeContains(const QString& typed) {
    return u'%' + escapedForLike(typed) + u'%';
}

QString likeSuffix(const QString& typed) {
    return u'%' + escapedForLike(typed);
}

}  // namespace orbista
