#include "reportexpression.h"

#include "reporterror.h"
#include "resultset.h"

namespace orbista::report {

Money ExprValue::toMoney() const {
    switch (kind) {
        case Kind::Number:
            return number;
        case Kind::Text:
            return Money::parse(text).value_or(Money());
        case Kind::Null:
            break;
    }
    return {};
}

QString ExprValue::display() const {
    switch (kind) {
        case Kind::Number:
            return plainNumberText(number);
        case Kind::Text:
            return text;
        case Kind::Null:
            break;
    }
    return {};
}

Money divideMoney(Money dividend, Money divisor) {
    // Dividing by zero prints 0 rather than stopping the whole report: a total column
    // divided by an empty group's total is simply nothing to show.
    if (divisor.isZero()) {
        return {};
    }
    const Int128 numerator = static_cast<Int128>(dividend.raw()) * Money::kScale;
    const Int128 d = divisor.raw();
    Int128 q = numerator / d;
    const Int128 r = numerator % d;
    const Int128 absR = r < 0 ? -r : r;
    const Int128 absD = d < 0 ? -d : d;
    if (2 * absR >= absD) {
        q += (numerator < 0) != (d < 0) ? -1 : 1;
    }
    return Money::fromRaw(static_cast<std::int64_t>(q));
}

// Recursive descent over the tokens of one expression text.
class ExpressionParser {
  public:
    explicit ExpressionParser(Expression& target) : e_(target), s_(target.text_) {}

    void run() {
        e_.root_ = parseSum();
        skipBlanks();
        if (pos_ < s_.size()) {
            fail();
        }
    }

  private:
    using Node = Expression::Node;
    using Op = Expression::Op;

    [[noreturn]] void fail() const { throw ReportError(QStringLiteral("表达式有误: %1").arg(s_)); }

    int add(Node node) {
        e_.nodes_.push_back(std::move(node));
        return static_cast<int>(e_.nodes_.size()) - 1;
    }
    int binary(Op op, int left, int right) {
        Node n;
        n.op = op;
        n.left = left;
        n.right = right;
        return add(std::move(n));
    }

    void skipBlanks() {
        while (pos_ < s_.size() && s_[pos_].isSpace()) {
            ++pos_;
        }
    }
    bool accept(QChar c) {
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void expect(QChar c) {
        if (!accept(c)) {
            fail();
        }
    }

    int parseSum() {
        int left = parseProduct();
        for (;;) {
            if (accept(u'+')) {
                left = binary(Op::Add, left, parseProduct());
            } else if (accept(u'-')) {
                left = binary(Op::Subtract, left, parseProduct());
            } else {
                return left;
            }
        }
    }

    int parseProduct() {
        int left = parseUnary();
        for (;;) {
            if (accept(u'*')) {
                left = binary(Op::Multiply, left, parseUnary());
            } else if (accept(u'/')) {
                left = binary(Op::Divide, left, parseUnary());
            } else {
                return left;
            }
        }
    }

    int parseUnary() {
        if (accept(u'-')) {
            Node n;
            n.op = Op::Negate;
            n.left = parseUnary();
            return add(std::move(n));
        }
        if (accept(u'+')) {
            return parseUnary();
        }
        return parsePrimary();
    }

    static bool isNameStart(QChar c) { return c.isLetter() || c == u'_'; }
    static bool isNamePart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'.'; }

    int parsePrimary() {
        skipBlanks();
        if (pos_ >= s_.size()) {
            fail();
        }
        const QChar c = s_[pos_];
        if (accept(u'(')) {
            const int inner = parseSum();
            expect(u')');
            return inner;
        }
        if (c == u'\'' || c == u'"') {
            Node n;
            n.op = Op::Text;
            n.text = parseString();
            return add(std::move(n));
        }
        if (c.isDigit() || c == u'.') {
            const qsizetype start = pos_;
            while (pos_ < s_.size() && (s_[pos_].isDigit() || s_[pos_] == u'.')) {
                ++pos_;
            }
            const auto value = Money::parse(s_.mid(start, pos_ - start));
            if (!value) {
                fail();
            }
            Node n;
            n.op = Op::Number;
            n.number = *value;
            return add(std::move(n));
        }
        if (!isNameStart(c)) {
            fail();
        }
        const qsizetype start = pos_;
        while (pos_ < s_.size() && isNamePart(s_[pos_])) {
            ++pos_;
        }
        const QString name = s_.mid(start, pos_ - start);
        if (accept(u'(')) {
            return parseCall(name);
        }
        if (name.compare(u"count", Qt::CaseInsensitive) == 0) {  // COUNT needs no parentheses
            Node count;
            count.op = Op::Count;
            ++e_.aggregateCount_;
            return add(std::move(count));
        }
        Node n;
        n.op = Op::Column;
        // "dataset.column": a report walks one result set, so only the column counts.
        const qsizetype dot = name.lastIndexOf(u'.');
        n.text = dot < 0 ? name : name.mid(dot + 1);
        if (n.text.isEmpty()) {
            fail();
        }
        return add(std::move(n));
    }

    QString parseString() {
        const QChar quote = s_[pos_++];
        QString out;
        for (;;) {
            if (pos_ >= s_.size()) {
                fail();
            }
            const QChar c = s_[pos_++];
            if (c == quote) {
                if (pos_ < s_.size() && s_[pos_] == quote) {  // doubled quote
                    out += quote;
                    ++pos_;
                    continue;
                }
                return out;
            }
            out += c;
        }
    }

