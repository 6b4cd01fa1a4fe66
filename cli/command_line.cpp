#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <array>
#include <map>

#include "calc/calc_input.h"
#include "calc/message_text.h"
#include "calc/molecule_description.h"
#include "calc/nasa7_export.h"
#include "calc/number_text.h"
#include "calc/option_text.h"
#include "engine/temperature_grid.h"

namespace moltherm::cli {
namespace {

// The option texts as typed, converted after parsing so that each message is the calculation's.
struct OptionTexts {
    std::string pressure, concentration, scale, zpeScale, qrrhoEntropy, qrrhoEnthalpy, raise;
    bool zpe = false;
};

// The options in force, or the one message that refuses them.
Expected<ThermoOptions, std::string> ThermoOptionsOf(const CLI::App& app, const OptionTexts& t) {
    ThermoOptions options;
    const auto given = [&app](const char* name) { return app.count(name) > 0; };
    if (given("--pressure")) {
        const auto state = ParsePressure(t.pressure);
        if (!state) return Unexpected{state.error()};
        options.standardState = *state;
    }
    if (given("--concentration")) {
        const auto state = ParseConcentration(t.concentration);
        if (!state) return Unexpected{state.error()};
        options.standardState = *state;
    }
    const std::pair<const char*, const std::string*> factors[] = {{"--scale", &t.scale},
                                                                  {"--zpe-scale", &t.zpeScale}};
    for (const auto& [name, text] : factors) {
        if (!given(name)) continue;
        const auto factor = ParseScaleFactor(name, *text);
        if (!factor) return Unexpected{factor.error()};
        if (text == &t.scale)
            options.frequencyScale = *factor;
        else
            options.zpeScale = *factor;
    }
    const std::pair<const char*, std::pair<const std::string*, std::optional<double>*>> cutoffs[] =
        {{"--qrrho-entropy", {&t.qrrhoEntropy, &options.qrrhoEntropyCutoff}},
         {"--qrrho-enthalpy", {&t.qrrhoEnthalpy, &options.qrrhoEnthalpyCutoff}},
         {"--raise-low-modes", {&t.raise, &options.raiseLowModesTo}}};
    for (const auto& [name, target] : cutoffs) {
        if (!given(name)) continue;
        const auto cutoff = ParseCutoff(name, *target.first);
        if (!cutoff) return Unexpected{cutoff.error()};
        *target.second = *cutoff;
    }
    options.zeroPointEnergy = t.zpe;
    return options;
}

// The parts of a text between its colons.
std::vector<std::string> ColonParts(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(text.substr(start, colon - start));
    parts.push_back(text.substr(start));
    return parts;
}

// Three numbers written A:B:C; `quoted` starts the message, `usage` shows the form.
Expected<std::array<double, 3>, std::string> ThreeNumbers(const std::vector<std::string>& parts,
                                                          const std::string& quoted,
                                                          const char* usage) {
    if (parts.size() != 3) return Unexpected{quoted + "use " + usage};
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = ParseNumber(parts[i]);
        if (!value) return Unexpected{quoted + "\"" + Shortened(parts[i]) + "\" is not a number"};
        values[i] = *value;
    }
    return values;
}

// --nasa7 TLOW:TMID:THIGH [K].
Expected<Nasa7Temperatures, std::string> Nasa7TemperaturesOf(const std::string& text) {
    const std::string quoted = "--nasa7 \"" + Shortened(text) + "\": ";
    const auto t = ThreeNumbers(ColonParts(text), quoted, "TLOW:TMID:THIGH");
    if (!t) return Unexpected{t.error()};
    const auto [low, mid, high] = *t;
    if (!(0 < low && low < mid && mid < high && high <= kMaxNasa7Temperature))
        return Unexpected{quoted + "expected 0 < TLOW < TMID < THIGH <= " +
                          WholeNumberText(static_cast<long long>(kMaxNasa7Temperature))};
    return Nasa7Temperatures{low, mid, high};
}

// A -T value: a single temperature as typed, or START:STOP:STEP as the exact text of each point.
Expected<std::vector<std::string>, std::string> ExpandTemperature(const std::string& text) {
    const std::vector<std::string> parts = ColonParts(text);
    if (parts.size() == 1) return std::vector<std::string>{text};
    const std::string quoted = "temperature range \"" + Shortened(text) + "\": ";
    const auto values = ThreeNumbers(parts, quoted, "START:STOP:STEP");
    if (!values) return Unexpected{values.error()};
    const auto grid = ExpandTemperatureGrid((*values)[0], (*values)[1], (*values)[2]);
    if (!grid) {
        switch (grid.error()) {
            case GridFault::kNotFinite:
                return Unexpected{quoted + "not a finite number"};
            case GridFault::kStep:
                return Unexpected{quoted + "the step must be greater than 0"};
            case GridFault::kEmpty:
                return Unexpected{quoted + "STOP lies below START"};
            case GridFault::kTooManyPoints:
                return Unexpected{quoted + "more than " + std::to_string(kMaxGridPoints) +
                                  " temperatures"};
        }
    }
    std::vector<std::string> texts;
    texts.reserve(grid->size());
    for (const double t : *grid) texts.push_back(ExactText(t));
    return texts;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CLI::App app{
        "Statistical thermodynamics of molecules in the ideal-gas state: the partition function "
        "and the translational, rotational, vibrational and electronic contributions to S, Cp, "
        "U, H, A and G, for one mole at 1 bar.",
        kProgramName};
    app.set_version_flag("--version", std::string(kProgramName) + " " + MOLTHERM_VERSION);

    CliOptions options;
    app.add_option("MOLECULE", options.inputs,
                   "JSON file with one molecule or an array of molecules, or the output of a "
                   "frequency job (Gaussian, ORCA, xtb, Psi4, Molden), told apart by content; - "
                   "reads standard input")
        ->required();
    const std::map<std::string, qcio::ImaginaryModes> policies{
        {"refuse", qcio::ImaginaryModes::Refuse},
        {"drop", qcio::ImaginaryModes::Drop},
        {"invert", qcio::ImaginaryModes::Invert}};
    app.add_option("--imaginary", options.imaginary,
                   "Imaginary modes of an output: refuse the molecule, drop them or invert them")
        ->transform(CLI::CheckedTransformer(policies).description(""))
        ->transform(CLI::IsMember({"refuse", "drop", "invert"}))
        ->type_name("TEXT")
        ->default_str("refuse");
    std::vector<std::string> temperatureArgs;
    app.add_option("-T,--temperature", temperatureArgs,
                   "Temperature in K, or a range START:STOP:STEP (STOP included when on the "
                   "grid); repeat for one results table per temperature, in order (default "
                   "298.15)")
        ->allow_extra_args(false)
        // -T=500 as --temperature=500; no temperature starts with "=".
        ->transform(
            [](const std::string& text) { return text.starts_with('=') ? text.substr(1) : text; });
    const std::map<std::string, OutputFormat> formats{
        {"text", OutputFormat::kText},      {"json", OutputFormat::kJson},
        {"csv", OutputFormat::kCsv},        {"molecule", OutputFormat::kMolecule},
        {"janaf", OutputFormat::kJanaf},    {"chemkin", OutputFormat::kChemkin},
        {"cantera", OutputFormat::kCantera}};
    app.add_option("--format", options.format,
                   "text: the report; json: one document with all values; csv: one row per "
                   "molecule and temperature; molecule: the molecules read, as one molecule "
                   "file; janaf: Cp, S, -[G-H(298.15)]/T and H-H(298.15) per temperature; "
                   "chemkin, cantera: NASA 7-coefficient polynomials fitted over --nasa7 (the "
                   "molecules need a formula)")
        ->transform(CLI::CheckedTransformer(formats).description(""))
        // Checked first, for a plain message that offers only the names.
        ->transform(
            CLI::IsMember({"text", "json", "csv", "molecule", "janaf", "chemkin", "cantera"}))
        ->type_name("TEXT")
        ->default_str("text");
    app.add_flag("--crlf", options.crlf, "End lines with CR LF instead of LF");
    OptionTexts texts;
    CLI::Option* pressure =
        app.add_option("--pressure", texts.pressure,
                       "Standard-state pressure with its unit: bar, atm, Pa, kPa, MPa or torr "
                       "(e.g. 1atm; default 1bar)");
    app.add_option("--concentration", texts.concentration,
                   "Standard-state concentration in mol/L (1M or 1) instead of a pressure")
        ->excludes(pressure);
    app.add_option("--scale", texts.scale, "Frequency scale factor F, 0 < F <= 2");
    app.add_flag("--zpe", texts.zpe, "Measure U, H, A and G from the bottom of the well");
    app.add_option("--zpe-scale", texts.zpeScale,
                   "Scale factor of the zero-point energy (default: the --scale factor)");
    app.add_option("--qrrho-entropy", texts.qrrhoEntropy,
                   "Grimme's quasi-RRHO entropy with this cutoff [1/cm]");
    app.add_option("--qrrho-enthalpy", texts.qrrhoEnthalpy,
                   "Head-Gordon's quasi-RRHO energy with this cutoff [1/cm]");
    app.add_option("--raise-low-modes", texts.raise,
                   "Raise every wavenumber below this one [1/cm] to it");
    std::string nasa7Text;
    const CLI::Option* nasa7Option = app.add_option(
        "--nasa7", nasa7Text,
        "TLOW:TMID:THIGH [K] of the NASA-7 polynomials of --format chemkin and cantera "
        "(default 200:1000:3000)");
    std::string timestamp;
    const CLI::Option* timestampOption =
        app.add_option("--timestamp", timestamp,
                       "Text to show instead of the date and time in the report heading");

    app.footer(
        "A molecule is an object with the keys name, molar_mass (g/mol), atoms, shape (\"linear\" "
        "or \"nonlinear\"), symmetry_number (default 1), rotational_constants (1/cm: one for a "
        "linear molecule, three for a nonlinear one), vibrations (a list of {\"wavenumber\": "
        "1/cm, \"degeneracy\": default 1}) and electronic_levels (a list of {\"energy\": 1/cm, "
        "\"degeneracy\": default 1}, the ground level at 0 first; default one level); optional "
        "formula, source, enthalpy_of_formation (kJ/mol at 298.15 K, for chemkin and cantera), "
        "frequency_scale_applied (a factor the wavenumbers already carry) and, for a transition "
        "state, imaginary_modes_dropped (the imaginary modes left out). With a geometry (a list "
        "of {\"element\", \"x\", \"y\", \"z\": Angstrom, \"mass\": u, default the most "
        "abundant isotope}), atoms, molar_mass, shape, symmetry_number, rotational_constants and "
        "formula may be left out and are derived; given ones are used, with a warning where they "
        "differ. Numbers may be written as strings.\n\n"
        "In the json and csv output the temperature is in K, q is per molecule (the report's "
        "q/N), U, H, A and G are in J/mol, S and Cp in J/(K mol), H_minus_H298 (H - H(298.15 K)) "
        "in J/mol and gibbs_energy_function (-[G - H(298.15 K)]/T) in J/(K mol). A json molecule "
        "carries an options object with the options that differ from the defaults (pressure in "
        "Pa, concentration in mol/L); the csv rows do not name them.\n\n"
        "Exit status: 0 when every molecule was computed, 1 when any was refused (the others are "
        "still written), 2 for a usage error: a bad option or temperature, an input that cannot "
        "be read or is not JSON.");

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
    const auto usageError = [&result](const std::string& message) {
        result.exitCode = 2;
        result.err = std::string(kProgramName) + ": " + message + "\n";
        return result;
    };
    const auto thermo = ThermoOptionsOf(app, texts);
    if (!thermo) return usageError(thermo.error());
    options.thermo = *thermo;
    for (const std::string& arg : temperatureArgs) {
        const auto expanded = ExpandTemperature(arg);
        if (!expanded) return usageError(expanded.error());
        options.temperatures.insert(options.temperatures.end(), expanded->begin(), expanded->end());
    }
    if (options.temperatures.empty()) options.temperatures.emplace_back(kDefaultTemperature);
    for (const std::string& temperature : options.temperatures) {
        if (auto problem = TemperatureProblem(temperature)) {
            result.exitCode = 2;
            result.err = std::string(kProgramName) + ": temperature \"" + Shortened(temperature) +
                         "\": " + *problem + "\n";
            return result;
        }
    }
    const bool polynomials =
        options.format == OutputFormat::kChemkin || options.format == OutputFormat::kCantera;
    if (polynomials && !options.thermo.standardState.isOneBar())
        return usageError(std::string("--format ") +
                          (options.format == OutputFormat::kChemkin ? "chemkin: " : "cantera: ") +
                          kNasa7NotOneBar);
    if (*nasa7Option) {
        if (!polynomials)
            return usageError("--nasa7 goes with --format chemkin or --format cantera");
        const auto nasa7 = Nasa7TemperaturesOf(nasa7Text);
        if (!nasa7) return usageError(nasa7.error());
        options.nasa7 = *nasa7;
    }
    if (*timestampOption) options.timestamp = timestamp;
    result.options = std::move(options);
    return result;
}

}  // namespace moltherm::cli
