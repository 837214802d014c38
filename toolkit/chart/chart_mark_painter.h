#pragma once
// Draws the marks of a series: a box with the text, set off from an anchor
// on a bar or a pie, with an optional arrow leading to it.

#include <QPainter>
#include <optional>
#include <vector>

#include "toolkit/chart/chart_settings.h"
#include "toolkit/chart/chart_text.h"

namespace quarvo {

class ChartMarkPainter {
public:
    ChartMarkPainter(QPainter& painter, const SeriesMarks& marks, TextSizes& sizes)
        : painter_(painter), marks_(marks), sizes_(sizes) {}

    // The box's near side lies distance pixels from anchor along direction
    // (a unit vector on screen; negative distances go back into the bar).
    // With pushAside, boxes drawn before push a new one up or down rather
    // than being covered (marks round a pie). A box never reaches back
    // past base (the foot of a bar), so that a short bar's mark stays off
    // the axis and its labels.
    void paint(const QString& text, const QPointF& anchor, const QPointF& direction,
               double distance, bool arrow, double scale, bool pushAside = false,
               std::optional<QPointF> base = std::nullopt);

private:
    [[nodiscard]] QRectF place(const QSizeF& size, const QPointF& point,
                               const QPointF& direction) const;
    void moveClear(QRectF& box, const QPointF& direction) const;
    static void keepBeyond(QRectF& box, const QPointF& base, const QPointF& direction);

    QPainter& painter_;
    const SeriesMarks& marks_;
    TextSizes& sizes_;
    std::vector<QRectF> drawn_;
};

}  // namespace quarvo
