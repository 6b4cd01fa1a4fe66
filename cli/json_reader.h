#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/json_node.h"

namespace moltherm::cli {

// Where and why a text is not JSON.
struct JsonSyntaxError {
    std::size_t line = 1;
    std::size_t column = 1;
    std::string reason;
};

// A molecule file: one molecule (any JSON value but an array) or an array of them. The whole
// text is checked before any molecule is handed out, so that a file broken near its end yields
// its syntax error and no output. Molecules are then built one at a time, so memory stays that of
// one molecule however long the list; within a molecule only as many children are kept as any
// valid molecule can have (the counts stay exact), which bounds the memory of absurd files.
// A number too large for a double is valid JSON; it reaches the molecule with its text.
class JsonMoleculeStream {
  public:
    explicit JsonMoleculeStream(std::string_view text);

    const std::optional<JsonSyntaxError>& syntaxError() const { return syntaxError_; }

    // Calls `onMolecule(node, position)` for each molecule in document order, position from 1.
    // Only for a text without syntax error.
    void forEachMolecule(const std::function<void(JsonNode&&, std::size_t)>& onMolecule) const;

  private:
    std::string_view text_;
    std::string patchedText_;  // the text with overflowing numbers written as 0, if any
    std::vector<std::pair<std::size_t, std::string>> overflowNumbers_;  // (ordinal, text)
    std::optional<JsonSyntaxError> syntaxError_;
};

}  // namespace moltherm::cli
