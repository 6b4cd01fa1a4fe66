#pragma once

#include "cli/outcome_writer.h"

namespace moltherm::cli {

// The molecules computed, as one JSON array in the molecule-file format: the numbers the
// calculation used, as the shortest texts that read back to the same doubles, so that reading
// the array again gives the same report. Refused molecules are left out (their message is on
// standard error).
class MoleculeJsonWriter final : public OutcomeWriter {
  public:
    using OutcomeWriter::OutcomeWriter;
    void begin() override { buffer() += '['; }
    void write(const MoleculeOutcome& outcome) override;
    void end() override;

  private:
    bool first_ = true;
};

}  // namespace moltherm::cli
