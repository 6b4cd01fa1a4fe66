#pragma once

#include <optional>
#include <string>

#include "gui/plot_view.h"

namespace moltherm::gui {

// Prints a heading line, the plot across the page's width below it, then the table text in
// "courier" (its lines continuing on further pages) to the default printer. Returns the
// one-line message of a failure.
std::optional<std::string> PrintSweep(PlotView& plot, const std::string& heading,
                                      const std::string& tableText);

}  // namespace moltherm::gui
