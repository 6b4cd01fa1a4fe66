#pragma once

#include <iterator>
#include <list>
#include <map>
#include <vector>

#include "app/control.h"

namespace moltherm::app {

// The window's controls: creation order, lookup by name and index, and Tab order.
// Tab indices are unique; a removed element leaves a gap, since only the order counts.
class ControlSet {
  public:
    Control& add(Control control);  // appended in creation order
    void remove(const ControlId& id);

    Control* find(const ControlId& id);
    const Control* find(const ControlId& id) const;
    // The lowest-index element of a control array: the one created with the window.
    const Control* lowestElement(ControlName name) const;

    std::vector<const Control*> all() const;
    std::vector<const Control*> inTabOrder() const;
    int nextTabIndex() const;  // one past the highest in use

    // The first control after (or before) `tabIndex` in Tab order, going round, that satisfies
    // `accept`; nullptr when none does.
    template <typename Accept>
    const Control* nextInTabOrder(int tabIndex, bool backwards, Accept accept) const;

  private:
    std::list<Control> controls_;
    std::map<ControlId, std::list<Control>::iterator> byId_;
    std::map<int, const Control*> byTab_;
};

template <typename Accept>
const Control* ControlSet::nextInTabOrder(int tabIndex, bool backwards, Accept accept) const {
    if (byTab_.empty()) return nullptr;
    auto start = byTab_.upper_bound(tabIndex);
    if (!backwards) {
        for (auto it = start; it != byTab_.end(); ++it)
            if (accept(*it->second)) return it->second;
        for (auto it = byTab_.begin(); it != start; ++it)
            if (accept(*it->second)) return it->second;
    } else {
        auto before = byTab_.lower_bound(tabIndex);
        for (auto it = std::make_reverse_iterator(before); it != byTab_.rend(); ++it)
            if (accept(*it->second)) return it->second;
        for (auto it = byTab_.rbegin(); it != std::make_reverse_iterator(before); ++it)
            if (accept(*it->second)) return it->second;
    }
    return nullptr;
}

}  // namespace moltherm::app
