#pragma once

#include <string>
#include <string_view>

namespace moltherm {

// A text from the input as a one-line message shows it: whole up to 40 characters, else its first
// 40 characters and "…", so that an absurd file or argument cannot flood the terminal.
std::string Shortened(std::string_view text);

}  // namespace moltherm
