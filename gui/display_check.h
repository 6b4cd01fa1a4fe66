#pragma once

#include <functional>
#include <optional>
#include <string>

namespace moltherm::gui {

// Reads one environment variable; empty or absent both count as unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// Why the window cannot open, when neither an X11 nor a Wayland display nor an explicit Qt
// platform is set; Qt would otherwise abort on its own. Empty when a display can be tried.
std::optional<std::string> MissingDisplayMessage(const EnvironmentLookup& environment);

// The process environment.
std::optional<std::string> ProcessEnvironment(const char* name);

}  // namespace moltherm::gui
