#include "collect/local_time.h"

namespace quarvo {

bool localCalendar(std::int64_t utcSeconds, std::tm& out) {
    const auto t = static_cast<__time64_t>(utcSeconds);
    return _localtime64_s(&out, &t) == 0;
}

}  // namespace quarvo
