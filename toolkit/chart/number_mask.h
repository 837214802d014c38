#pragma once
// Numbers written through a picture mask in the manner of the classic
// FormatFloat: "0" is a digit always shown, "#" a digit shown only when it
// is significant, "," anywhere among the digits asks for thousands
// grouping, the first "." places the decimal separator, text in single or
// double quotes and every other character is copied as it stands.
// "#,##0.0## GB" writes 1234.5 as "1,234.5 GB"; "##0.# %" writes 12 as
// "12 %". The separators are those given, by default the user's locale.

#include <QChar>
#include <QString>

namespace quarvo {

struct NumberSeparators {
    QChar thousands = u',';
    QChar decimal = u'.';

    // The separators of the user's regional settings.
    static NumberSeparators system();
};

class NumberMask {
public:
    explicit NumberMask(const QString& mask);

    // The value as the mask writes it; empty for a value that is not a
    // finite number.
    [[nodiscard]] QString format(double value, const NumberSeparators& separators) const;
    [[nodiscard]] QString format(double value) const;

private:
    QString prefix_;  // literal text before the first digit
    QString infix_;   // literal text among the integer digits, kept after them
    QString suffix_;  // literal text after the decimal digits
    int minIntegerDigits_ = 0;
    int minDecimals_ = 0;
    int maxDecimals_ = 0;
    bool grouping_ = false;
};

}  // namespace quarvo
