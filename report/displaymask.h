#pragma once

#include "money.h"

#include <QDateTime>
#include <QString>

#include <array>

namespace orbista::report {

// A display mask as layouts write them, parsed once and applied to many values.
//
// Numeric patterns follow the classic format-float rules: "0" is a digit that always prints
// (a forced zero where the value has none), "#" a digit that prints only where the value has
// one, "," anywhere in the integer part turns on thousands grouping, "." is the decimal point.
// Values are rounded half away from zero to the pattern's decimals; negatives get a leading
// "-". Up to three sections "positive;negative;zero" are honoured; other characters are
// literal text before or after the number.
//
// Zero under a pattern without any "0" ("###,###,###.##", "#.##") prints as an empty text:
// no "#" has a digit to show. This is what the classic engine printed, and the cross-tab
// reports rely on it: a fee group a department never charged stays a blank cell instead of
// a column of zeros. Patterns that must show zero say so with a "0" ("0.00", "#,##0.00").
//
// Date patterns use y, m, d, h, n (minutes) and s: "yyyy-mm-dd", "yyyy-mm-dd hh:nn:ss";
// "mm" right after an hour means minutes.
class DisplayMask {
  public:
    DisplayMask() = default;  // no mask: values print as they are
    explicit DisplayMask(const QString& pattern);

    bool isEmpty() const { return pattern_.isEmpty(); }
    bool isDate() const { return date_; }
    const QString& pattern() const { return pattern_; }

    QString format(Money value) const;
    QString format(const QDateTime& value) const;

  private:
    struct Section {
        QString prefix;
        QString suffix;
        int minIntegerDigits = 0;
        int minDecimals = 0;
        int maxDecimals = 0;
        bool grouping = false;
    };
    static Section parseSection(QStringView text);
    static QString formatUnsigned(const Section& section, Money rounded);
    static QString toQtDateFormat(QStringView pattern);

    QString pattern_;
    bool date_ = false;
    std::array<Section, 3> sections_{};
    int sectionCount_ = 0;
    QString qtDateFormat_;
};

// One-off helpers for handlers and expressions.
QString formatNumber(Money value, const QString& pattern);
QString formatDate(const QDateTime& value, const QString& pattern);

// A number shown without a mask: as few decimals as it needs ("1234.5", "0", "-0.25").
QString plainNumberText(Money value);

}  // namespace orbista::report
