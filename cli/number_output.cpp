#include "cli/number_output.h"

#include <charconv>
#include <string_view>

namespace moltherm::cli {
namespace {

std::string_view Shortest(char (&buffer)[32], double value) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

}  // namespace

void AppendShortest(std::string& out, double value) {
    char buffer[32];
    out += Shortest(buffer, value);
}

void AppendJsonNumber(std::string& out, double value) {
    char buffer[32];
    const std::string_view text = Shortest(buffer, value);
    out += text;
    // Without a point or an exponent "-0" would read back as the integer 0.
    if (text.find_first_of(".e") == std::string_view::npos) out += ".0";
}

}  // namespace moltherm::cli
