#pragma once

#include "cli/outcome_writer.h"

namespace moltherm::cli {

// Each computed molecule as a table in the manner of thermochemical tables: T as given, Cp, S,
// -[G-H(298.15)]/T and H-H(298.15) of the total, under a heading that names the molecule, its
// formula when known and the standard state; an empty line between two molecules.
class JanafWriter final : public OutcomeWriter {
  public:
    using OutcomeWriter::OutcomeWriter;
    void write(const MoleculeOutcome& outcome) override;

  private:
    bool first_ = true;
};

}  // namespace moltherm::cli
