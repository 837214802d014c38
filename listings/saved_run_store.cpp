#include "listings/saved_run_store.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "system/data_files.h"

namespace quarvo {
namespace {

namespace fs = std::filesystem;

// Names are UTF-8 in the core; the path type takes them as such only from
// UTF-8 text of its own kind.
fs::path pathOf(const std::string& name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}

std::string nameOf(const fs::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

// "20261208-183810-123.json": a run's time to the millisecond, UTC.
constexpr std::size_t kNameLength = 24;

bool isRunName(const std::string& name) {
    if (name.size() != kNameLength || !name.ends_with(".json")) return false;
    for (std::size_t i = 0; i < 19; ++i) {
        const bool dash = i == 8 || i == 15;
        if (dash ? name[i] != '-' : !std::isdigit(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

struct UtcParts {
    int year, month, day, hour, minute, second, millisecond;
};

UtcParts utcParts(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    const auto milliseconds = floor<std::chrono::milliseconds>(time);
    const auto day = floor<days>(milliseconds);
    const year_month_day date(day);
    const hh_mm_ss clock(milliseconds - day);
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count()),
            static_cast<int>(clock.subseconds().count())};
}

std::string runName(std::chrono::system_clock::time_point time) {
    const UtcParts t = utcParts(time);
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%03d.json", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.millisecond);
    return name;
}

// The time a run's name gives (isRunName holds).
std::chrono::system_clock::time_point timeOfName(const std::string& name) {
    using namespace std::chrono;
    UtcParts t{};
    std::sscanf(name.c_str(), "%4d%2d%2d-%2d%2d%2d-%3d", &t.year, &t.month, &t.day, &t.hour,
                &t.minute, &t.second, &t.millisecond);
    const sys_days day{year(t.year) / month(static_cast<unsigned>(t.month)) /
                       std::chrono::day(static_cast<unsigned>(t.day))};
    return day + hours(t.hour) + minutes(t.minute) + seconds(t.second) +
           milliseconds(t.millisecond);
}

}  // namespace

std::string utcTimeText(std::chrono::system_clock::time_point time) {
    const UtcParts t = utcParts(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

SavedRunStore::SavedRunStore(std::string folder, Clock clock)
    : folder_(folder.empty() ? savedRunsFolder() : std::move(folder)),
      clock_(clock ? std::move(clock) : Clock([] { return std::chrono::system_clock::now(); })) {
}

// A run saved within the same millisecond as the newest, or with the clock
// set back, is named just after the newest, so that names keep the order in
// which the runs came and the new run is never the one pruned first.
// The folder is listed once: a run another program saves meanwhile is
// counted with the next save.
std::string SavedRunStore::save(SavedRunInfo info, const ReportFigures& figures) {
    const auto time = clock_();
    info.time = utcTimeText(time);
    std::vector<std::string> names = namesOldestFirst();
    std::string name = runName(time);
    if (!names.empty() && name <= names.back())
        name = runName(timeOfName(names.back()) + std::chrono::milliseconds(1));
    const std::string problem =
        writeWholeFile(nameOf(pathOf(folder_) / name), savedRunJson(info, figures));
    if (!problem.empty()) return "not saved in " + folder_ + ": " + problem;
    names.push_back(name);
    removeOldest(names);
    return {};
}

std::vector<std::string> SavedRunStore::namesOldestFirst() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(pathOf(folder_), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = nameOf(it->path().filename());
        if (isRunName(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Only files named as the store names them: anything else the user keeps
// there stays.
void SavedRunStore::removeOldest(const std::vector<std::string>& names) {
    if (names.size() <= kKept) return;
    std::error_code ignored;  // a file that stays is removed with the next run
    for (std::size_t i = 0; i < names.size() - kKept; ++i)
        fs::remove(pathOf(folder_) / pathOf(names[i]), ignored);
}

std::vector<std::string> SavedRunStore::runs() const {
    std::vector<std::string> paths;
    const std::vector<std::string> names = namesOldestFirst();
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        paths.push_back(nameOf(pathOf(folder_) / pathOf(*name)));
    return paths;
}

SavedRunReading readSavedRunFile(const std::string& path) {
    std::ifstream file(pathOf(path), std::ios::binary);
    std::ostringstream text;
    if (file) text << file.rdbuf();
    SavedRunReading reading =
        file && !file.bad()
            ? readSavedRun(text.str())
            : SavedRunReading{std::nullopt, fs::exists(pathOf(path)) ? "it can't be read"
                                                                     : "there is no such file"};
    if (!reading.run) reading.problem = "Can't compare with " + path + ": " + reading.problem;
    return reading;
}

std::string saveRun(SavedRunStore& store, const ScanRun& run, const StatisticsCollector& collector,
                    const DescribeType& describe) {
    SavedRunInfo info;
    for (const ScanTarget& target : run.chosenDrives()) info.targets.push_back(targetName(target));
    info.rule = ruleText(collector.rule());
    return store.save(std::move(info),
                      {collector, describe, run.chosenDrives().size() == 1, run.leftOut()});
}

}  // namespace quarvo
