#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace moltherm::app {

// The number a box holds, by the one text-to-number conversion; nothing when it holds none.
std::optional<double> BoxNumber(std::string_view text);

// A number as the program writes it into a count or degeneracy box: a whole number as plain
// digits ("2", "10"), anything else in its shortest decimal form.
std::string NumberText(double value);

}  // namespace moltherm::app
