#pragma once
// The directory services of this machine, for the program and the report
// tool; tests build a fake instead. Each back end defines the factory.

#include <memory>

#include "collect/directory_api.h"

namespace quarvo {

[[nodiscard]] std::unique_ptr<DirectoryApi> makeSystemDirectoryApi();

}  // namespace quarvo
