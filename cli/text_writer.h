#pragma once

#include "cli/outcome_writer.h"

namespace moltherm::cli {

// The window's report of each computed molecule; a refused one writes nothing here, its message
// goes to the error stream.
class TextWriter final : public OutcomeWriter {
  public:
    using OutcomeWriter::OutcomeWriter;
    void write(const MoleculeOutcome& outcome) override;
};

}  // namespace moltherm::cli
