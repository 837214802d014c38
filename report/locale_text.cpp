#include "report/locale_text.h"

#include <QLocale>
#include <QTime>

namespace quarvo {

NumberFormat systemNumberFormat() {
    const QLocale locale = QLocale::system();
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

std::string shortTimeText(int hours, int minutes) {
    return QLocale::system().toString(QTime(hours, minutes), QLocale::ShortFormat).toStdString();
}

}  // namespace quarvo
