#pragma once

#include <string>
#include <string_view>

namespace moltherm {

// A user's text (a name, a formula) inside one line of a report: control characters, line
// breaks among them, become blanks.
inline std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return line;
}

}  // namespace moltherm
