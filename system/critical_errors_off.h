#pragma once
// Keeps the system from asking the user for a medium while a query touches a
// drive that may be empty or absent. The previous error mode comes back on
// every way out of the query, a thrown error included.

#include "system/volume_api.h"

namespace quarvo {

class CriticalErrorsOff {
public:
    explicit CriticalErrorsOff(VolumeApi& api)
        : api_(api), previous_(api.setErrorMode(kFailCriticalErrors)) {}
    ~CriticalErrorsOff() { api_.setErrorMode(previous_); }
    CriticalErrorsOff(const CriticalErrorsOff&) = delete;
    CriticalErrorsOff& operator=(const CriticalErrorsOff&) = delete;

private:
    VolumeApi& api_;
    unsigned previous_;
};

}  // namespace quarvo
