#pragma once

#include "displaymask.h"
#include "money.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace orbista {
class ResultSet;
}

namespace orbista::report {

// What an expression yields: nothing, an exact number (ten-thousandths), or a text.
struct ExprValue {
    enum class Kind : std::uint8_t { Null, Number, Text };
    Kind kind = Kind::Null;
    Money number;
    QString text;

    static ExprValue ofNumber(Money m) { return {Kind::Number, m, {}}; }
    static ExprValue ofText(QString t) { return {Kind::Text, {}, std::move(t)}; }

    bool isNull() const { return kind == Kind::Null; }
    // Texts that read as numbers count as numbers; anything else as zero.
    Money toMoney() const;
    // The value as printed without a mask.
    QString display() const;
};

// An expression of a report item, parsed once and evaluated per printed row:
//   SUM(x), COUNT, COUNT(x)   totals over the detail rows printed so far (never reset)
//   + - * / and parentheses   exact decimal arithmetic; "+" joins texts
//   12.5, 'text'              literals
//   column, dataset.column    a column of the bound result set (the dataset name is ignored:
//                             a report reads one result set)
//   formatnumeric('mask', x)  x formatted with a display mask
// Function names are case-insensitive. Parsing throws ReportError with the operator's text.
class Expression {
  public:
    Expression() = default;
    static Expression parse(const QString& text);

    const QString& text() const { return text_; }
    bool hasAggregates() const { return aggregateCount_ > 0; }
    bool usesColumns() const;

    // Resolves column names against the result set the report walks; throws ReportError
    // naming a column the result lacks. nullptr leaves every column reading as null.
    void bind(const ResultSet* rows);
    // Clears the totals (at the start of a run).
    void reset();
    // Adds detail row `row` to every total in the expression.
    void accumulate(int row);
    // The value with columns read from `row` (-1: no current row, columns read as null).
    ExprValue evaluate(int row) const;

  private:
    enum class Op : std::uint8_t {
        Number,
        Text,
        Column,
        Negate,
        Add,
        Subtract,
        Multiply,
        Divide,
        Sum,
        Count,
        FormatNumeric,
    };
    struct Node {
        Op op = Op::Number;
        int left = -1;
        int right = -1;
        int column = -1;  // resolved column index
        Money number;     // literal, or the running total of SUM
        std::int64_t count = 0;
        QString text;  // literal or column name
        DisplayMask mask;
    };
    friend class ExpressionParser;

    ExprValue eval(int node, int row) const;
    void accumulateNode(int node, int row);

    QString text_;
    std::vector<Node> nodes_;
    int root_ = -1;
    int aggregateCount_ = 0;
    const ResultSet* rows_ = nullptr;
};

// Exact division rounded half away from zero to four decimals; a zero divisor gives 0.
Money divideMoney(Money dividend, Money divisor);

}  // namespace orbista::report
