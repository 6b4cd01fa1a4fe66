#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/outcome_writer.h"
#include "engine/constants.h"
#include "engine/nasa7.h"
#include "report/nasa7_notes.h"

namespace moltherm::cli {

// The NASA-7 polynomials of a computed molecule, fitted over `temperatures` to its total Cp, H
// and S under `options`, for `format` (chemkin or cantera); or the one message that refuses it:
// no formula, a formula that cannot be read, a fit the engine refuses, an entry Chemkin cannot
// hold (more than four elements, a name that is no Chemkin name).
Expected<Nasa7Species, std::string> FitForExport(const PhysicalConstants& constants,
                                                 const MoleculeOutcome& outcome,
                                                 const Nasa7Temperatures& temperatures,
                                                 const ThermoOptions& options, OutputFormat format);

// Every fitted molecule in one Chemkin THERMO section or one Cantera species list, written at
// the end; refused molecules are left out (their message is on standard error).
class Nasa7Writer final : public OutcomeWriter {
  public:
    Nasa7Writer(std::ostream& out, const OutputStyle& style) : OutcomeWriter(out, style) {}
    void write(const MoleculeOutcome& outcome) override;
    void end() override;

  private:
    std::vector<Nasa7Species> species_;
};

}  // namespace moltherm::cli
