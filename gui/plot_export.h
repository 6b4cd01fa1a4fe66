#pragma once

#include <QString>
#include <optional>

#include "gui/plot_view.h"

namespace moltherm::gui {

enum class PlotFileFormat { kPng, kSvg, kPdf };

// Writes the plot as it is shown into a file: PNG at twice the widget's pixels, SVG and PDF as
// vector drawings of the widget's size. Returns the one-line message of a failure.
std::optional<QString> ExportPlot(PlotView& plot, const QString& path, PlotFileFormat format,
                                  const QString& title);

}  // namespace moltherm::gui
