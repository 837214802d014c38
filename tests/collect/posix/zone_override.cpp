#include "tests/collect/zone_override.h"

#include <cstdlib>
#include <ctime>

namespace quarvo {

ZoneOverride::ZoneOverride() {
    if (const char* zone = std::getenv("TZ")) saved_ = zone;
}

ZoneOverride::~ZoneOverride() {
    saved_ ? setenv("TZ", saved_->c_str(), 1) : unsetenv("TZ");
    tzset();
}

bool ZoneOverride::use(const std::string& rule) {
    setenv("TZ", rule.c_str(), 1);
    tzset();
    return true;
}

}  // namespace quarvo
