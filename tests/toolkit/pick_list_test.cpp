#include "toolkit/lists/pick_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "toolkit/lists/invalid_tab_stop.h"

namespace quarvo {
namespace {

QString errorOf(TPickList& list, const QString& text) {
    try {
        list.setTabStops(text);
    } catch (const InvalidTabStop& error) {
        return error.message();
    }
    return QStringLiteral("no error");
}

TEST(PickListTabStops, ReadBackAsGivenAndEmptyClears) {
    TPickList list;
    list.setTabStops(QStringLiteral("16"));
    EXPECT_EQ(list.tabStops(), "16");
    list.setTabStops(QStringLiteral("12;30"));
    EXPECT_EQ(list.tabStops(), "12;30");
    list.setTabStops(QString());
    EXPECT_EQ(list.tabStops(), "");
    EXPECT_TRUE(list.tabLayout().positions.empty());
}

TEST(PickListTabStops, InvalidPiecesNameThemselvesAndKeepEarlierStops) {
    TPickList list;
    EXPECT_EQ(errorOf(list, "a"), "a is an invalid tab stop");
    EXPECT_EQ(errorOf(list, ";5"), ";5 is an invalid tab stop");
    EXPECT_EQ(errorOf(list, "16;"), " is an invalid tab stop");
    EXPECT_EQ(list.tabStops(), "16");
    EXPECT_EQ(errorOf(list, "12;x;30"), "x is an invalid tab stop");
    EXPECT_EQ(list.tabStops(), "12");
}

TEST(PickListTabStops, PositionsAreStopsTimesAverageCharacterWidth) {
    TPickList list;
    list.setTabStops(QStringLiteral("12;30"));
    const int average = QFontMetrics(list.font()).averageCharWidth();
    EXPECT_EQ(list.tabLayout().positions, (std::vector<int>{12 * average, 30 * average}));
    EXPECT_EQ(list.tabLayout().defaultWidth, 8 * average);
}

TEST(TabbedText, StopsRepeatOrFollowTheListAndNeverStall) {
    EXPECT_EQ(nextTabStop(10, {{}, 0, 48}), 48);
    EXPECT_EQ(nextTabStop(48, {{}, 0, 48}), 96);
    EXPECT_EQ(nextTabStop(80, {{72}, 0, 48}), 144);
    EXPECT_EQ(nextTabStop(80, {{72, 100}, 0, 48}), 100);
    EXPECT_EQ(nextTabStop(110, {{72, 100}, 0, 48}), 128);
    EXPECT_EQ(nextTabStop(10, {{72}, 5, 48}), 77);
    // A stop of 0 or below would never move the text on.
    EXPECT_EQ(nextTabStop(10, {{0}, 0, 48}), 48);
    EXPECT_EQ(nextTabStop(10, {{-3}, 0, 48}), 48);
}

// A list shown off screen with three entries of the given style.
struct ShownList {
    TPickList list;
    explicit ShownList(TSelectedStyle style = TSelectedStyle::psCheckbox) {
        list.setSelectedStyle(style);
        list.resize(240, 80);
        for (const char* entry : {"alpha", "beta", "gamma"}) list.add(QString::fromLatin1(entry));
        list.show();
    }
    void clickEntry(int index) {
        const QPoint at = list.entryRect(index).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, list.viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, list.viewport()->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &release);
    }
    void press(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "");
        QApplication::sendEvent(&list, &event);
    }
    std::vector<bool> marks() const {
        std::vector<bool> result;
        for (int i = 0; i < list.count(); ++i) result.push_back(list.selected(i));
        return result;
    }
};

TEST(PickListSelection, ClickTogglesOnlyTheEntryClicked) {
    ShownList shown;
    shown.list.setSelected(2, true);
    int clicks = 0;
    QObject::connect(&shown.list, &TPickList::entryClicked, [&clicks] { ++clicks; });
    shown.clickEntry(0);
    EXPECT_EQ(shown.marks(), (std::vector<bool>{true, false, true}));
    shown.clickEntry(0);
    EXPECT_EQ(shown.marks(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(clicks, 2);
}

TEST(PickListSelection, SpaceTogglesTheFocusedEntryAndArrowsOnlyMoveTheFocus) {
    ShownList shown;
    // Reached by Tab, the list shows at once which entry Space would pick,
    // and picks none by that.
    QFocusEvent byTab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&shown.list, &byTab);
    EXPECT_EQ(shown.list.itemIndex(), 0);
    EXPECT_EQ(shown.marks(), (std::vector<bool>{false, false, false}));
    shown.list.setCurrentRow(1, QItemSelectionModel::NoUpdate);
    shown.press(Qt::Key_Space);
    EXPECT_EQ(shown.marks(), (std::vector<bool>{false, true, false}));
    shown.press(Qt::Key_Down);
    EXPECT_EQ(shown.list.itemIndex(), 2);
    EXPECT_EQ(shown.marks(), (std::vector<bool>{false, true, false}));
    shown.press(Qt::Key_Space);
    EXPECT_EQ(shown.marks(), (std::vector<bool>{false, true, true}));
}

TEST(PickListSelection, ChangeFiresOnlyWhenTheItemIndexMoves) {
    ShownList shown;
    int changes = 0;
    QObject::connect(&shown.list, &TPickList::changed, [&changes] { ++changes; });
    shown.clickEntry(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(shown.list.lastChangeIndex(), 1);
    shown.clickEntry(1);
    EXPECT_EQ(changes, 1);
    shown.clickEntry(2);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(shown.list.lastChangeIndex(), 2);
}

TEST(PickListEntries, SortedListIgnoresCaseAndKeepsMarksWhenSortedLater) {
    TPickList list;
    list.add(QStringLiteral("*.txt"));
    list.add(QStringLiteral("*.DOC"));
    list.setSelected(0, true);
    list.setSorted(true);
    EXPECT_EQ(list.add(QStringLiteral("*.doc")), 1);
    EXPECT_EQ(list.add(QStringLiteral("*.exe")), 2);
    EXPECT_EQ(list.text(0), "*.DOC");
    EXPECT_EQ(list.text(3), "*.txt");
    EXPECT_TRUE(list.selected(3));
    EXPECT_FALSE(list.selected(0));
    list.clear();
    EXPECT_EQ(list.count(), 0);

    // Entries in any order, equals among them, end in a stable sorted order.
    QStringList added;
    for (int i = 0; i < 60; ++i)
        added << QStringLiteral("*.%1%2").arg(QChar(i % 2 ? 'a' : 'A')).arg(i * 37 % 11);
    for (const QString& entry : added) list.add(entry);
    std::stable_sort(added.begin(), added.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    for (int i = 0; i < list.count(); ++i) EXPECT_EQ(list.text(i), added[i]) << i;
}

}  // namespace
}  // namespace quarvo
