#include "views/regional_format.h"

namespace quarvo {

NumberFormat numberFormatOf(const QLocale& locale) {
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

QString twoDecimals(double value, const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(value, 'f', 2);
}

}  // namespace quarvo
