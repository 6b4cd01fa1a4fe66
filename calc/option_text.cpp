#include "calc/option_text.h"

#include <array>
#include <cctype>
#include <utility>

#include "calc/number_text.h"

namespace moltherm {
namespace {

constexpr std::array<std::pair<std::string_view, PressureUnit>, 6> kUnits = {{
    {"bar", PressureUnit::kBar},
    {"atm", PressureUnit::kAtm},
    {"Pa", PressureUnit::kPa},
    {"kPa", PressureUnit::kKPa},
    {"MPa", PressureUnit::kMPa},
    {"torr", PressureUnit::kTorr},
}};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// The number and the letters after it: "101325Pa" -> ("101325", "Pa"). An exponent's "e" is
// part of the number when a digit or sign follows it.
std::pair<std::string_view, std::string_view> SplitUnit(std::string_view text) {
    text = Trim(text);
    std::size_t end = text.size();
    while (end > 0 && std::isalpha(static_cast<unsigned char>(text[end - 1]))) --end;
    return {Trim(text.substr(0, end)), text.substr(end)};
}

Expected<double, std::string> PositiveNumber(std::string_view what, std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value)
        return Unexpected{std::string(what) + " \"" + std::string(text) + "\" is not a number"};
    if (!(*value > 0)) return Unexpected{std::string(what) + " must be greater than 0"};
    return *value;
}

}  // namespace

Expected<StandardState, std::string> ParsePressure(std::string_view text) {
    const auto [number, unit] = SplitUnit(text);
    if (unit.empty())
        return Unexpected{std::string("pressure needs a unit: bar, atm, Pa, kPa, MPa or torr")};
    for (const auto& [name, value] : kUnits) {
        if (unit != name) continue;
        const auto amount = PositiveNumber("pressure", number);
        if (!amount) return Unexpected{amount.error()};
        return StandardState{StandardState::Kind::kPressure, *amount, value};
    }
    return Unexpected{"unknown pressure unit \"" + std::string(unit) +
                      "\": use bar, atm, Pa, kPa, MPa or torr"};
}

Expected<StandardState, std::string> ParseConcentration(std::string_view text) {
    auto [number, unit] = SplitUnit(text);
    if (!unit.empty() && unit != "M")
        return Unexpected{"unknown concentration unit \"" + std::string(unit) +
                          "\": use M (mol/L)"};
    const auto amount = PositiveNumber("concentration", number);
    if (!amount) return Unexpected{amount.error()};
    return StandardState{StandardState::Kind::kConcentration, *amount, PressureUnit::kBar};
}

Expected<double, std::string> ParseScaleFactor(std::string_view what, std::string_view text) {
    auto factor = PositiveNumber(what, Trim(text));
    if (!factor) return factor;
    if (*factor > 2) return Unexpected{std::string(what) + " must be at most 2"};
    return factor;
}

Expected<double, std::string> ParseCutoff(std::string_view what, std::string_view text) {
    return PositiveNumber(what, Trim(text));
}

}  // namespace moltherm
