#pragma once
// What the quarvo command is asked to do, read from its command line before
// the application object exists, so that --help and --version work without
// a display. The toolkit's own options (-platform, -style, ...) are left for
// the application object.

#include <string>
#include <vector>

namespace quarvo {

struct CommandLine {
    enum class Action { run, help, version, refuse };

    Action action = Action::run;
    // Drive letters ("c:") and folders to scan at once, in command-line order.
    std::vector<std::string> targets;
    // Why the command line was refused, for Action::refuse.
    std::string error;
};

// args: every argument after the program name.
[[nodiscard]] CommandLine parseCommandLine(const std::vector<std::string>& args);

[[nodiscard]] std::string commandUsage();
// "quarvo 1.2.3".
[[nodiscard]] std::string commandVersion();

// Prints usage, version or the refusal as the command line asks. Returns the
// exit code when the program is to end here, -1 when it is to run.
int answerCommandLine(const CommandLine& line);

}  // namespace quarvo
