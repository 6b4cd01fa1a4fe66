#include "cli/json_overflow.h"

#include "calc/number_text.h"

namespace moltherm::cli {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNumberChar(char c) {
    return IsDigit(c) || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view s) {
    std::size_t pos = 0;
    auto digits = [&] {
        const std::size_t start = pos;
        while (pos < s.size() && IsDigit(s[pos])) ++pos;
        return pos - start;
    };
    if (pos < s.size() && s[pos] == '-') ++pos;
    if (pos < s.size() && s[pos] == '0') {
        ++pos;
    } else if (digits() == 0) {
        return false;
    }
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        if (digits() == 0) return false;
    }
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        ++pos;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
        if (digits() == 0) return false;
    }
    return pos == s.size();
}

}  // namespace

std::optional<OverflowPatch> PatchOverflowingNumbers(std::string_view text) {
    std::optional<OverflowPatch> patch;
    std::size_t ordinal = 0;
    bool inString = false;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (inString) {
            if (c == '\\')
                ++pos;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
            continue;
        }
        if (!IsDigit(c) && c != '-') continue;
        std::size_t end = pos;
        while (end < text.size() && IsNumberChar(text[end])) ++end;
        const std::string_view token = text.substr(pos, end - pos);
        // In a valid document every such run is one number; in a broken one the parser will
        // report the error, whatever the count.
        if (IsJsonNumber(token)) {
            if (!ParseNumber(token)) {
                if (!patch) patch = OverflowPatch{std::string(text), {}};
                std::string zero = token.front() == '-' ? "-0" : "0";
                zero.resize(token.size(), ' ');
                patch->text.replace(pos, token.size(), zero);
                patch->numbers.emplace_back(ordinal, std::string(token));
            }
            ++ordinal;
        }
        pos = end - 1;
    }
    return patch;
}

}  // namespace moltherm::cli
