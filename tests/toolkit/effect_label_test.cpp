#include "toolkit/effect_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "toolkit/lists/tab_list_box.h"

namespace quarvo {
namespace {

TEST(EffectLabel, LettersLeaveRoomForTheShadowOnItsSideAndTheHighlightOnTheOther) {
    EffectLabel label(QStringLiteral("Statistics"));
    const QRect area(0, 0, 200, 60);
    label.setShadow(Qt::darkYellow, 4, ShadowDirection::DownRight, true);
    EXPECT_EQ(label.textRect(area), QRect(1, 1, 195, 55));
    label.setShadow(Qt::darkYellow, 4, ShadowDirection::Left, true);
    EXPECT_EQ(label.shadowStep(), QPoint(-1, 0));
    EXPECT_EQ(label.textRect(area), QRect(4, 0, 195, 60));
}

TEST(EffectLabel, OnlyAClickableLabelShowsTheHandAndReportsClicks) {
    EffectLabel label(QStringLiteral("Home page"));
    label.resize(100, 20);
    int clicks = 0;
    QObject::connect(&label, &EffectLabel::clicked, [&clicks] { ++clicks; });
    const auto click = [&label] {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10), QPointF(10, 10),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &release);
    };
    click();
    EXPECT_EQ(clicks, 0);
    label.setClickable(true);
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    click();
    EXPECT_EQ(clicks, 1);
}

TEST(TabListBox, TabsFallEveryEightAverageCharacterWidthsUnlessToldOtherwise) {
    TTabListBox box;
    box.resize(300, 60);
    box.addItem(QStringLiteral("*.doc\tWord document\tx"));
    box.show();
    box.doItemsLayout();
    const int tab = 8 * QFontMetrics(box.font()).averageCharWidth();
    const std::vector<int> starts = box.fieldStarts(0);
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[0], 2);
    EXPECT_EQ(starts[1], tab);
    EXPECT_EQ(starts[2] % tab, 0);
    EXPECT_GT(starts[2], starts[1]);

    // Another width, and back.
    box.setTabWidth(tab + 30);
    EXPECT_EQ(box.fieldStarts(0)[1], tab + 30);
    box.setTabWidth(0);
    EXPECT_EQ(box.fieldStarts(0), starts);
}

}  // namespace
}  // namespace quarvo
