#pragma once

#include "money.h"

#include <QString>

namespace orbista {

// An amount in Chinese capitals as financial documents print it:
// 1234.56 -> 壹仟贰佰叁拾肆圆伍角陆分, 0 -> 零圆整. Negative amounts are written with a
// leading "负"; amounts whose yuan part has more than 15 digits come back as plain decimal
// text, since the place units stop there.
QString amountInCapitals(Money amount);

// The numeric-text checks of typed codes and numbers: digits, a "-" only in first place,
// and "." — none in the strict check, at most one in the decimal check. Empty text passes.
bool isStrictNumericText(const QString& text);
bool isDecimalNumericText(const QString& text);

}  // namespace orbista
