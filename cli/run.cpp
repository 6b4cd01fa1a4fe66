#include "cli/run.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "calc/molecule_reader.h"
#include "cli/command_line.h"
#include "cli/local_clock.h"
#include "cli/molecule_calc.h"
#include "cli/nasa7_writer.h"
#include "cli/outcome_writer.h"
#include "cli/parallel_for.h"
#include "cli/qc_molecule.h"
#include "qcio/read_qc_file.h"

namespace moltherm::cli {
namespace {

std::string ProgramMessage(const std::string& message) {
    return std::string(kProgramName) + ": " + message + "\n";
}

std::optional<std::string> ReadAll(std::istream& in, std::string& text) {
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::string("cannot be read");
    text = std::move(content).str();
    return std::nullopt;
}

// The input's text, or the one line that says why there is none.
std::optional<std::string> ReadInput(const std::string& path, std::istream& standardInput,
                                     std::string& text) {
    if (path == "-") {
        if (auto error = ReadAll(standardInput, text)) return "standard input " + *error;
        return std::nullopt;
    }
    // A directory opens like a file and only fails to read, with no clear reason.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return path + ": is a directory";
    std::ifstream file(path, std::ios::binary);
    if (!file) return path + ": " + std::strerror(errno);
    if (auto error = ReadAll(file, text)) return path + ": " + *error;
    return std::nullopt;
}

}  // namespace

int RunCli(int argc, const char* const* argv, const CliStreams& io, const Clock& clock) {
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (!commandLine.options) {
        io.out << commandLine.out;
        io.err << commandLine.err;
        return commandLine.exitCode;
    }
    const CliOptions& options = *commandLine.options;

    // Every file is read before anything is written: one that cannot be read, or a molecule
    // file that is not JSON, is a usage error.
    struct Input {
        std::string path;
        std::string text;
        bool quantumChemistry = false;
        std::vector<Json> molecules;
    };
    std::vector<Input> inputs;
    for (const std::string& path : options.inputs) {
        Input input{path, {}, false, {}};
        if (auto error = ReadInput(path, io.in, input.text)) {
            io.err << ProgramMessage(*error);
            return 2;
        }
        input.quantumChemistry = qcio::DetectFormat(input.text).has_value();
        if (!input.quantumChemistry) {
            auto molecules = ParseMoleculeFile(input.text);
            if (!molecules) {
                const std::string source = path == "-" ? "standard input" : path;
                io.err << ProgramMessage(source + ": " + SyntaxErrorText(molecules.error()));
                return 2;
            }
            input.molecules = std::move(*molecules);
            input.text.clear();
        }
        inputs.push_back(std::move(input));
    }

    OutputStyle style;
    style.format = options.format;
    style.crlf = options.crlf;
    style.thermo = options.thermo;
    style.nasa7 = options.nasa7;
    style.stamp = options.timestamp ? *options.timestamp : ClockStamp(clock);
    const std::unique_ptr<OutcomeWriter> writer = MakeOutcomeWriter(io.out, style);
    const PhysicalConstants constants;
    bool anyRefused = false;
    // What a molecule gives, found without a visible effect, so that many can be found at once.
    const auto outcomeOf = [&](MoleculeEntry entry, const std::optional<MoleculeProblem>& problem,
                               const std::optional<std::string>& error) {
        MoleculeOutcome outcome;
        if (error) {
            outcome.entry = std::move(entry);
            outcome.error = *error;
            return outcome;
        }
        outcome = CalculateMolecule(constants, std::move(entry), options.temperatures, style.stamp,
                                    options.thermo, problem);
        // The tables count from H(298.15 K).
        if (outcome.ok() && options.format == OutputFormat::kJanaf && outcome.referenceProblem)
            outcome.error = outcome.referenceProblem;
        if (outcome.ok() && (options.format == OutputFormat::kChemkin ||
                             options.format == OutputFormat::kCantera)) {
            auto species =
                FitForExport(constants, outcome, options.nasa7, options.thermo, options.format);
            if (species)
                outcome.nasa7 = std::move(*species);
            else
                outcome.error = species.error();
        }
        return outcome;
    };
    const auto warn = [&](const std::string& label, const std::vector<std::string>& warnings) {
        if (!warnings.empty()) writer->flush();
        for (const std::string& warning : warnings)
            io.err << kProgramName << ": " << label << ": warning: " << warning << '\n';
    };
    const auto emit = [&](const MoleculeOutcome& outcome) {
        if (!outcome.ok()) {
            anyRefused = true;
            // On a terminal the message then stands after the molecules before it.
            writer->flush();
            io.err << kProgramName << ": " << outcome.entry.label << ": " << *outcome.error << '\n';
        }
        writer->write(outcome);
    };

    // A molecule file's molecules are computed a batch at a time on every core, then written
    // in their order, so the output is the same as one by one.
    constexpr std::size_t kBatch = 256;
    const unsigned threads = AvailableThreads();

    writer->begin();
    for (const Input& input : inputs) {
        if (input.quantumChemistry) {
            QcMoleculeRead read = ReadQcMolecule(input.path, input.text, options.imaginary);
            writer->flush();
            warn(read.entry.label, read.warnings);
            emit(outcomeOf(std::move(read.entry), std::nullopt, read.error));
            continue;
        }
        const std::size_t total = input.molecules.size();
        for (std::size_t first = 0; first < total; first += kBatch) {
            std::vector<MoleculeOutcome> batch(std::min(kBatch, total - first));
            ParallelFor(batch.size(), threads, [&](std::size_t k) {
                MoleculeRead read = ReadMolecule(input.molecules[first + k], first + k + 1);
                batch[k] = outcomeOf(std::move(read.entry), read.problem, std::nullopt);
            });
            // The outcome keeps its entry: its label and the warnings of its file.
            for (const MoleculeOutcome& outcome : batch) {
                warn(outcome.entry.label, outcome.entry.warnings);
                emit(outcome);
            }
        }
    }
    writer->end();
    writer->flush();
    // A full disk or a closed pipe must not pass for a complete report.
    if (!io.out) {
        io.err << ProgramMessage("cannot write the output");
        return 2;
    }
    return anyRefused ? 1 : 0;
}

}  // namespace moltherm::cli
