#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "setup/frm_stat_list.h"
#include "setup/frm_which_drive.h"
#include "tests/fakes/scripted_dialogs.h"
#include "tests/fakes/setup_machine.h"
#include "toolkit/lists/tabbed_text.h"
#include "views/frm_statistics.h"

namespace quarvo {
namespace {

class Wizard : public ::testing::Test {
protected:
    TfrmWhichDrive& open() {
        wizard = std::make_unique<TfrmWhichDrive>(machine.services);
        wizard->show();
        return *wizard;
    }
    // From the first page to the third with the rule given.
    void toTypes(QRadioButton* rule) {
        wizard->btNext1Click();
        rule->setChecked(true);
        wizard->btNext2Click();
    }
    void press(int key) {
        pressOn(QApplication::focusWidget() ? QApplication::focusWidget() : wizard.get(), key);
    }
    void pressOn(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers,
                        key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        QApplication::sendEvent(target, &event);
    }
    QFrame* shownPage() const {
        for (QFrame* page : {wizard->Panel1, wizard->Panel2, wizard->Panel3})
            if (page->isVisible()) return page;
        return nullptr;
    }
    QStringList typeEntries() const {
        QStringList texts;
        for (int i = 0; i < wizard->PickList1->count(); ++i) texts << wizard->PickList1->text(i);
        return texts;
    }

    testing::SetupMachine machine;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<TfrmWhichDrive> wizard;
};

TEST_F(Wizard, OffersEveryDriveButFloppiesWithTheCurrentOneChosen) {
    machine.volumes.add('a', testing::FakeDrive{.type = kDriveRemovable});
    open();
    EXPECT_EQ(wizard->size(), QSize(283, 315));
    EXPECT_EQ(shownPage(), wizard->Panel1);
    ASSERT_EQ(wizard->pckDrive->count(), 4);
    EXPECT_EQ(wizard->pckDrive->text(1), QStringLiteral("d: (Fixed disk)"));
    EXPECT_EQ(wizard->pckDrive->text(2), QStringLiteral("e: (CD-ROM)"));
    EXPECT_EQ(wizard->chosenDrives(), QStringList{QStringLiteral("c: [system]")});
    EXPECT_TRUE(wizard->btNext1->isEnabled());

    wizard->Deselectall1Click();
    EXPECT_FALSE(wizard->btNext1->isEnabled());
    wizard->SelectAll1Click();
    EXPECT_TRUE(wizard->btNext1->isEnabled());
    EXPECT_EQ(wizard->chosenDrives().size(), 4);

    // The keyboard ticks as the menu does.
    wizard->Deselectall1Click();
    pressOn(wizard->pckDrive, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(wizard->btNext1->isEnabled());
    EXPECT_EQ(wizard->chosenDrives().size(), 4);
}

TEST_F(Wizard, AllFilesEndsOnTheSecondPage) {
    open();
    wizard->btNext1Click();
    EXPECT_EQ(shownPage(), wizard->Panel2);
    EXPECT_TRUE(wizard->rbAll->isChecked());
    wizard->btNext2Click();
    EXPECT_EQ(wizard->result(), QDialog::Accepted);
    EXPECT_TRUE(wizard->ruleAllFiles);
    EXPECT_FALSE(wizard->ruleInclude || wizard->ruleExclude);
    EXPECT_EQ(wizard->PickList1->count(), 0);  // the third page was never filled
}

TEST_F(Wizard, TheTypesPageCountsTheChosenTypesAndNeedsADrive) {
    open();
    toTypes(wizard->rbInclude);
    EXPECT_EQ(shownPage(), wizard->Panel3);
    EXPECT_EQ(wizard->lblSelect->text(), QStringLiteral("Selected file types only"));
    // Sorted, as the editor shows the same list.
    EXPECT_EQ(typeEntries(), (QStringList{"*.dll\tShared library", "*.doc\tWord document",
                                          "*.exe\tDOS/Windows executable"}));
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("0/3"));
    EXPECT_FALSE(wizard->btOK->isEnabled());

    wizard->PickList1->setSelected(1, true);
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("1/3"));
    EXPECT_TRUE(wizard->btOK->isEnabled());
    wizard->pckDrive->clearSelection();
    wizard->PickList1Click();
    EXPECT_FALSE(wizard->btOK->isEnabled());
    wizard->pckDrive->setSelected(3, true);
    wizard->SelectAll2Click();
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("3/3"));
    wizard->DeselectAll2Click();
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("0/3"));
    EXPECT_FALSE(wizard->btOK->isEnabled());

    // Every way of ticking counts: Ctrl+A, the space bar, a click.
    pressOn(wizard->PickList1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("3/3"));
    EXPECT_TRUE(wizard->btOK->isEnabled());
    wizard->DeselectAll2Click();
    wizard->PickList1->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    pressOn(wizard->PickList1, Qt::Key_Space);
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("1/3"));
    EXPECT_TRUE(wizard->btOK->isEnabled());

    wizard->btOKClick();
    EXPECT_EQ(wizard->result(), QDialog::Accepted);
    EXPECT_FALSE(wizard->ruleAllFiles || wizard->ruleExclude);
    EXPECT_TRUE(wizard->ruleInclude);
    EXPECT_EQ(wizard->chosenFileTypes(), QStringList{QStringLiteral("*.doc\tWord document")});
    EXPECT_EQ(wizard->chosenDrives(), QStringList{QStringLiteral("f:")});
}

