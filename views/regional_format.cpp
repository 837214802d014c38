#include "views/regional_format.h"

namespace quarvo {
namespace {

// A time format without its seconds and milliseconds and the separators
// that led to them; quoted text stays.
QString withoutSeconds(const QString& format) {
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (quoted || (c != u's' && c != u'z')) {
            out += c;
            continue;
        }
        while (!out.isEmpty() && !out.back().isLetterOrNumber() && out.back() != u'\'') out.chop(1);
    }
    return out;
}

}  // namespace

NumberFormat numberFormatOf(const QLocale& locale) {
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

QString shortTimeFormatOf(const QLocale& locale) {
    return withoutSeconds(locale.timeFormat(QLocale::ShortFormat));
}

QString twoDecimals(double value, const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(value, 'f', 2);
}

}  // namespace quarvo
