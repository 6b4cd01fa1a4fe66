#include "gui/display_check.h"

#include <cstdlib>

namespace moltherm::gui {

std::optional<std::string> MissingDisplayMessage(const EnvironmentLookup& environment) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const std::optional<std::string> value = environment(name);
        if (value && !value->empty()) return std::nullopt;
    }
    return "moltherm: no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are unset); "
           "use moltherm-cli to calculate in a terminal";
}

std::optional<std::string> ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

}  // namespace moltherm::gui
