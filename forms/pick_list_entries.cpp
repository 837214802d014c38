#include "forms/pick_list_entries.h"

namespace quarvo {

int PickListEntries::add(const std::string& entry) {
    return list_.add(QString::fromStdString(entry));
}

}  // namespace quarvo
