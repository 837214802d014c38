#include "setup/typed_pattern.h"

#include <QFontMetrics>
#include <algorithm>

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

}  // namespace quarvo
