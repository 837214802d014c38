#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "setup/frm_select_extension.h"
#include "setup/frm_stat_list.h"
#include "tests/fakes/scripted_dialogs.h"
#include "tests/fakes/setup_machine.h"

namespace quarvo {
namespace {

using testing::FakeProfileFile;

class StatListEditor : public ::testing::Test {
protected:
    StatListEditor() { machine.saveList("Include", {"*.doc", "*.txt", "*.zip"}); }

    TfrmStatList& open() {
        editor = std::make_unique<TfrmStatList>(machine.services, "Include");
        editor->show();
        return *editor;
    }
    // The next "&Add" answers the picker with what pick does to it.
    void whenPicked(std::function<void(TfrmSelectExtension&)> pick) {
        dialogs.onExec = [pick](QDialog& dialog) {
            auto& picker = dynamic_cast<TfrmSelectExtension&>(dialog);
            pick(picker);
            return picker.result();
        };
    }
    void select(std::initializer_list<int> rows) {
        for (int row : rows) editor->PickList1->setSelected(row, true);
    }
    std::vector<QString> entries() const {
        std::vector<QString> texts;
        for (int i = 0; i < editor->PickList1->count(); ++i)
            texts.push_back(editor->PickList1->text(i));
        return texts;
    }
    QString count() const { return editor->lblCount->text(); }

    testing::SetupMachine machine;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<TfrmStatList> editor;
};

TEST_F(StatListEditor, AddsTypedAndChosenTypesOnceEach) {
    open();
    EXPECT_EQ(count(), QStringLiteral("3 available"));
    whenPicked([](TfrmSelectExtension& picker) {
        picker.Edit1->setText(QStringLiteral("pdf"));
        picker.BitBtn1Click();
    });
    editor->btAddClick();
    editor->btAddClick();
    EXPECT_EQ(count(), QStringLiteral("4 available"));
    EXPECT_EQ(entries()[1], QStringLiteral("*.pdf\tPDF document"));

    whenPicked([](TfrmSelectExtension& picker) {
        // bmp, desktop, doc, png
        for (int row : {0, 3, 5, 12}) picker.lBox->item(row)->setSelected(true);
        picker.BitBtn1Click();
    });
    editor->btAddClick();
    EXPECT_EQ(entries(), (std::vector<QString>{
                             "*.bmp\tWindows BMP image", "*.desktop\tDesktop configuration file",
                             "*.doc\tWord document", "*.pdf\tPDF document", "*.png\tPNG image",
                             "*.txt\tPlain text document", "*.zip\tZip archive"}));
    EXPECT_EQ(count(), QStringLiteral("7 available"));

    whenPicked([](TfrmSelectExtension& picker) { picker.reject(); });
    editor->PickList1->clear();
    editor->btAddClick();
    EXPECT_EQ(count(), QStringLiteral("0 available"));
}

TEST_F(StatListEditor, DeletingSeveralAsksFirst) {
    open();
    select({1});
    editor->btDeleteClick();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(count(), QStringLiteral("2 available"));

    select({0, 1});
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    editor->btDeleteClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Really delete 2 extensions?"));
    EXPECT_EQ(editor->PickList1->count(), 2);
    editor->btDeleteClick();
    EXPECT_EQ(editor->PickList1->count(), 0);
    EXPECT_EQ(count(), QStringLiteral("0 available"));
}

TEST_F(StatListEditor, ClearAllOnlyOnYes) {
    open();
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Cancel, MessageAnswer::Yes};
    editor->btClearClick();
    editor->btClearClick();
    EXPECT_EQ(editor->PickList1->count(), 3);
    editor->btClearClick();
    EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Really clear out all extensions?"));
    EXPECT_EQ(count(), QStringLiteral("0 available"));
}

TEST_F(StatListEditor, EscSavesAndTheCloseBoxDiscards) {
    open();
    select({0});
    editor->btDeleteClick();
    editor->close();
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    EXPECT_EQ(machine.profile.keys("Include")[0],
              (std::pair<std::string, std::string>{"Number", "3"}));

    open();
    select({0});
    editor->btDeleteClick();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(editor.get(), &esc);
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(machine.profile.keys("Include"),
              (FakeProfileFile::Keys{
                  {"Number", "2"}, {"File1", "*.txt"}, {"File2", "*.zip"}, {"File3", "*.zip"}}));
}

TEST_F(StatListEditor, ARefusedSaveIsShownAndCancels) {
    open();
    machine.profile.failWrites = true;
    editor->btCloseClick();
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    EXPECT_EQ(dialogs.beeps, 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Unable to write to quarvo.ini"));
}

}  // namespace
}  // namespace quarvo
