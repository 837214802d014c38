#pragma once
// Number text as the user's regional settings have it.

#include <QLocale>
#include <QString>

#include "text/number_format.h"

namespace quarvo {

// The thousands and decimal separators of a locale.
[[nodiscard]] NumberFormat numberFormatOf(const QLocale& locale = QLocale::system());

// The locale's short time format with hours and minutes only: some locales
// (C among them) write seconds even in their short format.
[[nodiscard]] QString shortTimeFormatOf(const QLocale& locale = QLocale::system());

// A number with thousands separators and exactly two decimals, as the
// regional "number" format writes it (1234.5 gives 1,234.50).
[[nodiscard]] QString twoDecimals(double value, const QLocale& locale = QLocale::system());

}  // namespace quarvo
