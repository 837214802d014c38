#pragma once
// Tab stops given as a short text of whole numbers separated by ";" ("16",
// "12;30"), in average character widths of a font, and their positions in
// pixels.

#include <QString>
#include <QStringList>
#include <vector>

namespace quarvo {

class TabStopList {
public:
    // Replaces the stops by those of the text. Throws InvalidTabStop at the
    // first piece that is not a 32-bit whole number; the stops before it are
    // kept, so "16;" leaves the single stop 16. A ";" as the very first
    // character belongs to the first piece (";5" is one invalid piece).
    void parse(const QString& text);
    // The stops joined by ";"; empty without stops.
    QString text() const { return stops_.join(QLatin1Char(';')); }
    bool isEmpty() const { return stops_.isEmpty(); }
    int count() const { return static_cast<int>(stops_.size()); }

    // Each stop times the average character width, in the order given.
    std::vector<int> positions(int averageCharWidth) const;

private:
    void append(const QString& piece);

    QStringList stops_;
};

}  // namespace quarvo
