#pragma once
// The C runtime's time zone set for one test, the previous one put back at
// the end. Rules are written as a TZ value ("CET-1CEST,M3.5.0,M10.5.0/3" or
// a zone name such as "America/Sao_Paulo").

#include <optional>
#include <string>

namespace quarvo {

class ZoneOverride {
public:
    ZoneOverride();
    ~ZoneOverride();
    ZoneOverride(const ZoneOverride&) = delete;
    ZoneOverride& operator=(const ZoneOverride&) = delete;

    // Puts the rule in force; false, changing nothing, where this platform's
    // C runtime cannot express it (zone names and dates of change are POSIX
    // only: the Windows runtime knows just names, offsets and its own dates).
    [[nodiscard]] bool use(const std::string& rule);

private:
    std::optional<std::string> saved_;
};

}  // namespace quarvo
