#include "toolkit/part_accessible.h"

namespace quarvo {

QWindow* PartAccessible::window() const {
    QAccessibleInterface* owner = parent();
    return owner ? owner->window() : nullptr;
}

QAccessible::State PartAccessible::readOnlyState() const {
    QAccessible::State state;
    state.invalid = !isValid();
    state.readOnly = !state.invalid;
    return state;
}

PartCache::~PartCache() {
    for (const auto& [key, id] : ids_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* PartCache::part(Key key, const std::function<QAccessibleInterface*()>& make) {
    const auto found = ids_.find(key);
    if (found != ids_.end()) return QAccessible::accessibleInterface(found->second);
    QAccessibleInterface* made = make();
    ids_[key] = QAccessible::registerAccessibleInterface(made);
    return made;
}

void PartCache::dropUnless(const std::function<bool(Key key)>& keep) {
    for (auto it = ids_.begin(); it != ids_.end();) {
        if (keep(it->first)) {
            ++it;
            continue;
        }
        QAccessible::deleteAccessibleInterface(it->second);
        it = ids_.erase(it);
    }
}

}  // namespace quarvo
