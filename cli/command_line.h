#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/outcome_writer.h"
#include "engine/nasa7.h"
#include "engine/options.h"
#include "qcio/molecule_modes.h"

namespace moltherm::cli {

inline constexpr const char* kProgramName = "moltherm-cli";
inline constexpr const char* kDefaultTemperature = "298.15";

struct CliOptions {
    std::vector<std::string> inputs;  // paths, "-" for standard input; never empty
    qcio::ImaginaryModes imaginary = qcio::ImaginaryModes::Refuse;
    // As typed for single values, the exact text of each point for a range; in order, never
    // empty.
    std::vector<std::string> temperatures;
    ThermoOptions thermo;     // the conventions of every molecule's calculation
    Nasa7Temperatures nasa7;  // TLOW, TMID, THIGH of the polynomials [K]
    OutputFormat format = OutputFormat::kText;
    bool crlf = false;
    std::optional<std::string> timestamp;  // replaces the clock's date and time
};

// The options to run with, or what to print and the exit status instead: --help and --version
// (status 0, text for standard output), a usage error (status 2, one line for standard error).
struct CommandLine {
    std::optional<CliOptions> options;
    int exitCode = 0;
    std::string out;
    std::string err;
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace moltherm::cli
