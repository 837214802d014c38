#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "setup/frm_select_extension.h"
#include "tests/fakes/setup_machine.h"

namespace quarvo {
namespace {

class ExtensionPicker : public ::testing::Test {
protected:
    // Opens the picker as the editor does; its show handler fills it.
    TfrmSelectExtension& open() {
        picker = std::make_unique<TfrmSelectExtension>(machine.services);
        picker->show();
        return *picker;
    }
    // Types text, presses OK, and returns the pattern and description chosen.
    std::pair<QString, QString> type(const QString& text) {
        open().Edit1->setText(text);
        picker->BitBtn1Click();
        EXPECT_EQ(picker->result(), QDialog::Accepted) << text.toStdString();
        EXPECT_FALSE(picker->severalChosen);
        return {picker->chosenPattern, picker->chosenDescription};
    }
    void select(std::initializer_list<int> rows) {
        for (int row : rows) picker->lBox->item(row)->setSelected(true);
    }

    testing::SetupMachine machine;
    std::unique_ptr<TfrmSelectExtension> picker;
};

TEST_F(ExtensionPicker, ListsTheRegisteredExtensionsOfTypesWithTheirDescriptions) {
    open();
    ASSERT_EQ(picker->lBox->count(), 17);  // all but one suffix too long for a type
    EXPECT_EQ(picker->lBox->item(0)->text(), QStringLiteral("*.bmp\tWindows BMP image"));
    EXPECT_EQ(picker->lBox->item(3)->text(),
              QStringLiteral("*.desktop\tDesktop configuration file"));
    // The descriptions stand in one column, the long extensions' too.
    picker->lBox->doItemsLayout();
    for (int row = 1; row < picker->lBox->count(); ++row)
        EXPECT_EQ(picker->lBox->fieldStarts(row)[1], picker->lBox->fieldStarts(0)[1]) << row;
    ASSERT_EQ(picker->cbWildCard->count(), 17);
    EXPECT_EQ(picker->cbWildCard->itemText(9), QStringLiteral("*.html"));
    EXPECT_EQ(picker->Edit1->text(), QStringLiteral("*.bmp"));
    EXPECT_EQ(picker->lblWild->text(), QStringLiteral("All files"));
}

TEST_F(ExtensionPicker, TypedExtensionsBecomePatterns) {
    const struct {
        const char* typed;
        const char* pattern;
        const char* description;
    } cases[] = {
        {"doc", "*.doc", "Word document"},
        {".doc", "*.doc", "Word document"},
        {"*.doc", "*.doc", "Word document"},
        {" PDF ", "*.PDF", "PDF document"},
        {"desktop", "*.desktop", "Desktop configuration file"},
        {"*.abcdefghijklmnop", "*.abcdefghijklmnop", "ABCDEFGHIJKLMNOP File"},
        {"a.b", "*a.b", "B File"},
        {"d*c", "d*c", ""},
        {"*.*", "", ""},
        {".*", "", ""},
        {"*", "", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const auto [pattern, description] = type(QString::fromLatin1(c.typed));
        EXPECT_EQ(pattern, QString::fromLatin1(c.pattern)) << c.typed;
        EXPECT_EQ(description, QString::fromLatin1(c.description)) << c.typed;
    }
}

TEST_F(ExtensionPicker, AClickedEntryIsTypedAndADoubleClickTakesIt) {
    open();
    picker->lBox->setCurrentRow(5);
    EXPECT_EQ(picker->Edit1->text(), QStringLiteral("*.doc"));
    picker->BitBtn1Click(true);
    EXPECT_EQ(picker->result(), QDialog::Accepted);
    EXPECT_EQ(picker->chosenPattern, QStringLiteral("*.doc"));
    EXPECT_EQ(picker->chosenDescription, QStringLiteral("Word document"));
}

TEST_F(ExtensionPicker, SeveralSelectedCloseOnlyByTheButton) {
    open();
    select({1, 3, 9});
    picker->BitBtn1Click(true);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_TRUE(picker->severalChosen);
    picker->BitBtn1Click();
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->result(), QDialog::Accepted);
}

TEST_F(ExtensionPicker, OpensEmptyWhenTheRegistryListsNoExtension) {
    machine.classes = testing::FakeClassesRoot();
    open();
    EXPECT_EQ(picker->lBox->count(), 0);
    EXPECT_TRUE(picker->Edit1->text().isEmpty());
    picker->BitBtn1Click();
    EXPECT_TRUE(picker->chosenPattern.isEmpty());
}

// What the edit box takes goes into a settings file line and an entry whose
// fields a tab separates.
TEST_F(ExtensionPicker, TheEditBoxRefusesTabsAndLineBreaks) {
    open();
    QLineEdit& edit = *picker->Edit1;
    edit.clear();
    for (const char* bad : {"a\tb", "a\nb", "a\rb"}) {
        edit.insert(QString::fromLatin1(bad));
        EXPECT_TRUE(edit.text().isEmpty()) << bad;
    }
    edit.insert(QStringLiteral("[=x;\"y"));
    EXPECT_EQ(edit.text(), QStringLiteral("[=x;\"y"));
    // Room for "*." and an extension as long as the scan counts, no more.
    edit.setText(QStringLiteral("*.abcdefghijklmnopq"));
    EXPECT_EQ(edit.text(), QStringLiteral("*.abcdefghijklmnop"));
}

}  // namespace
}  // namespace quarvo
