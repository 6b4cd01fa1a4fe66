#include "cli/command_line.h"

#include <CLI/CLI.hpp>

namespace moltherm::cli {

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CLI::App app{
        "Statistical thermodynamics of molecules in the ideal-gas state: the partition function "
        "and the translational, rotational, vibrational and electronic contributions to S, Cp, "
        "U, H, A and G, for one mole at 1 bar.",
        kProgramName};
    app.set_version_flag("--version", std::string(kProgramName) + " " + MOLTHERM_VERSION);

    CliOptions options;
    app.add_option("MOLECULE", options.input,
                   "JSON file with one molecule or an array of molecules; - reads standard input")
        ->required();
    app.add_option("-T,--temperature", options.temperatures,
                   "Temperature in K; repeat for one results table per temperature, in order "
                   "(default 298.15)")
        ->allow_extra_args(false);
    std::string formatName = "text";
    app.add_option("--format", formatName,
                   "text: the report; json: one document with all values; csv: one row per "
                   "molecule and temperature")
        ->check(CLI::IsMember({"text", "json", "csv"}))
        ->capture_default_str();
    app.add_flag("--crlf", options.crlf, "End lines with CR LF instead of LF");
    std::string timestamp;
    const CLI::Option* timestampOption =
        app.add_option("--timestamp", timestamp,
                       "Text to show instead of the date and time in the report heading");

    app.footer(
        "A molecule is an object with the keys name, molar_mass (g/mol), atoms, shape (\"linear\" "
        "or \"nonlinear\"), symmetry_number (default 1), rotational_constants (1/cm: one for a "
        "linear molecule, three for a nonlinear one), vibrations (a list of {\"wavenumber\": "
        "1/cm, \"degeneracy\": default 1}) and electronic_levels (a list of {\"energy\": 1/cm, "
        "\"degeneracy\": default 1}, the ground level at 0 first; default one level). Numbers "
        "may be written as strings.\n\nExit status: 0 when every molecule was computed, 1 when "
        "any was refused (the others are still written), 2 for a usage error.");

    CommandLine result;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        result.out = app.help();
        return result;
    } catch (const CLI::CallForVersion& version) {
        result.out = std::string(version.what()) + "\n";
        return result;
    } catch (const CLI::ParseError& error) {
        result.exitCode = 2;
        result.err = std::string(kProgramName) + ": " + error.what() + " (see --help)\n";
        return result;
    }
    options.format = formatName == "json"  ? OutputFormat::kJson
                     : formatName == "csv" ? OutputFormat::kCsv
                                           : OutputFormat::kText;
    if (*timestampOption) options.timestamp = timestamp;
    if (options.temperatures.empty()) options.temperatures.emplace_back(kDefaultTemperature);
    result.options = std::move(options);
    return result;
}

}  // namespace moltherm::cli
