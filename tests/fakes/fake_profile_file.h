#pragma once
// A settings file in memory, with a switch that makes writes fail and a count
// of the reads, so tests can see how much a reader looks at.

#include <string>
#include <utility>
#include <vector>

#include "system/profile_file.h"
#include "text/ascii_case.h"

namespace quarvo::testing {

class FakeProfileFile : public ProfileFile {
public:
    using Keys = std::vector<std::pair<std::string, std::string>>;

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override {
        ++reads;
        const auto* keys = find(section);
        if (!keys) return defaultValue;
        for (const auto& [name, value] : *keys)
            if (compareIgnoringAsciiCase(name, key) == 0) return value;
        return defaultValue;
    }
    void writeString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (failWrites) throw ProfileWriteError(fileName);
        auto* keys = find(section);
        if (!keys) keys = &sections.emplace_back(section, Keys{}).second;
        for (auto& [name, old] : *keys) {
            if (compareIgnoringAsciiCase(name, key) == 0) {
                old = value;
                return;
            }
        }
        keys->emplace_back(key, value);
    }
    KeyValues readSection(const std::string& section) override {
        ++reads;
        return keys(section);
    }

    // The keys of a section as a test compares them; empty when it is missing.
    Keys keys(const std::string& section) {
        const auto* found = find(section);
        return found ? *found : Keys{};
    }

    std::vector<std::pair<std::string, Keys>> sections;
    std::string fileName = "quarvo.ini";
    bool failWrites = false;
    int reads = 0;

private:
    Keys* find(const std::string& section) {
        for (auto& [name, keys] : sections)
            if (compareIgnoringAsciiCase(name, section) == 0) return &keys;
        return nullptr;
    }
};

}  // namespace quarvo::testing
