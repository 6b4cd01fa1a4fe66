#include "gui/page_layout.h"

#include <algorithm>

namespace moltherm::gui {

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

std::vector<PrintedPage> BreakIntoPages(std::string_view text, int columns, int linesPerPage) {
    // A page too small for one character still prints, one character per line and page,
    // rather than losing the text.
    const size_t width = static_cast<size_t>(std::max(columns, 1));
    const size_t height = static_cast<size_t>(std::max(linesPerPage, 1));
    std::vector<PrintedPage> pages;
    auto append = [&](std::string line) {
        if (pages.empty() || pages.back().size() == height) pages.emplace_back();
        pages.back().push_back(std::move(line));
    };
    for (const std::string& line : SplitLines(text)) {
        if (line.size() <= width) {
            append(line);
            continue;
        }
        for (size_t start = 0; start < line.size(); start += width)
            append(line.substr(start, width));
    }
    return pages;
}

}  // namespace moltherm::gui
