#pragma once

#include <string>

#include "cli/molecule_calc.h"
#include "report/summary.h"

namespace moltherm::cli {

// The summary with `stamp` in place of the heading's date and time: the heading reads
// "Moltherm Calculation   " + stamp. A clock's reading is its date + "  " + its time.
std::string SummaryWithStamp(SummaryInput in, const std::string& stamp);

// The answer box after "Calc" and "New T" for each temperature: the summary, then one table per
// temperature; CR LF line ends. Only for a computed outcome.
std::string ReportText(const MoleculeOutcome& outcome, const std::string& stamp, double avogadro);

}  // namespace moltherm::cli
