#include "app/control_set.h"

#include <limits>

namespace moltherm::app {

Control& ControlSet::add(Control control) {
    controls_.push_back(std::move(control));
    auto it = std::prev(controls_.end());
    byId_[it->id] = it;
    byTab_[it->tabIndex] = &*it;
    return *it;
}

void ControlSet::remove(const ControlId& id) {
    auto found = byId_.find(id);
    if (found == byId_.end()) return;
    byTab_.erase(found->second->tabIndex);
    controls_.erase(found->second);
    byId_.erase(found);
}

Control* ControlSet::find(const ControlId& id) {
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : &*found->second;
}

const Control* ControlSet::find(const ControlId& id) const {
    return const_cast<ControlSet*>(this)->find(id);
}

const Control* ControlSet::lowestElement(ControlName name) const {
    auto found = byId_.lower_bound(ControlId{name, std::numeric_limits<int>::min()});
    return found == byId_.end() || found->first.name != name ? nullptr : &*found->second;
}

std::vector<const Control*> ControlSet::all() const {
    std::vector<const Control*> list;
    list.reserve(controls_.size());
    for (const Control& c : controls_) list.push_back(&c);
    return list;
}

std::vector<const Control*> ControlSet::inTabOrder() const {
    std::vector<const Control*> list;
    list.reserve(byTab_.size());
    for (const auto& [tab, c] : byTab_) list.push_back(c);
    return list;
}

int ControlSet::nextTabIndex() const {
    return byTab_.empty() ? 0 : byTab_.rbegin()->first + 1;
}

}  // namespace moltherm::app
