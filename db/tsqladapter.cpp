#include "tsqladapter.h"

#include <QList>

namespace orbista {

namespace {

enum class TokenType { Space, Comment, String, Word, Number, Param, Symbol };

struct Token {
    TokenType type;
    QString text;
    bool is(QStringView word) const {
        return type == TokenType::Word && text.compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(QChar c) const {
        return type == TokenType::Symbol && text.size() == 1 && text[0] == c;
    }
};

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u'@' || c == u'#';
}
bool isWordPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

QList<Token> tokenize(const QString& sql) {
    QList<Token> tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace()) {
                ++i;
            }
            tokens.append({TokenType::Space, sql.mid(start, i - start)});
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            while (i < n && sql[i] != u'\n') {
                ++i;
            }
            tokens.append({TokenType::Comment, sql.mid(start, i - start)});
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            tokens.append({TokenType::Comment, sql.mid(start, i - start)});
        } else if (c == u'\'' || ((c == u'N' || c == u'n') && i + 1 < n && sql[i + 1] == u'\'' &&
                                  (tokens.isEmpty() || tokens.last().type != TokenType::Word))) {
            // A string literal; '' inside stands for one quote. The N prefix is dropped.
            if (c != u'\'') {
                ++i;
            }
            const qsizetype litStart = i;
            ++i;
            while (i < n) {
                if (sql[i] == u'\'') {
                    if (i + 1 < n && sql[i + 1] == u'\'') {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            tokens.append({TokenType::String, sql.mid(litStart, i - litStart)});
        } else if (c == u'[') {
            const qsizetype end = sql.indexOf(u']', i);
            i = end < 0 ? n : end + 1;
            tokens.append({TokenType::Word, sql.mid(start, i - start)});
        } else if (c == u'"') {
            const qsizetype end = sql.indexOf(u'"', i + 1);
            i = end < 0 ? n : end + 1;
            tokens.append({TokenType::Word, sql.mid(start, i - start)});
        } else if (c == u':' && i + 1 < n && isWordStart(sql[i + 1]) &&
                   (tokens.isEmpty() || !tokens.last().isSymbol(u':'))) {
            ++i;
            while (i < n && isWordPart(sql[i])) {
                ++i;
            }
            tokens.append({TokenType::Param, sql.mid(start, i - start)});
        } else if (isWordStart(c)) {
            while (i < n && isWordPart(sql[i])) {
                ++i;
            }
            tokens.append({TokenType::Word, sql.mid(start, i - start)});
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && sql[i + 1].isDigit())) {
            while (i < n && (sql[i].isDigit() || sql[i] == u'.')) {
                ++i;
            }
            tokens.append({TokenType::Number, sql.mid(start, i - start)});
        } else {
            ++i;
            tokens.append({TokenType::Symbol, QString(c)});
        }
    }
    return tokens;
}

class Rewriter {
  public:
    explicit Rewriter(const QList<Token>& tokens) : t_(tokens) {}

    // Rewrites tokens [from, to) into text.
    QString rewrite(qsizetype from, qsizetype to) {
        QString out;
        qsizetype i = from;
        while (i < to) {
            const Token& tok = t_[i];
            if (tok.type == TokenType::Word) {
                const qsizetype open = nextSignificant(i + 1, to);
                if (open < to && t_[open].isSymbol(u'(')) {
                    const qsizetype close = matching(open, to);
                    if (close < to) {
                        QString replaced;
                        if (rewriteCall(tok, open, close, replaced)) {
                            out += replaced;
                            i = close + 1;
                            continue;
                        }
                    }
                }
                if (tok.is(u"delete")) {
                    const qsizetype target = nextSignificant(i + 1, to);
                    if (target < to && t_[target].type == TokenType::Word &&
                        !t_[target].is(u"from")) {
                        out += tok.text + QStringLiteral(" from");
                        ++i;
                        continue;
                    }
                }
                if (tok.is(u"dbo")) {
                    const qsizetype dot = i + 1;
                    if (dot < to && t_[dot].isSymbol(u'.')) {
                        i += 2;
                        continue;
                    }
                }
                if (tok.is(u"with")) {
                    // with (nolock) table hints mean nothing to SQLite.
                    const qsizetype paren = nextSignificant(i + 1, to);
                    const qsizetype hint = paren < to ? nextSignificant(paren + 1, to) : to;
                    if (paren < to && t_[paren].isSymbol(u'(') && hint < to &&
                        t_[hint].is(u"nolock")) {
                        i = skipSpace(matching(paren, to) + 1, to);
                        continue;
                    }
                }
                if (tok.is(u"top")) {
                    const qsizetype count = nextSignificant(i + 1, to);
                    if (count < to && t_[count].type == TokenType::Number) {
                        pendingLimit_ = t_[count].text;
                        i = skipSpace(count + 1, to);
                        continue;
                    }
                }
            }
            out += tok.text;
            ++i;
        }
        return out;
    }

    QString finish(QString text) {
        if (!pendingLimit_.isEmpty()) {
            qsizetype end = text.size();
            while (end > 0 && (text[end - 1].isSpace() || text[end - 1] == u';')) {
                --end;
            }
            text = text.left(end) + QStringLiteral(" limit ") + pendingLimit_ + text.mid(end);
        }
        return text;
    }

  private:
    qsizetype nextSignificant(qsizetype i, qsizetype to) const {
        while (i < to && (t_[i].type == TokenType::Space || t_[i].type == TokenType::Comment)) {
            ++i;
        }
        return i;
    }

