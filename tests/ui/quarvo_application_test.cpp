// Errors raised inside an event handler end that handler and are shown.
#include "app/quarvo_application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/fakes/scripted_dialogs.h"

namespace quarvo {
namespace {

TEST(QuarvoApplication, ShowsAnErrorRaisedByAHandlerAndGoesOn) {
    testing::ScriptedDialogs dialogs;
    EXPECT_TRUE(QuarvoApplication::reportingErrors([] { return true; }));
    EXPECT_FALSE(QuarvoApplication::reportingErrors(
        []() -> bool { throw std::runtime_error("Not a valid drive ID"); }));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Not a valid drive ID"));
}

}  // namespace
}  // namespace quarvo
