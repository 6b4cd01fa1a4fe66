#pragma once

#include <istream>
#include <ostream>

#include "report/clock.h"

namespace moltherm::cli {

struct CliStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// The whole program: reads the molecules, computes each at every temperature and writes them.
// Returns 0 when every molecule was computed, 1 when any was refused (the others are still
// written), 2 for a usage error (a bad option or temperature, an input that cannot be read or
// is not JSON) or when the output cannot be written.
int RunCli(int argc, const char* const* argv, const CliStreams& io, const Clock& clock);

}  // namespace moltherm::cli