    qsizetype skipSpace(qsizetype i, qsizetype to) const {
        return i < to && t_[i].type == TokenType::Space ? i + 1 : i;
    }

    qsizetype matching(qsizetype open, qsizetype to) const {
        int depth = 0;
        for (qsizetype i = open; i < to; ++i) {
            if (t_[i].isSymbol(u'(')) {
                ++depth;
            } else if (t_[i].isSymbol(u')')) {
                if (--depth == 0) {
                    return i;
                }
            }
        }
        return to;
    }

    // Splits the arguments between open and close at top-level commas.
    QList<std::pair<qsizetype, qsizetype>> arguments(qsizetype open, qsizetype close) const {
        QList<std::pair<qsizetype, qsizetype>> args;
        int depth = 0;
        qsizetype start = open + 1;
        for (qsizetype i = open + 1; i < close; ++i) {
            if (t_[i].isSymbol(u'(')) {
                ++depth;
            } else if (t_[i].isSymbol(u')')) {
                --depth;
            } else if (depth == 0 && t_[i].isSymbol(u',')) {
                args.append({start, i});
                start = i + 1;
            }
        }
        if (start < close || !args.isEmpty()) {
            args.append({start, close});
        }
        return args;
    }

    QString raw(qsizetype from, qsizetype to) const {
        QString s;
        for (qsizetype i = from; i < to; ++i) {
            s += t_[i].text;
        }
        return s.trimmed();
    }

    QString arg(const std::pair<qsizetype, qsizetype>& a) {
        return rewrite(a.first, a.second).trimmed();
    }

    bool rewriteCall(const Token& name, qsizetype open, qsizetype close, QString& out) {
        const auto args = arguments(open, close);
        if (name.is(u"convert") && args.size() >= 2) {
            return rewriteConvert(args, out);
        }
        if (name.is(u"isnull") && args.size() == 2) {
            out = QStringLiteral("ifnull(%1,%2)").arg(arg(args[0]), arg(args[1]));
            return true;
        }
        if (name.is(u"len") && args.size() == 1) {
            out = QStringLiteral("length(%1)").arg(arg(args[0]));
            return true;
        }
        if (name.is(u"substring") && args.size() == 3) {
            out = QStringLiteral("substr(%1,%2,%3)").arg(arg(args[0]), arg(args[1]), arg(args[2]));
            return true;
        }
        if (name.is(u"left") && args.size() == 2) {
            out = QStringLiteral("substr(%1,1,%2)").arg(arg(args[0]), arg(args[1]));
            return true;
        }
        if (name.is(u"right") && args.size() == 2) {
            out = QStringLiteral("substr(%1,-(%2))").arg(arg(args[0]), arg(args[1]));
            return true;
        }
        if ((name.is(u"year") || name.is(u"month") || name.is(u"day")) && args.size() == 1) {
            const QString part = name.is(u"year")    ? QStringLiteral("%Y")
                                 : name.is(u"month") ? QStringLiteral("%m")
                                                     : QStringLiteral("%d");
            out = QStringLiteral("cast(strftime('%1',%2) as integer)").arg(part, arg(args[0]));
            return true;
        }
        if (name.is(u"getdate") && args.isEmpty()) {
            out = QStringLiteral("datetime('now','localtime')");
            return true;
        }
        return false;
    }

    bool rewriteConvert(const QList<std::pair<qsizetype, qsizetype>>& args, QString& out) {
        const QString type = raw(args[0].first, args[0].second).toLower().remove(u' ');
        const QString value = arg(args[1]);
        const int style = args.size() >= 3 ? raw(args[2].first, args[2].second).toInt() : -1;
        const bool isText = type.startsWith(u"char") || type.startsWith(u"varchar") ||
                            type.startsWith(u"nchar") || type.startsWith(u"nvarchar");
        if (isText) {
            int width = 30;
            const qsizetype paren = type.indexOf(u'(');
            if (paren >= 0) {
                width = type.mid(paren + 1, type.indexOf(u')') - paren - 1).toInt();
            }
            if (style == 20 || style == 120 || style == 21 || style == 121 || style == 23) {
                out = QStringLiteral("substr(%1,1,%2)").arg(value).arg(width);
                return true;
            }
            if (style == 112) {
                out = QStringLiteral("substr(replace(substr(%1,1,10),'-',''),1,%2)")
                          .arg(value)
                          .arg(width);
                return true;
            }
            if (style == 108) {
                out = QStringLiteral("substr(substr(%1,12,8),1,%2)").arg(value).arg(width);
                return true;
            }
            out = QStringLiteral("substr(cast(%1 as text),1,%2)").arg(value).arg(width);
            return true;
        }
        if (type.startsWith(u"int") || type.startsWith(u"smallint") || type.startsWith(u"bigint") ||
            type == u"bit") {
            out = QStringLiteral("cast(%1 as integer)").arg(value);
            return true;
        }
        if (type.startsWith(u"money") || type.startsWith(u"decimal") ||
            type.startsWith(u"numeric") || type.startsWith(u"float") || type.startsWith(u"real")) {
            out = QStringLiteral("cast(%1 as real)").arg(value);
            return true;
        }
        if (type.startsWith(u"datetime") || type == u"date") {
            out = QStringLiteral("(%1)").arg(value);
            return true;
        }
        return false;
    }

    const QList<Token>& t_;
    QString pendingLimit_;
};

}  // namespace

QString adaptTsqlForSqlite(const QString& sql) {
    const QList<Token> tokens = tokenize(sql);
    Rewriter rewriter(tokens);
    return rewriter.finish(rewriter.rewrite(0, tokens.size()));
}

}  // namespace orbista
