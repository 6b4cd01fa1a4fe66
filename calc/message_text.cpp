#include "calc/message_text.h"

#include <cstddef>

namespace moltherm {

std::string Shortened(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Counting UTF-8 lead bytes only, so that no character is cut in two.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (++characters > kShown) return std::string(text.substr(0, i)) + "\u2026";
    }
    return std::string(text);
}

}  // namespace moltherm
