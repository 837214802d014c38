#pragma once
// What the user types as a file extension, made into the pattern that the
// saved lists hold: doc, .doc and *.doc all give *.doc; a.b gives *a.b; a
// text with a star of its own (d*c) stays as typed.

#include <QString>
#include <QStringList>

class QFontMetrics;

namespace quarvo {
class TPickList;
}

namespace quarvo {

// The pattern of typed text, without its surrounding blanks. Empty when the
// text names every file ("*.*", ".*", "*") or nothing at all.
[[nodiscard]] QString typedPattern(const QString& typed);

// The extension of a pattern: from its last dot on, the dot included; empty
// when it has no dot.
[[nodiscard]] QString patternExtension(const QString& pattern);

// How wide a column of these patterns is in the font of metrics: the widest
// pattern and an average character's room after it, so that the text after a
// tab stop there stands clear of every pattern.
[[nodiscard]] int patternColumnWidth(const QFontMetrics& metrics, const QStringList& patterns);

// Sets the tab stop of a list of extension list entries (pattern, tab,
// description) to usualStop average characters, or further where a long
// pattern reaches past it, so that the descriptions stand in one column.
void fitPatternColumn(TPickList& list, int usualStop);

}  // namespace quarvo