// A long list's counter is shown whole and clear of the heading, which
// keeps to one line: beside it, or on the line below, above the list.
TEST_F(Wizard, TheCounterOfALongListIsShownWhole) {
    std::vector<std::string> patterns;
    for (int n = 0; n < 905; ++n) patterns.push_back("*.x" + std::to_string(n));
    machine.saveList("Include", patterns);
    open();
    toTypes(wizard->rbInclude);
    wizard->SelectAll2Click();
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("905/905"));
    EXPECT_GE(wizard->lblOf->width(), wizard->lblOf->sizeHint().width());
    EXPECT_LE(wizard->lblOf->geometry().right(), wizard->Panel3->contentsRect().right());
    EXPECT_GE(wizard->lblSelect->width(), wizard->lblSelect->sizeHint().width());
    const QRect heading = wizard->lblSelect->geometry();
    const QRect counter = wizard->lblOf->geometry();
    EXPECT_TRUE(heading.right() < counter.left() ||
                counter.top() >= heading.top() + wizard->lblSelect->fontMetrics().lineSpacing());
    EXPECT_LE(counter.bottom(), wizard->PickList1->geometry().top());
}

// Patterns that the file holds without a count read as the standard list;
// the user is told once, over the page that shows that list, before a save
// from "Add/Delete" can write over them.
TEST_F(Wizard, WarnsOnceOverThePageOfADamagedList) {
    machine.profile.sections.emplace_back(
        "Include", testing::FakeProfileFile::Keys{{"Number", "3x"}, {"File1", "*.txt"}});
    machine.profile.sections.emplace_back("Exclude",
                                          testing::FakeProfileFile::Keys{{"Number", "x"}});
    QString headingShown;
    dialogs.onMessage = [&] {
        if (shownPage() == wizard->Panel3) headingShown = wizard->lblSelect->text();
    };
    open();
    toTypes(wizard->rbInclude);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(headingShown, QStringLiteral("Selected file types only"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("\"Selected file types only\"")));
    EXPECT_EQ(wizard->PickList1->count(), 3);

    dialogs.onExec = [](QDialog& editor) {
        editor.close();
        return editor.result();
    };
    wizard->btEditClick();
    wizard->btPrior3Click();
    wizard->btNext2Click();
    wizard->btPrior3Click();
    wizard->rbExclude->setChecked(true);
    wizard->btNext2Click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

// The Exclude list holds an extension as long as a type's can be; its
// description stands in one column with the others'.
TEST_F(Wizard, GoingBackToExcludeLoadsTheExcludeList) {
    machine.saveList("Exclude", {"*.txt", "*.zip", "*.abcdefghijklmnop"});
    open();
    toTypes(wizard->rbInclude);
    wizard->btPrior3Click();
    EXPECT_EQ(shownPage(), wizard->Panel2);
    wizard->rbExclude->setChecked(true);
    wizard->btNext2Click();
    EXPECT_EQ(wizard->lblSelect->text(), QStringLiteral("All file types except ..."));
    const QString longest = QStringLiteral("*.abcdefghijklmnop");
    EXPECT_EQ(typeEntries(), (QStringList{longest + "\tABCDEFGHIJKLMNOP File",
                                          "*.txt\tPlain text document", "*.zip\tZip archive"}));
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("0/3"));
    const TPickList& list = *wizard->PickList1;
    const auto description = [&](const QString& pattern) {
        const int end = list.textOrigin({}).x() + list.fontMetrics().horizontalAdvance(pattern);
        return nextTabStop(end, list.tabLayout());
    };
    EXPECT_EQ(description(longest), description("*.txt"));
    wizard->PickList1->setSelected(0, true);
    wizard->PickList1->setSelected(2, true);
    wizard->btOKClick();
    EXPECT_TRUE(wizard->ruleExclude);
    EXPECT_FALSE(wizard->ruleAllFiles || wizard->ruleInclude);
    EXPECT_EQ(wizard->chosenFileTypes(),
              (QStringList{longest + "\tABCDEFGHIJKLMNOP File", "*.zip\tZip archive"}));
}

TEST_F(Wizard, AfterTheEditorTheListIsWhatTheFileHolds) {
    open();
    toTypes(wizard->rbExclude);
    wizard->PickList1->setSelected(0, true);
    wizard->PickList1Click();
    bool saving = false;
    dialogs.onExec = [&](QDialog& dialog) {
        auto& editor = dynamic_cast<TfrmStatList&>(dialog);
        EXPECT_EQ(editor.parentWidget(), wizard.get());
        editor.PickList1->setSelected(0, true);  // *.dll, sorted first
        editor.btDeleteClick();
        saving ? editor.btCloseClick() : (void)editor.close();
        return editor.result();
    };
    wizard->btEditClick();
    EXPECT_EQ(dialogs.execTitles.back(), QStringLiteral("File types"));
    EXPECT_EQ(wizard->PickList1->count(), 3);
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("0/3"));
    EXPECT_FALSE(wizard->btOK->isEnabled());

    saving = true;
    wizard->btEditClick();
    EXPECT_EQ(typeEntries(),
              (QStringList{"*.doc\tWord document", "*.exe\tDOS/Windows executable"}));
    EXPECT_EQ(wizard->lblOf->text(), QStringLiteral("0/2"));
    EXPECT_TRUE(machine.profile.keys("Include").empty());
}

