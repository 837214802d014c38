#pragma once
// The drive list of quarvo-report --drives: each drive as the windows list
// it, with its total, free and used bytes.

#include <string>

#include "system/volume_api.h"
#include "text/number_format.h"

namespace quarvo {

[[nodiscard]] std::string drivesText(VolumeApi& volumes, const NumberFormat& format);
// {"drives": [{entry, ready, total, free, used}, ...]}
[[nodiscard]] std::string drivesJson(VolumeApi& volumes);

}  // namespace quarvo
