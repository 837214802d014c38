#pragma once
// A file-type registry as a test lays it out: keys with their string values,
// the empty value name being a key's default value and the empty key name the
// root itself, which has no values. Key and value names ignore case, as in the registry.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "system/classes_root.h"
#include "text/ascii_case.h"

namespace quarvo::testing {

class FakeClassesRoot : public ClassesRoot {
public:
    // Sets a value of a key, adding the key when it is new.
    FakeClassesRoot& set(const std::string& key, const std::string& valueName,
                         const std::string& value) {
        auto [it, added] = keys_.try_emplace(asciiLower(key));
        if (added) order_.push_back(key);
        it->second[asciiLower(valueName)] = value;
        return *this;
    }
    // A registered extension or class: its key with that default value.
    FakeClassesRoot& add(const std::string& key, const std::string& defaultValue) {
        return set(key, "", defaultValue);
    }

    std::unique_ptr<Key> openKey(const std::string& name) override {
        if (name.empty()) return std::make_unique<FakeKey>(Values{});
        const auto it = keys_.find(asciiLower(name));
        if (it == keys_.end()) return nullptr;
        return std::make_unique<FakeKey>(it->second);
    }
    // In the order the keys were added, so that sorting them is the caller's work.
    std::vector<std::string> subkeyNames() override { return order_; }

private:
    using Values = std::map<std::string, std::string>;  // by lower-case name
    class FakeKey : public Key {
    public:
        explicit FakeKey(Values values) : values_(std::move(values)) {}
        std::string readString(const std::string& valueName) const override {
            const auto it = values_.find(asciiLower(valueName));
            return it == values_.end() ? std::string() : it->second;
        }

    private:
        Values values_;
    };

    std::map<std::string, Values> keys_;  // by lower-case name
    std::vector<std::string> order_;
};

}  // namespace quarvo::testing
