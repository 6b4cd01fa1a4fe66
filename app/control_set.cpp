#include "app/control_set.h"

#include <limits>

namespace moltherm::app {

Control& ControlSet::add(Control control) {
    controls_.push_back(std::move(control));
    auto it = std::prev(controls_.end());
    byId_[Key{it->id.name, it->id.index}] = it;
    byTab_[it->tabIndex] = &*it;
    return *it;
}

void ControlSet::remove(std::string_view name, int index) {
    auto found = byId_.find(Key{std::string(name), index});
    if (found == byId_.end()) return;
    byTab_.erase(found->second->tabIndex);
    controls_.erase(found->second);
    byId_.erase(found);
}

Control* ControlSet::find(std::string_view name, int index) {
    auto found = byId_.find(Key{std::string(name), index});
    return found == byId_.end() ? nullptr : &*found->second;
}

const Control* ControlSet::find(std::string_view name, int index) const {
    auto found = byId_.find(Key{std::string(name), index});
    return found == byId_.end() ? nullptr : &*found->second;
}

const Control* ControlSet::lowestElement(std::string_view name) const {
    auto found = byId_.lower_bound(Key{std::string(name), std::numeric_limits<int>::min()});
    return found == byId_.end() || found->first.first != name ? nullptr : &*found->second;
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
