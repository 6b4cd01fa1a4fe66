#include "app/number_box.h"

#include <charconv>
#include <cmath>

#include "calc/number_text.h"

namespace moltherm::app {

std::optional<double> BoxNumber(std::string_view text) {
    return ParseNumber(text);
}

std::string NumberText(double value) {
    if (std::trunc(value) == value && std::fabs(value) < 9.0e15)
        return WholeNumberText(static_cast<long long>(value));
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

}  // namespace moltherm::app
