#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "toolkit/lists/pick_list.h"

namespace quarvo {
namespace {

// A white list with black text, drawn off screen with nothing focused.
struct DrawnList {
    TPickList list;
    explicit DrawnList(TSelectedStyle style, const QStringList& entries) {
        list.setSelectedStyle(style);
        list.setColor(Qt::white);
        list.setFontColor(Qt::black);
        list.setFrameShape(QFrame::NoFrame);
        list.resize(300, 80);
        for (const QString& entry : entries) list.add(entry);
        list.setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        list.show();
    }
    QImage image() {
        list.doItemsLayout();
        return list.viewport()->grab().toImage();
    }
};

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

int darkPixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += dark(image, x, y) ? 1 : 0;
    return n;
}

TEST(PickListDrawing, CheckBoxIsFourteenSquareAndTheTickIsItsStrokes) {
    DrawnList drawn(TSelectedStyle::psCheckbox, {QStringLiteral("a"), QStringLiteral("b")});
    drawn.list.setSelected(1, true);
    const QImage image = drawn.image();
    const QRect entry = drawn.list.entryRect(1);
    const int l = entry.left();
    const int t = entry.top();
    EXPECT_EQ(drawn.list.checkBoxRect(entry), QRect(l + 2, t + 1, 14, 14));
    EXPECT_TRUE(dark(image, l + 2, t + 1));
    EXPECT_TRUE(dark(image, l + 15, t + 14));
    EXPECT_FALSE(dark(image, l + 16, t + 1));
    EXPECT_FALSE(dark(image, l + 2, t));

    std::set<std::pair<int, int>> expected;
    for (int i = 0; i < 4; ++i)  // down stroke: columns 3 to 6 from rows 8 to 11
        for (int r = 0; r < 3; ++r) expected.insert({3 + i, 8 + i + r});
    for (int i = 0; i < 7; ++i)  // up stroke: columns 7 to 13 from rows 10 up to 4
        for (int r = 0; r < 3; ++r) expected.insert({7 + i, 10 - i + r});
    std::set<std::pair<int, int>> ticked;
    for (int y = 2; y <= 13; ++y)
        for (int x = 3; x <= 14; ++x)
            if (dark(image, l + x, t + y)) ticked.insert({x, y});
    EXPECT_EQ(ticked, expected);

    const QRect unticked = drawn.list.checkBoxRect(drawn.list.entryRect(0)).adjusted(1, 1, -1, -1);
    EXPECT_EQ(darkPixels(image, unticked), 0);
}

TEST(PickListDrawing, ColumnAfterTabStartsAtTheStopFromTheListsLeftEdge) {
    DrawnList drawn(TSelectedStyle::psCheckbox, {QStringLiteral("doc\tWord document")});
    QFont font(QStringLiteral("Arial"));
    for (int size = 6; size <= 20 && QFontMetrics(font).averageCharWidth() != 6; ++size)
        font.setPixelSize(size);
    if (QFontMetrics(font).averageCharWidth() != 6) GTEST_SKIP() << "no font 6 pixels wide";
    drawn.list.setFont(font);
    drawn.list.setTabStops(QStringLiteral("12"));
    const QImage image = drawn.image();
    const QRect entry = drawn.list.entryRect(0);
    const int docEnd =
        drawn.list.textOrigin(entry).x() + QFontMetrics(font).horizontalAdvance("doc");
    ASSERT_LT(docEnd + 1, 72);

    const QRect band(0, entry.top(), 1, entry.height());
    EXPECT_EQ(darkPixels(image, QRect(docEnd + 1, band.top(), 71 - docEnd, band.height())), 0);
    EXPECT_GT(darkPixels(image, QRect(72, band.top(), 2, band.height())), 0);
}

TEST(PickListDrawing, BoldStyleShowsSelectionByWeightAloneWithoutBoxOrHighlight) {
    DrawnList drawn(TSelectedStyle::psBoldText, {QStringLiteral("gamma"), QStringLiteral("gamma")});
    drawn.list.setSelected(1, true);
    const QImage image = drawn.image();
    const QRect plain = drawn.list.entryRect(0);
    const QRect bold = drawn.list.entryRect(1);
    EXPECT_GT(darkPixels(image, bold), darkPixels(image, plain));
    EXPECT_EQ(image.pixelColor(bold.right() - 2, bold.top() + 1), QColor(Qt::white));
    EXPECT_FALSE(dark(image, bold.left() + 2, bold.top() + 1));
    EXPECT_EQ(drawn.list.textOrigin(bold).x(), bold.left() + 2);
}

}  // namespace
}  // namespace quarvo
