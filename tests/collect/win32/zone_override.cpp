#include "tests/collect/zone_override.h"

#include <cstdlib>
#include <ctime>

namespace quarvo {

ZoneOverride::ZoneOverride() {
    if (const char* zone = std::getenv("TZ")) saved_ = zone;
}

// An empty value removes the variable, and the system's zone applies again.
ZoneOverride::~ZoneOverride() {
    _putenv_s("TZ", saved_ ? saved_->c_str() : "");
    _tzset();
}

bool ZoneOverride::use(const std::string& rule) {
    if (rule.find_first_of(",/:") != std::string::npos) return false;
    _putenv_s("TZ", rule.c_str());
    _tzset();
    return true;
}

}  // namespace quarvo
