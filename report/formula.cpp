#include "report/formula.h"

#include <algorithm>

namespace moltherm {
namespace {

constexpr const char* kNoFormula = "No formula entered";
constexpr const char* kBadSymbol =
    "Invalid formula: an element symbol is a capital letter and an optional small one";

std::string BadCount() {
    return "Invalid formula: an element count is a whole number from 1 to " +
           std::to_string(kMaxElementCount);
}

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

Expected<Formula, std::string> ParseFormula(std::string_view text) {
    if (text.empty()) return Unexpected{std::string(kNoFormula)};
    Formula formula;
    formula.text = std::string(text);
    std::size_t at = 0;
    while (at < text.size()) {
        if (!IsUpper(text[at])) return Unexpected{std::string(kBadSymbol)};
        const std::size_t symbolLength = at + 1 < text.size() && IsLower(text[at + 1]) ? 2 : 1;
        const std::string symbol(text.substr(at, symbolLength));
        at += symbolLength;
        int count = 1;
        if (at < text.size() && IsDigit(text[at])) {
            if (text[at] == '0') return Unexpected{BadCount()};
            count = 0;
            for (; at < text.size() && IsDigit(text[at]); ++at) {
                count = 10 * count + (text[at] - '0');
                if (count > kMaxElementCount) return Unexpected{BadCount()};
            }
        }
        const auto same = std::find_if(formula.elements.begin(), formula.elements.end(),
                                       [&](const ElementCount& e) { return e.symbol == symbol; });
        if (same == formula.elements.end()) {
            formula.elements.push_back({symbol, count});
        } else if ((same->count += count) > kMaxElementCount) {
            return Unexpected{BadCount()};
        }
    }
    return formula;
}

}  // namespace moltherm
