#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Small pieces shared by the readers: lines, words and numbers as quantum-chemistry programs print
// them. Every number parser refuses what is not a finite number, so nothing a damaged file holds
// becomes a NaN or an infinity.
namespace moltherm::qcio {

// The lines of a text without their line ends ("\n", "\r\n" or "\r").
std::vector<std::string_view> SplitLines(std::string_view text);

// The words of a line, separated by blanks or tabs.
std::vector<std::string_view> Words(std::string_view line);

std::string_view Trim(std::string_view text);
bool Contains(std::string_view text, std::string_view part);
bool StartsWith(std::string_view text, std::string_view prefix);

// A whole word as a finite number ("-1.5", "+2", "1.2E+01"); nothing else.
std::optional<double> ParseDouble(std::string_view word);
std::optional<int> ParseInt(std::string_view word);

// A number printed as a whole one ("12." for a symmetry number), within +-1e6; else nothing.
std::optional<int> WholeNumber(std::optional<double> value);

// Every word after `key` (or after the line start when key is empty) that is a number, in order;
// words that are not numbers are skipped.
std::vector<double> NumbersAfter(std::string_view line, std::string_view key);

// The first word after `key` as a number, a closing ")" or "," aside; nothing when the key or
// the number is missing.
std::optional<double> NumberAfter(std::string_view line, std::string_view key);
std::optional<int> IntAfter(std::string_view line, std::string_view key);

// The element of a label such as "C", "cl", "H12", "C_a" or "Fe1": its leading letters.
// Returns the atomic number, or nothing when the letters name no element.
std::optional<int> ElementOfLabel(std::string_view label);

}  // namespace moltherm::qcio
