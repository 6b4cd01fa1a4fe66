#include "app/control_name.h"

#include <algorithm>
#include <array>
#include <string>

#include "app/control.h"

namespace moltherm::app {
namespace {

constexpr std::array<std::string_view, kControlNameCount> kNameTexts = {
#define MOLTHERM_NAME_TEXT(name) #name,
    MOLTHERM_CONTROL_NAMES(MOLTHERM_NAME_TEXT)
#undef MOLTHERM_NAME_TEXT
};

}  // namespace

std::string_view NameText(ControlName name) {
    return kNameTexts[static_cast<std::size_t>(name)];
}

std::optional<ControlName> NameFromText(std::string_view text) {
    const auto* const found = std::ranges::find(kNameTexts, text);
    if (found == kNameTexts.end()) return std::nullopt;
    return static_cast<ControlName>(found - kNameTexts.begin());
}

std::string IdText(const ControlId& id) {
    std::string text(NameText(id.name));
    if (id.index < 0) return text;
    // Appended piece by piece: GCC 12 at -O3 misreads "(" + ... + ")" as an overlapping copy.
    text += '(';
    text += std::to_string(id.index);
    text += ')';
    return text;
}

}  // namespace moltherm::app
