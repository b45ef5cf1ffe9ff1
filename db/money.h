#pragma once

#include <QString>
#include <QVariant>

#include <compare>
#include <cstdint>
#include <optional>

namespace orbista {

// Wide enough for products and long sums of ten-thousandths.
__extension__ typedef __int128 Int128;

// An exact amount in ten-thousandths of a yuan, the precision of the server's `money` type.
// Amounts are never carried or summed in double.
class Money {
  public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t tenThousandths) {
        Money m;
        m.raw_ = tenThousandths;
        return m;
    }
    static constexpr Money fromYuan(std::int64_t yuan) { return fromRaw(yuan * kScale); }

    // Parses "123", "-12.5", "0.0100", "+3.", ".5", "1,234.50" (grouping commas allowed),
    // rounding past the fourth decimal half away from zero. Blank or malformed text gives nullopt.
    static std::optional<Money> parse(QStringView text);
    // Rounds half away from zero to four decimals; for values a driver hands over as double.
    static Money fromDouble(double value);
    // Text, integer or double values as drivers return them; null or unreadable gives nullopt.
    static std::optional<Money> fromVariant(const QVariant& value);

    constexpr std::int64_t raw() const { return raw_; }
    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }

    // Half away from zero, to 0..4 decimals.
    Money rounded(int decimals) const;
    // Plain decimal text with exactly `decimals` decimals (rounded), e.g. "-1234.50"; no grouping.
    QString toString(int decimals = 2) const;
    // Only for handing a value to APIs that need a number (chart axes, spreadsheet cells).
    double toDouble() const { return static_cast<double>(raw_) / kScale; }

    constexpr Money operator-() const { return fromRaw(-raw_); }
    constexpr Money& operator+=(Money o) {
        raw_ += o.raw_;
        return *this;
    }
    constexpr Money& operator-=(Money o) {
        raw_ -= o.raw_;
        return *this;
    }
    friend constexpr Money operator+(Money a, Money b) { return a += b; }
    friend constexpr Money operator-(Money a, Money b) { return a -= b; }
    friend constexpr Money operator*(Money a, std::int64_t n) { return fromRaw(a.raw_ * n); }
    friend constexpr Money operator*(std::int64_t n, Money a) { return fromRaw(a.raw_ * n); }
    // Price times price-like factor (a quantity with decimals), rounded half away from zero.
    Money times(Money factor) const;

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;

  private:
    std::int64_t raw_ = 0;
};

}  // namespace orbista

Q_DECLARE_METATYPE(orbista::Money)
