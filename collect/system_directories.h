#pragma once
// The directory services of this machine, for the program and the report
// tool; tests of the walk build fakes instead. Each back end defines it.

#include <memory>

#include "collect/directory_api.h"

namespace quarvo {

[[nodiscard]] std::unique_ptr<DirectoryApi> makeSystemDirectoryApi();

}  // namespace quarvo
