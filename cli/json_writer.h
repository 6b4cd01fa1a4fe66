#pragma once

#include "cli/outcome_writer.h"

namespace moltherm::cli {

// One JSON array with an object per molecule: its name and, per temperature, the five
// contributions with q (per molecule), U, H, A, G [J/mol], S, Cp [J/(K mol)] at full
// precision; or its name and the error that refused it.
class JsonWriter final : public OutcomeWriter {
  public:
    using OutcomeWriter::OutcomeWriter;
    void begin() override;
    void write(const MoleculeOutcome& outcome) override;
    void end() override;

  private:
    bool first_ = true;
};

}  // namespace moltherm::cli
