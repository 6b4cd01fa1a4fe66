#include "cli/run.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "calc/molecule_reader.h"
#include "cli/command_line.h"
#include "cli/local_clock.h"
#include "cli/molecule_calc.h"
#include "cli/nasa7_writer.h"
#include "cli/outcome_writer.h"
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
    const auto compute = [&](MoleculeEntry entry, const std::optional<MoleculeProblem>& problem,
                             const std::optional<std::string>& error) {
        const std::string label = entry.label;
        MoleculeOutcome outcome;
        if (error) {
            outcome.entry = std::move(entry);
            outcome.error = *error;
        } else {
            outcome = CalculateMolecule(constants, std::move(entry), options.temperatures,
                                        style.stamp, options.thermo, problem);
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
        }
        if (!outcome.ok()) {
            anyRefused = true;
            // On a terminal the message then stands after the molecules before it.
            writer->flush();
            io.err << kProgramName << ": " << label << ": " << *outcome.error << '\n';
        }
        writer->write(outcome);
    };

    writer->begin();
    for (const Input& input : inputs) {
        if (input.quantumChemistry) {
            QcMoleculeRead read = ReadQcMolecule(input.path, input.text, options.imaginary);
            writer->flush();
            for (const std::string& warning : read.warnings)
                io.err << kProgramName << ": " << read.entry.label << ": warning: " << warning
                       << '\n';
            compute(std::move(read.entry), std::nullopt, read.error);
            continue;
        }
        for (std::size_t i = 0; i < input.molecules.size(); ++i) {
            MoleculeRead read = ReadMolecule(input.molecules[i], i + 1);
            if (!read.entry.warnings.empty()) writer->flush();
            for (const std::string& warning : read.entry.warnings)
                io.err << kProgramName << ": " << read.entry.label << ": warning: " << warning
                       << '\n';
            compute(std::move(read.entry), read.problem, std::nullopt);
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
