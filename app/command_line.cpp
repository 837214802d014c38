#include "app/command_line.h"

#include <array>
#include <iostream>
#include <string_view>

namespace quarvo {
namespace {

// The toolkit's options that take a value, and those that take none; they
// are passed on untouched.
constexpr std::array<std::string_view, 9> kToolkitOptionsWithValue = {
    "-platform",     "-platformpluginpath", "-platformtheme", "-plugin",    "-qwindowgeometry",
    "-qwindowtitle", "-qwindowicon",        "-style",         "-stylesheet"};
constexpr std::array<std::string_view, 4> kToolkitFlags = {"-reverse", "-widgetcount", "-nograb",
                                                           "-dograb"};

// Whether arg is one of the options of list, given with one dash or two.
template <std::size_t N>
bool contains(const std::array<std::string_view, N>& list, std::string_view arg) {
    for (std::string_view option : list)
        if (arg == option || (arg.size() > 1 && arg.substr(1) == option)) return true;
    return false;
}

// How many arguments a toolkit option takes after itself: 1 for
// "-style fusion", 0 for "-style=fusion" or a flag; -1 for no toolkit option.
int toolkitValuesAfter(std::string_view arg) {
    if (contains(kToolkitOptionsWithValue, arg)) return 1;
    const std::size_t equals = arg.find('=');
    if (equals != std::string_view::npos &&
        contains(kToolkitOptionsWithValue, arg.substr(0, equals)))
        return 0;
    return contains(kToolkitFlags, arg) ? 0 : -1;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            line.targets.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::help;
            return line;
        } else if (arg == "--version" || arg == "-v") {
            line.action = CommandLine::Action::version;
            return line;
        } else if (const int values = toolkitValuesAfter(arg); values >= 0) {
            i += static_cast<std::size_t>(values);
        } else {
            line.action = CommandLine::Action::refuse;
            line.error = "unknown option " + arg;
            return line;
        }
    }
    return line;
}

std::string commandUsage() {
    return "usage: quarvo [TARGET...]\n"
           "       quarvo --help | --version\n"
           "\n"
           "Shows how much space every drive uses and, in its statistics window, what\n"
           "kinds of files fill the drives you pick. Each TARGET, a drive letter such\n"
           "as c: or a folder, is scanned at once for all files.\n"
           "\n"
           "  -h, --help     print this text and exit\n"
           "  -v, --version  print the version and exit\n"
           "  --             what follows is a target, even if it begins with -\n";
}

std::string commandVersion() {
    return std::string("quarvo ") + QUARVO_VERSION;
}

int answerCommandLine(const CommandLine& line) {
    switch (line.action) {
        case CommandLine::Action::help:
            std::cout << commandUsage();
            return 0;
        case CommandLine::Action::version:
            std::cout << commandVersion() << "\n";
            return 0;
        case CommandLine::Action::refuse:
            std::cerr << "quarvo: " << line.error << "\n\n" << commandUsage();
            return 1;
        case CommandLine::Action::run:
            break;
    }
    return -1;
}

}  // namespace quarvo
