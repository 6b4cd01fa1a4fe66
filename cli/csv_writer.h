#pragma once

#include "cli/outcome_writer.h"

namespace moltherm::cli {

// A header row, then one row per molecule and temperature: name, temperature, and q, U, H, A, G,
// S, Cp for each contribution (translational_q ... total_Cp), then an error column that only a
// refused molecule's one row fills. Fields are quoted as RFC 4180 says.
class CsvWriter final : public OutcomeWriter {
  public:
    using OutcomeWriter::OutcomeWriter;
    void begin() override;
    void write(const MoleculeOutcome& outcome) override;
};

}  // namespace moltherm::cli
