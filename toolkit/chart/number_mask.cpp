#include "toolkit/chart/number_mask.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace quarvo {
namespace {

bool isDigitPlace(QChar c) {
    return c == u'0' || c == u'#';
}

QString grouped(const QString& digits, QChar separator) {
    QString out;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

NumberSeparators NumberSeparators::system() {
    const QLocale locale = QLocale::system();
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    return {group.isEmpty() ? QChar(u',') : group[0], decimal.isEmpty() ? QChar(u'.') : decimal[0]};
}

NumberMask::NumberMask(const QString& mask) {
    bool inDecimals = false;
    bool seenDigit = false;
    int integerPlaces = 0;
    QChar quote;
    for (const QChar c : mask) {
        if (!quote.isNull() || c == u'\'' || c == u'"') {
            if (quote.isNull()) {
                quote = c;
            } else if (c == quote) {
                quote = QChar();
            } else {
                (!seenDigit ? prefix_ : inDecimals ? suffix_ : infix_) += c;
            }
        } else if (isDigitPlace(c) && !inDecimals) {
            seenDigit = true;
            ++integerPlaces;
            if (c == u'0' && minIntegerDigits_ == 0) minIntegerDigits_ = -integerPlaces;
        } else if (isDigitPlace(c)) {
            seenDigit = true;
            ++maxDecimals_;
            if (c == u'0') minDecimals_ = maxDecimals_;
        } else if (c == u',' && !inDecimals) {
            grouping_ = true;
        } else if (c == u'.' && !inDecimals) {
            inDecimals = true;
            seenDigit = true;
        } else {
            (!seenDigit ? prefix_ : inDecimals ? suffix_ : infix_) += c;
        }
    }
    // The first "0" of the integer places fixes how many digits always show.
    if (minIntegerDigits_ < 0) minIntegerDigits_ = integerPlaces + minIntegerDigits_ + 1;
}

QString NumberMask::format(double value, const NumberSeparators& separators) const {
    if (!std::isfinite(value)) return {};
    const QString plain = QString::number(std::fabs(value), 'f', maxDecimals_);
    const qsizetype point = plain.indexOf(u'.');
    QString integer = point < 0 ? plain : plain.left(point);
    QString decimals = point < 0 ? QString() : plain.mid(point + 1);
    while (decimals.size() > minDecimals_ && decimals.endsWith(u'0')) decimals.chop(1);
    if (integer == u"0" && minIntegerDigits_ == 0) integer.clear();
    while (integer.size() < minIntegerDigits_) integer.prepend(u'0');
    const QString digits = integer + decimals;
    const bool negative =
        value < 0 && std::any_of(digits.begin(), digits.end(), [](QChar c) { return c != u'0'; });
    QString out = negative ? QStringLiteral("-") : QString();
    out += prefix_ + (grouping_ ? grouped(integer, separators.thousands) : integer) + infix_;
    if (!decimals.isEmpty()) out += separators.decimal + decimals;
    return out + suffix_;
}

QString NumberMask::format(double value) const {
    return format(value, NumberSeparators::system());
}

}  // namespace quarvo
