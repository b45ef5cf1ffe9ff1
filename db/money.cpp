#include "money.h"

#include <cmath>
#include <limits>

namespace orbista {

namespace {

constexpr std::int64_t kPow10[] = {1, 10, 100, 1000, 10000};

// Divides with rounding half away from zero.
std::int64_t divRound(std::int64_t value, std::int64_t divisor) {
    const std::int64_t q = value / divisor;
    const std::int64_t r = value % divisor;
    if (2 * (r < 0 ? -r : r) >= divisor) {
        return value < 0 ? q - 1 : q + 1;
    }
    return q;
}

}  // namespace

std::optional<Money> Money::parse(QStringView text) {
    text = text.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    bool negative = false;
    qsizetype i = 0;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++i;
    }
    std::int64_t whole = 0;
    std::int64_t frac = 0;
    int fracDigits = 0;
    bool roundUp = false;
    bool sawDigit = false;
    bool inFraction = false;
    constexpr std::int64_t kMaxWhole = std::numeric_limits<std::int64_t>::max() / kScale / 10;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c == u',' && !inFraction && sawDigit) {
            continue;
        }
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        sawDigit = true;
        const int digit = c.unicode() - u'0';
        if (!inFraction) {
            if (whole > kMaxWhole) {
                return std::nullopt;
            }
            whole = whole * 10 + digit;
        } else if (fracDigits < 4) {
            frac = frac * 10 + digit;
            ++fracDigits;
        } else if (fracDigits == 4) {
            roundUp = digit >= 5;
            ++fracDigits;
        }
    }
    if (!sawDigit) {
        return std::nullopt;
    }
    for (int d = std::min(fracDigits, 4); d < 4; ++d) {
        frac *= 10;
    }
    std::int64_t raw = whole * kScale + frac + (roundUp ? 1 : 0);
    return fromRaw(negative ? -raw : raw);
}

Money Money::fromDouble(double value) {
    return fromRaw(static_cast<std::int64_t>(std::llround(value * static_cast<double>(kScale))));
}

std::optional<Money> Money::fromVariant(const QVariant& value) {
    if (value.isNull() || !value.isValid()) {
        return std::nullopt;
    }
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Short:
            return fromRaw(value.toLongLong() * kScale);
        case QMetaType::Double:
        case QMetaType::Float:
            return fromDouble(value.toDouble());
        default:
            if (value.canConvert<Money>() && value.typeId() == qMetaTypeId<Money>()) {
                return value.value<Money>();
            }
            return parse(value.toString());
    }
}

Money Money::rounded(int decimals) const {
    decimals = std::clamp(decimals, 0, 4);
    const std::int64_t unit = kPow10[4 - decimals];
    return fromRaw(divRound(raw_, unit) * unit);
}

QString Money::toString(int decimals) const {
    decimals = std::clamp(decimals, 0, 4);
    const std::int64_t scaled = divRound(raw_, kPow10[4 - decimals]);
    const std::int64_t unit = kPow10[decimals];
    const std::int64_t absScaled = scaled < 0 ? -scaled : scaled;
    QString out;
    if (scaled < 0) {
        out += u'-';
    }
    out += QString::number(absScaled / unit);
    if (decimals > 0) {
        out += u'.';
        out += QString::number(absScaled % unit).rightJustified(decimals, u'0');
    }
    return out;
}

Money Money::times(Money factor) const {
    // raw * factor / kScale with 128-bit intermediate so large amounts do not overflow.
    const Int128 product = static_cast<Int128>(raw_) * factor.raw_;
    const Int128 q = product / kScale;
    const Int128 r = product % kScale;
    Int128 result = q;
    if (2 * (r < 0 ? -r : r) >= kScale) {
        result += product < 0 ? -1 : 1;
    }
    return fromRaw(static_cast<std::int64_t>(result));
}

}  // namespace orbista
