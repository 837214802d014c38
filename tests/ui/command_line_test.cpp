// What the quarvo command makes of its arguments.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace quarvo {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, HelpAndVersionWinOverEverythingAfterThem) {
    EXPECT_EQ(parseCommandLine({"--help"}).action, Action::help);
    EXPECT_EQ(parseCommandLine({"-h"}).action, Action::help);
    EXPECT_EQ(parseCommandLine({"c:", "--version", "--bogus"}).action, Action::version);
    EXPECT_EQ(commandVersion(), std::string("quarvo ") + QUARVO_VERSION);
    EXPECT_EQ(answerCommandLine(parseCommandLine({"-v"})), 0);
}

TEST(CommandLine, UnknownOptionsAreRefusedWithExitCodeOne) {
    const CommandLine line = parseCommandLine({"c:", "--recursive"});
    EXPECT_EQ(line.action, Action::refuse);
    EXPECT_EQ(line.error, "unknown option --recursive");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(answerCommandLine(line), 1);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.rfind("quarvo: unknown option --recursive\n\nusage: quarvo", 0), 0u);
}

TEST(CommandLine, TargetsAreKeptInOrderAndToolkitOptionsPassedOver) {
    const CommandLine line =
        parseCommandLine({"-platform", "offscreen", "c:", "--style=fusion", "-reverse", "/home",
                          "--", "-odd-folder", "--help"});
    EXPECT_EQ(line.action, Action::run);
    EXPECT_EQ(line.targets, (std::vector<std::string>{"c:", "/home", "-odd-folder", "--help"}));
    EXPECT_EQ(answerCommandLine(line), -1);
    // A lone dash is a name, not an option.
    EXPECT_EQ(parseCommandLine({"-"}).targets, std::vector<std::string>{"-"});
}

}  // namespace
}  // namespace quarvo
