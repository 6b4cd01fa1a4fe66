#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace moltherm::cli {

// JSON allows any magnitude, but the JSON parser refuses a number beyond the range of a double.
// Such a number belongs to the molecule's checks ("Invalid molar mass" for 1e400), so it is
// written as 0 (padded with blanks, so that every other character keeps its position) and its
// text is kept with its ordinal among all numbers of the document, counted from 0.
struct OverflowPatch {
    std::string text;
    std::vector<std::pair<std::size_t, std::string>> numbers;  // ascending ordinals
};

// Nothing when the text has no such number.
std::optional<OverflowPatch> PatchOverflowingNumbers(std::string_view text);

}  // namespace moltherm::cli
