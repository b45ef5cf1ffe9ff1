#include "displaymask.h"

#include <QStringBuilder>

#include <cstdint>

namespace orbista::report {

namespace {

bool isPlaceholder(QChar c) {
    return c == u'0' || c == u'#';
}

bool isNumericPatternChar(QChar c) {
    return isPlaceholder(c) || c == u',' || c == u'.';
}

bool looksLikeDatePattern(QStringView pattern) {
    bool hasDateLetter = false;
    for (QChar c : pattern) {
        if (isPlaceholder(c)) {
            return false;
        }
        const QChar l = c.toLower();
        if (l == u'y' || l == u'd' || l == u'h' || l == u'n' || l == u's') {
            hasDateLetter = true;
        }
    }
    return hasDateLetter;
}

// Splits on ';' outside quotes.
QList<QStringView> splitSections(QStringView pattern) {
    QList<QStringView> parts;
    qsizetype start = 0;
    QChar quote;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
            }
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            parts.append(pattern.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(pattern.mid(start));
    return parts;
}

}  // namespace

DisplayMask::DisplayMask(const QString& pattern) : pattern_(pattern) {
    if (pattern_.isEmpty()) {
        return;
    }
    date_ = looksLikeDatePattern(pattern_);
    if (date_) {
        qtDateFormat_ = toQtDateFormat(pattern_);
        return;
    }
    const QList<QStringView> parts = splitSections(pattern_);
    sectionCount_ = static_cast<int>(std::min<qsizetype>(parts.size(), 3));
    for (int i = 0; i < sectionCount_; ++i) {
        sections_[i] = parseSection(parts[i]);
    }
    // An empty negative or zero section falls back to the positive one.
    for (int i = 1; i < sectionCount_; ++i) {
        if (parts[i].trimmed().isEmpty()) {
            sections_[i] = sections_[0];
        }
    }
}

DisplayMask::Section DisplayMask::parseSection(QStringView text) {
    Section s;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isNumericPatternChar(text[i])) {
            if (first < 0) {
                first = i;
            }
            last = i;
        }
    }
    auto literal = [](QStringView part) {
        QString out;
        for (QChar c : part) {
            if (c != u'\'' && c != u'"') {
                out += c;
            }
        }
        return out;
    };
    if (first < 0) {
        s.prefix = literal(text);
        return s;
    }
    s.prefix = literal(text.left(first));
    s.suffix = literal(text.mid(last + 1));
    const QStringView body = text.mid(first, last - first + 1);
    const qsizetype point = body.indexOf(u'.');
    const QStringView integerPart = point < 0 ? body : body.left(point);
    const QStringView decimalPart = point < 0 ? QStringView() : body.mid(point + 1);

    bool seenZero = false;
    for (QChar c : integerPart) {
        if (c == u',') {
            s.grouping = true;
        } else if (c == u'0') {
            seenZero = true;
        }
        if (seenZero && isPlaceholder(c)) {
            ++s.minIntegerDigits;
        }
    }
    int position = 0;
    for (QChar c : decimalPart) {
        if (isPlaceholder(c)) {
            ++position;
            if (c == u'0') {
                s.minDecimals = position;
            }
        }
    }
    s.maxDecimals = position;
    return s;
}

QString DisplayMask::formatUnsigned(const Section& section, Money rounded) {
    const std::int64_t raw = rounded.raw() < 0 ? -rounded.raw() : rounded.raw();
    const std::int64_t whole = raw / Money::kScale;
    const std::int64_t fraction = raw % Money::kScale;

    // Decimal digits: the four held exactly, padded with zeros past them, trailing zeros
    // dropped down to the pattern's forced ones.
    QString decimals;
    if (section.maxDecimals > 0) {
        decimals = QString::number(fraction).rightJustified(4, u'0');
        if (section.maxDecimals < 4) {
            decimals.truncate(section.maxDecimals);
        } else {
            decimals = decimals.leftJustified(section.maxDecimals, u'0');
        }
        qsizetype keep = decimals.size();
        while (keep > section.minDecimals && decimals[keep - 1] == u'0') {
            --keep;
        }
        decimals.truncate(keep);
    }

    QString digits = whole == 0 ? QString() : QString::number(whole);
    if (digits.size() < section.minIntegerDigits) {
        digits = digits.rightJustified(section.minIntegerDigits, u'0');
    }
    if (section.grouping && digits.size() > 3) {
        QString grouped;
        grouped.reserve(digits.size() + digits.size() / 3);
        const qsizetype lead = digits.size() % 3;
        for (qsizetype i = 0; i < digits.size(); ++i) {
            if (i > 0 && (i - lead) % 3 == 0) {
                grouped += u',';
            }
            grouped += digits[i];
        }
        digits = grouped;
    }
    if (!decimals.isEmpty()) {
        digits += u'.';
        digits += decimals;
    }
    return section.prefix % digits % section.suffix;
}

QString DisplayMask::format(Money value) const {
    if (isEmpty()) {
        return plainNumberText(value);
    }
    if (date_) {
        return plainNumberText(value);
    }
    const Money rounded = value.rounded(std::min(sections_[0].maxDecimals, 4));
    if (rounded.isZero() && sectionCount_ == 3) {
        return formatUnsigned(sections_[2], rounded);
    }
    if (rounded.isNegative()) {
        if (sectionCount_ >= 2) {
            const Money again = value.rounded(std::min(sections_[1].maxDecimals, 4));
            return formatUnsigned(sections_[1], again);
        }
        return u'-' + formatUnsigned(sections_[0], rounded);
    }
    // A value that rounds to zero prints without a sign.
    return formatUnsigned(sections_[0], rounded);
}

QString DisplayMask::format(const QDateTime& value) const {
    if (!value.isValid()) {
        return {};
    }
    if (!date_) {
        return value.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    return value.toString(qtDateFormat_);
}

QString DisplayMask::toQtDateFormat(QStringView pattern) {
    QString out;
    bool afterHour = false;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        const QChar l = c.toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == l) {
            ++run;
        }
        const int count = static_cast<int>(run);
        if (l == u'y') {
            out += count <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        } else if (l == u'm') {
            out += QString(afterHour ? u'm' : u'M').repeated(std::min(count, afterHour ? 2 : 4));
        } else if (l == u'n') {
            out += QString(u'm').repeated(std::min(count, 2));
        } else if (l == u'd' || l == u'h' || l == u's') {
            out += QString(l).repeated(std::min(count, l == u'd' ? 4 : 2));
        } else if (l == u'z') {
            out += QStringLiteral("zzz");
        } else if (c.isLetter()) {
            out += u'\'' % pattern.mid(i, run).toString() % u'\'';
        } else {
            out += pattern.mid(i, run).toString();
        }
        if (l == u'h') {
            afterHour = true;
        } else if (c.isLetter()) {
            afterHour = false;
        }
        i += run;
    }
    return out;
}

QString formatNumber(Money value, const QString& pattern) {
    return DisplayMask(pattern).format(value);
}

QString formatDate(const QDateTime& value, const QString& pattern) {
    return DisplayMask(pattern).format(value);
}

QString plainNumberText(Money value) {
    QString text = value.toString(4);
    while (text.endsWith(u'0')) {
        text.chop(1);
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    return text == u"-0" ? QStringLiteral("0") : text;
}

}  // namespace orbista::report
