#pragma once

#include <string>

#include "engine/results.h"

namespace moltherm {

// One results table: heading, the q, q/N, S, Cp, U, H, A, G lines and a closing empty line,
// every line ending in CR LF. `avogadro` turns q per molecule into q for one mole.
std::string FormatResultsTable(double temperature, const ThermoResults& r, double avogadro);

}  // namespace moltherm
