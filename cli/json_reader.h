#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace moltherm::cli {

using Json = nlohmann::json;

// Where and why a text is not JSON.
struct JsonSyntaxError {
    std::size_t line = 1;
    std::size_t column = 1;
    std::string reason;
};

// A molecule file: one molecule (any JSON value but an array) or an array of them, read whole so
// that a file broken near its end yields its syntax error and no output. The tree carries two
// marks for what JSON values alone cannot show:
// - an object of a molecule or of a list entry holds under kKeyProblem its first unknown or
//   repeated key (`unknown key "colour"`), in the order of the text;
// - a number beyond the range of a double (valid JSON, refused by the parser) is a binary value
//   holding the number's text, so that it reaches the field's own check.
struct MoleculeFile {
    std::vector<Json> molecules;
    std::optional<JsonSyntaxError> syntaxError;
};

// Not valid UTF-8, so no key of a JSON text can be equal to it.
inline const std::string kKeyProblem = "\xff";

MoleculeFile ReadMoleculeFile(std::string text);

}  // namespace moltherm::cli
