#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace moltherm::gui {

using PrintedPage = std::vector<std::string>;

// Splits report text into printed lines and pages for a fixed-pitch font. Line breaks are
// CR LF or LF; a line wider than `columns` characters continues on the next printed line
// rather than running off the paper, and a page holds `linesPerPage` whole lines, so no
// line is ever cut between two pages. A final line break does not open an empty line.
std::vector<PrintedPage> BreakIntoPages(std::string_view text, int columns, int linesPerPage);

}  // namespace moltherm::gui
