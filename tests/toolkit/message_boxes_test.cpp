#include "toolkit/message_boxes.h"

#include <gtest/gtest.h>

#include "tests/fakes/scripted_dialogs.h"

namespace quarvo {
namespace {

// Keeps the order of sounds and boxes.
class OrderedDialogs : public testing::ScriptedDialogs {
public:
    std::vector<QString> events;
    MessageAnswer message(QWidget* parent, MessageKind kind, const QString& caption,
                          const QString& text) override {
        events.push_back(QStringLiteral("box ") + caption);
        return ScriptedDialogs::message(parent, kind, caption, text);
    }
    void beep() override {
        events.push_back(QStringLiteral("beep"));
        ScriptedDialogs::beep();
    }
};

TEST(MessageBoxes, ErrorSoundsFirstThenShowsTheErrorBox) {
    OrderedDialogs dialogs;
    showError(QStringLiteral("a is an invalid tab stop"));
    EXPECT_EQ(dialogs.events, (std::vector<QString>{"beep", "box Error"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, "a is an invalid tab stop");
}

TEST(MessageBoxes, InformationIsSilentAndConfirmationPassesTheAnswerOn) {
    OrderedDialogs dialogs;
    showInfo(QStringLiteral("Done"));
    EXPECT_EQ(dialogs.events, (std::vector<QString>{"box Information"}));
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
    dialogs.answers = {MessageAnswer::No};
    EXPECT_EQ(confirm(QStringLiteral("Save"), QStringLiteral("Save the list?")), MessageAnswer::No);
    EXPECT_EQ(confirm(QStringLiteral("Save"), QStringLiteral("Save the list?")),
              MessageAnswer::Cancel);
    EXPECT_EQ(dialogs.messages[1].kind, MessageKind::Confirmation);
    EXPECT_EQ(dialogs.beeps, 0);
}

}  // namespace
}  // namespace quarvo
