#include "setup/typed_pattern.h"

#include <QFontMetrics>
#include <algorithm>

#include "toolkit/lists/pick_list.h"

namespace quarvo {

QString typedPattern(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty() || text == u"*.*" || text == u".*" || text == u"*") return {};
    if (text.startsWith(u"*.")) return text;
    const bool star = text.contains(u'*');
    if (!star && !text.contains(u'.')) return QStringLiteral("*.") + text;
    if (!star) return u'*' + text;
    return text;
}

QString patternExtension(const QString& pattern) {
    const qsizetype dot = pattern.lastIndexOf(u'.');
    return dot < 0 ? QString() : pattern.mid(dot);
}

int patternColumnWidth(const QFontMetrics& metrics, const QStringList& patterns) {
    int widest = 0;
    for (const QString& pattern : patterns)
        widest = std::max(widest, metrics.horizontalAdvance(pattern));
    return widest + metrics.averageCharWidth();
}

void fitPatternColumn(TPickList& list, int usualStop) {
    QStringList patterns;
    for (int i = 0; i < list.count(); ++i) patterns << list.text(i).section(u'\t', 0, 0);
    const QFontMetrics metrics(list.font());
    const int column = list.textOrigin({}).x() + patternColumnWidth(metrics, patterns);
    const int average = metrics.averageCharWidth();
    const int stop = (column + average - 1) / average;
    list.setTabStops(QString::number(std::max(usualStop, stop)));
}

}  // namespace quarvo
