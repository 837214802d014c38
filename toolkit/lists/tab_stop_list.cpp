#include "toolkit/lists/tab_stop_list.h"

#include "toolkit/lists/invalid_tab_stop.h"

namespace quarvo {

void TabStopList::parse(const QString& text) {
    stops_.clear();
    if (text.isEmpty()) return;
    QString piece;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(';') && i > 0) {
            append(piece);
            piece.clear();
        } else {
            piece += text[i];
        }
    }
    append(piece);
}

void TabStopList::append(const QString& piece) {
    bool ok = false;
    piece.toInt(&ok);
    if (!ok) throw InvalidTabStop(piece);
    stops_.append(piece);
}

std::vector<int> TabStopList::positions(int averageCharWidth) const {
    std::vector<int> result;
    result.reserve(stops_.size());
    for (const QString& stop : stops_) result.push_back(stop.toInt() * averageCharWidth);
    return result;
}

}  // namespace quarvo
