#include "textroutines.h"

#include <array>

namespace orbista {

namespace {

constexpr std::array<char16_t, 10> kDigits = {u'零', u'壹', u'贰', u'叁', u'肆',
                                              u'伍', u'陆', u'柒', u'捌', u'玖'};
const std::array<QString, 14> kPlaceUnits = {
    QStringLiteral("拾"),   QStringLiteral("佰"),  QStringLiteral("仟"), QStringLiteral("万"),
    QStringLiteral("拾"),   QStringLiteral("佰"),  QStringLiteral("仟"), QStringLiteral("亿"),
    QStringLiteral("拾"),   QStringLiteral("佰"),  QStringLiteral("仟"), QStringLiteral("拾万"),
    QStringLiteral("佰万"), QStringLiteral("仟万")};

QChar digit(std::int64_t d) {
    return QChar(kDigits[static_cast<std::size_t>(d)]);
}

// value / divisor rounded half to even (both positive).
std::int64_t roundHalfEven(std::int64_t value, std::int64_t divisor) {
    const std::int64_t q = value / divisor;
    const std::int64_t r = value % divisor;
    if (2 * r > divisor || (2 * r == divisor && q % 2 != 0)) {
        return q + 1;
    }
    return q;
}

bool isSmallUnit(QChar c) {
    return c == u'拾' || c == u'佰' || c == u'仟';
}
bool isBigUnit(QChar c) {
    return c == u'万' || c == u'亿' || c == u'圆';
}

// The zero-collapsing passes over the integer text, each scanning left to right.
QString collapseZeros(QString s) {
    for (qsizetype i = 1; i < s.size(); ++i) {
        if (s[i - 1] == u'零' && isSmallUnit(s[i])) {
            s[i] = u'零';
        }
    }
    for (int pass = 0; pass < 2; ++pass) {
        QString out;
        for (QChar c : s) {
            if (!(c == u'零' && !out.isEmpty() && out.back() == u'零')) {
                out += c;
            }
        }
        s = out;
    }
    for (int pass = 0; pass < 3; ++pass) {
        QString out;
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (!(s[i] == u'零' && i + 1 < s.size() && isBigUnit(s[i + 1]))) {
                out += s[i];
            }
        }
        s = out;
    }
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const bool doubledWan = s[i] == u'万' && i + 1 < s.size() && s[i + 1] == u'万';
        const bool wanAfterYi = s[i] == u'万' && !out.isEmpty() && out.back() == u'亿';
        if (!doubledWan && !wanAfterYi) {
            out += s[i];
        }
    }
    return out;
}

QString yuanText(std::int64_t yuan) {
    const QString decimal = QString::number(yuan);
    const auto n = decimal.size();
    QString text = QString(digit(decimal[n - 1].digitValue())) + u'圆';
    for (qsizetype k = 1; k < n; ++k) {
        const int d = decimal[n - 1 - k].digitValue();
        text.prepend(QString(digit(d)) + kPlaceUnits[static_cast<std::size_t>(k - 1)]);
    }
    return collapseZeros(text);
}

}  // namespace

QString amountInCapitals(Money amount) {
    if (amount.isNegative()) {
        return QStringLiteral("负") + amountInCapitals(-amount);
    }
    const std::int64_t raw = amount.raw();  // ten-thousandths
    std::int64_t yuan = raw / Money::kScale;
    std::int64_t fraction = raw % Money::kScale;
    if (yuan >= 1'000'000'000'000'000LL) {
        return amount.toString(2);
    }
    // Cents of the fraction, a tenth of a cent added before rounding; 100 carries a yuan.
    if (roundHalfEven(fraction + 10, 100) == 100) {
        ++yuan;
        fraction = 0;
    }
    if (yuan == 0) {
        if (fraction * 100 < 50) {  // nothing left: not even half a hundredth of a cent
            return QStringLiteral("零圆整");
        }
        // Below one yuan the yuan part is left out: 伍分, 伍角零分.
        const std::int64_t cents = roundHalfEven(raw + 10, 100);
        if (cents == 0) {
            return QStringLiteral("零圆整");
        }
        if (cents < 10) {
            return QString(digit(cents)) + u'分';
        }
        return QString(digit(cents / 10)) + u'角' + digit(cents % 10) + u'分';
    }
    QString text = yuanText(yuan);
    const std::int64_t cents = roundHalfEven(fraction * 10 + 1, 1000);
    const std::int64_t fen = cents % 10;
    const std::int64_t jiao = (cents / 10) % 10;
    if (fen == 0 && jiao == 0) {
        text += u'整';
    } else if (jiao != 0) {
        text += QString(digit(jiao)) + u'角' + digit(fen) + u'分';
    } else {
        text += QString(u'零') + digit(fen) + u'分';
    }
    return text;
}

namespace {

bool scanNumeric(const QString& text, int maxPoints) {
    int points = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            continue;
        }
        if (c == u'.') {
            ++points;
        } else if (!(c == u'-' && i == 0)) {
            return false;
        }
    }
    return points <= maxPoints;
}

}  // namespace

bool isStrictNumericText(const QString& text) {
    return scanNumeric(text, 0);
}

bool isDecimalNumericText(const QString& text) {
    return scanNumeric(text, 1);
}

}  // namespace orbista