TEST_F(Wizard, EnterPressesTheButtonOfTheShownPageAndEscCancels) {
    open();
    press(Qt::Key_Return);
    EXPECT_EQ(shownPage(), wizard->Panel2);
    wizard->rbInclude->setChecked(true);
    press(Qt::Key_Return);
    EXPECT_EQ(shownPage(), wizard->Panel3);
    press(Qt::Key_Return);  // OK is disabled until a type is chosen
    EXPECT_TRUE(wizard->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), QDialog::Rejected);
}

TEST_F(Wizard, AddedFoldersFollowTheDrivesTickedAndAreOfferedAgainUnticked) {
    QTemporaryDir home;
    const QString a = home.filePath("a"), b = home.filePath("b b");
    QDir().mkpath(a);
    QDir().mkpath(b);
    open();
    dialogs.folders = {a, a + "/", home.filePath("missing"), b};
    for (int i = 0; i < 4; ++i) wizard->btAddFolderClick();
    wizard->btAddFolderClick();  // cancelled: nothing more
    EXPECT_EQ(dialogs.folderStarts.front(), QDir::homePath());
    ASSERT_EQ(wizard->pckDrive->count(), 6);
    EXPECT_EQ(wizard->pckDrive->text(4), a);
    EXPECT_EQ(wizard->chosenDrives(), QStringList{"c: [system]"});
    EXPECT_EQ(wizard->chosenFolders(), (QStringList{a, b}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Cannot scan " + home.filePath("missing") +
                                                    ": cannot find "));
    EXPECT_TRUE(dialogs.messages[0].text.endsWith("\nThe folder was not added."));

    // Only folders can be removed; what is left is offered next time.
    wizard->pckDriveMenu(wizard->pckDrive->entryRect(0).center());
    EXPECT_FALSE(wizard->RemoveFolder1->isEnabled());
    wizard->RemoveFolder1Click();
    wizard->pckDriveMenu(wizard->pckDrive->entryRect(4).center());
    EXPECT_TRUE(wizard->RemoveFolder1->isEnabled());
    wizard->RemoveFolder1Click();
    EXPECT_EQ(wizard->pckDrive->count(), 5);
    wizard->Deselectall1Click();
    wizard->pckDrive->setSelected(4, true);
    wizard->pckDriveClick();
    EXPECT_TRUE(wizard->btNext1->isEnabled());  // a folder alone can be scanned

    // Added from the keyboard, the folder is the list's focused entry:
    // Space unticks it, Enter goes on.
    dialogs.folders = {a};
    wizard->activateWindow();
    QApplication::processEvents();
    wizard->btAddFolderClick();
    press(Qt::Key_Space);
    EXPECT_EQ(wizard->chosenFolders(), QStringList{b});
    press(Qt::Key_Return);
    EXPECT_EQ(shownPage(), wizard->Panel2);

    open();
    ASSERT_EQ(wizard->pckDrive->count(), 6);
    EXPECT_EQ(wizard->pckDrive->text(4), b);  // a was removed, then added again
    EXPECT_EQ(wizard->pckDrive->text(5), a);
    EXPECT_TRUE(wizard->chosenFolders().isEmpty());
}

// Settings that can't be read whole or written lose no folder, and say so.
TEST_F(Wizard, DamagedOrUnwritableSettingsLoseNoFolder) {
    QTemporaryDir home;
    machine.profile.sections = {{"Folders", {{"Number", "?"}, {"Folder1", "/kept"}}}};
    open();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("no valid count"));
    EXPECT_EQ(wizard->pckDrive->text(4), "/kept");

    machine.profile.failWrites = true;
    dialogs.folders = {home.path()};
    wizard->btAddFolderClick();
    EXPECT_EQ(wizard->chosenFolders(), QStringList{home.path()});
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.startsWith("Unable to write to quarvo.ini\n"));

    machine.profile.failWrites = false;
    wizard->pckDriveMenu(wizard->pckDrive->entryRect(5).center());
    wizard->RemoveFolder1Click();
    EXPECT_EQ(machine.profile.keys("Folders"),
              (testing::FakeProfileFile::Keys{{"Number", "1"}, {"Folder1", "/kept"}}));
}

TEST_F(Wizard, CollectStatisticsOpensAFreshWizard) {
    TfrmStatistics statistics(machine.services);
    statistics.show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&statistics, &enter);
    statistics.btOK->click();
    EXPECT_EQ(dialogs.execTitles, (std::vector<QString>(2, "Which drives and file types?")));
}

}  // namespace
}  // namespace quarvo
