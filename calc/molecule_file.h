#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/expected.h"

namespace moltherm {

// Keys keep the order of the text, so that the first unknown key named is the first written.
using Json = nlohmann::ordered_json;

// Where and why a text is not JSON.
struct JsonSyntaxError {
    std::size_t line = 1;
    std::size_t column = 1;
    std::string reason;
};

// "not valid JSON: REASON (line L, column C)".
std::string SyntaxErrorText(const JsonSyntaxError& error);

// A molecule file: one molecule (any JSON value but an array) or an array of them, read whole so
// that a file broken near its end yields its syntax error and no molecule. Two things JSON values
// alone cannot show are marked in the tree, each as a text starting with NUL:
// - a number beyond the range of a double (valid JSON, which the parser refuses) is the string
//   of its digits after the NUL, so that it reaches the field's own check (BeyondADouble);
// - a key repeated in one object is renamed NUL + the key (RepeatedKey).
Expected<std::vector<Json>, JsonSyntaxError> ParseMoleculeFile(const std::string& text);

// The digits of a number beyond a double, or nothing for any other value.
std::optional<std::string_view> BeyondADouble(const Json& value);
// The key a renamed key repeats, or nothing for a key written once.
std::optional<std::string_view> RepeatedKey(std::string_view key);

}  // namespace moltherm