    int parseCall(const QString& name) {
        const QString fn = name.toLower();
        Node n;
        if (fn == u"sum") {
            n.op = Op::Sum;
            n.left = parseSum();
            expect(u')');
        } else if (fn == u"count") {
            n.op = Op::Count;
            if (!accept(u')')) {
                n.left = parseSum();
                expect(u')');
            }
        } else if (fn == u"formatnumeric") {
            skipBlanks();
            if (pos_ >= s_.size() || (s_[pos_] != u'\'' && s_[pos_] != u'"')) {
                fail();
            }
            n.op = Op::FormatNumeric;
            n.mask = DisplayMask(parseString());
            expect(u',');
            n.left = parseSum();
            expect(u')');
        } else {
            throw ReportError(QStringLiteral("表达式中未知的函数 %1: %2").arg(name, s_));
        }
        if (n.op == Op::Sum || n.op == Op::Count) {
            ++e_.aggregateCount_;
        }
        return add(std::move(n));
    }

    Expression& e_;
    const QString& s_;
    qsizetype pos_ = 0;
};

Expression Expression::parse(const QString& text) {
    Expression e;
    e.text_ = text;
    ExpressionParser(e).run();
    return e;
}

bool Expression::usesColumns() const {
    for (const Node& n : nodes_) {
        if (n.op == Op::Column) {
            return true;
        }
    }
    return false;
}

void Expression::bind(const ResultSet* rows) {
    rows_ = rows;
    for (Node& n : nodes_) {
        if (n.op != Op::Column) {
            continue;
        }
        n.column = rows ? rows->columnIndex(n.text) : -1;
        if (rows && n.column < 0) {
            throw ReportError(QStringLiteral("结果中没有字段 %1").arg(n.text));
        }
    }
}

void Expression::reset() {
    for (Node& n : nodes_) {
        if (n.op == Op::Sum) {
            n.number = Money();
        }
        n.count = 0;
    }
}

void Expression::accumulate(int row) {
    if (aggregateCount_ > 0) {
        accumulateNode(root_, row);
    }
}

void Expression::accumulateNode(int index, int row) {
    if (index < 0) {
        return;
    }
    Node& n = nodes_[index];
    switch (n.op) {
        case Op::Sum: {
            const ExprValue v = eval(n.left, row);
            if (!v.isNull()) {
                n.number += v.toMoney();
            }
            return;
        }
        case Op::Count:
            // COUNT counts the printed detail rows, whatever its argument.
            ++n.count;
            return;
        default:
            accumulateNode(n.left, row);
            accumulateNode(n.right, row);
            return;
    }
}

namespace {

ExprValue columnValue(const ResultSet& rows, int row, int column) {
    switch (rows.kind(row, column)) {
        case ResultSet::Kind::Null:
            return {};
        case ResultSet::Kind::Integer:
        case ResultSet::Kind::Real:
            return ExprValue::ofNumber(rows.money(row, column));
        case ResultSet::Kind::DateTime:
            return ExprValue::ofText(rows.text(row, column));
        case ResultSet::Kind::Text: {
            QString text = rows.text(row, column);
            if (const auto m = Money::parse(text)) {
                return ExprValue::ofNumber(*m);
            }
            return ExprValue::ofText(std::move(text));
        }
    }
    return {};
}

}  // namespace

ExprValue Expression::evaluate(int row) const {
    if (root_ < 0) {
        return {};
    }
    return eval(root_, row);
}

ExprValue Expression::eval(int index, int row) const {
    const Node& n = nodes_[index];
    switch (n.op) {
        case Op::Number:
            return ExprValue::ofNumber(n.number);
        case Op::Text:
            return ExprValue::ofText(n.text);
        case Op::Column:
            if (!rows_ || n.column < 0 || row < 0 || row >= rows_->fetchedCount()) {
                return {};
            }
            return columnValue(*rows_, row, n.column);
        case Op::Negate: {
            const ExprValue v = eval(n.left, row);
            return v.isNull() ? v : ExprValue::ofNumber(-v.toMoney());
        }
        case Op::Add: {
            const ExprValue a = eval(n.left, row);
            const ExprValue b = eval(n.right, row);
            if (a.kind == ExprValue::Kind::Text || b.kind == ExprValue::Kind::Text) {
                return ExprValue::ofText(a.display() + b.display());
            }
            return ExprValue::ofNumber(a.toMoney() + b.toMoney());
        }
        case Op::Subtract:
            return ExprValue::ofNumber(eval(n.left, row).toMoney() - eval(n.right, row).toMoney());
        case Op::Multiply:
            return ExprValue::ofNumber(
                eval(n.left, row).toMoney().times(eval(n.right, row).toMoney()));
        case Op::Divide:
            return ExprValue::ofNumber(
                divideMoney(eval(n.left, row).toMoney(), eval(n.right, row).toMoney()));
        case Op::Sum:
            return ExprValue::ofNumber(n.number);
        case Op::Count:
            return ExprValue::ofNumber(Money::fromYuan(n.count));
        case Op::FormatNumeric:
            return ExprValue::ofText(n.mask.format(eval(n.left, row).toMoney()));
    }
    return {};
}

}  // namespace orbista::report
