// The one-line message for each kind of broken molecule, and the order of the window's checks.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/cli_test_support.h"

namespace moltherm::cli::testing {
namespace {

struct BrokenMolecule {
    const char* what;
    std::string json;
    std::string message;  // standard error without the program name
};

void PrintTo(const BrokenMolecule& c, std::ostream* os) {
    *os << c.what;
}

class BrokenMoleculeMessage : public ::testing::TestWithParam<BrokenMolecule> {};

TEST_P(BrokenMoleculeMessage, IsOneLineNamingMoleculeAndField) {
    const RunResult run = RunInProcess({"-", "--timestamp", "X"}, GetParam().json);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "moltherm-cli: " + GetParam().message + "\n");
}

// A diatomic that computes, with one key replaced or added.
std::string Hcl(const std::string& replaced = "", const std::string& added = "") {
    std::string fields[][2] = {{"name", R"("HCl")"},
                               {"molar_mass", "36.461"},
                               {"atoms", "2"},
                               {"shape", R"("linear")"},
                               {"rotational_constants", "[10.59]"},
                               {"vibrations", R"([{"wavenumber": 2990.95}])"}};
    std::string json = "{";
    for (auto& [key, value] : fields) {
        if (replaced.rfind("\"" + key + "\"", 0) == 0) {
            json += replaced + ", ";
            continue;
        }
        if (replaced == "-" + key) continue;
        json += "\"" + key + "\": " + value + ", ";
    }
    json += added.empty() ? "\"symmetry_number\": 1" : added;
    return json + "}";
}

std::string Levels(int count) {
    std::string list = "[{\"energy\": 0}";
    for (int i = 1; i < count; ++i) list += ", {\"energy\": " + std::to_string(i) + "}";
    return list + "]";
}

std::string Rows(int count) {
    std::string list = "[";
    for (int i = 0; i < count; ++i) list += std::string(i ? ", " : "") + "{\"wavenumber\": 100}";
    return list + "]";
}

INSTANTIATE_TEST_SUITE_P(
    Structure, BrokenMoleculeMessage,
    ::testing::Values(
        BrokenMolecule{"not an object", R"(["Ar"])",
                       "molecule 1: expected a molecule (an object), got a string"},
        BrokenMolecule{"a bare number", "7",
                       "molecule 1: expected a molecule (an object), got a number"},
        BrokenMolecule{"unknown key", Hcl("", R"("symetry_number": 1)"),
                       R"(HCl: unknown key "symetry_number")"},
        BrokenMolecule{"duplicate key", Hcl("", R"("atoms": 2)"), R"(HCl: duplicate key "atoms")"},
        BrokenMolecule{"long odd key cut short",
                       Hcl("", "\"\\u0001" + std::string(60, 'k') + "\": 1"),
                       "HCl: unknown key \"\\u0001" + std::string(39, 'k') + "...\""},
        BrokenMolecule{"unknown key in a row",
                       Hcl(R"("vibrations": [{"wavenumber": 2990.95, "degen": 1}])"),
                       R"(HCl: vibration 1: unknown key "degen")"},
        BrokenMolecule{"unknown key in a level", Hcl("", R"("electronic_levels": [{"e": 0}])"),
                       R"(HCl: electronic level 0: unknown key "e")"},
        BrokenMolecule{"name not a string", Hcl(R"("name": 36)"),
                       "molecule 1: name: expected a string, got a number"},
        BrokenMolecule{"name with a line break", Hcl(R"("name": "H\nCl")"),
                       "molecule 1: name: must not contain control characters"},
        BrokenMolecule{"name with NUL", Hcl(R"("name": "HCl\u0000")"),
                       "molecule 1: name: must not contain control characters"},
        BrokenMolecule{"molar mass an array", Hcl(R"("molar_mass": [36.461])"),
                       "HCl: molar_mass: expected a number, got an array"},
        BrokenMolecule{"atoms a boolean", Hcl(R"("atoms": true)"),
                       "HCl: atoms: expected a number, got a boolean"},
        BrokenMolecule{"shape a number", Hcl(R"("shape": 1)"),
                       "HCl: shape: expected a string, got a number"},
        BrokenMolecule{"vibrations an object", Hcl(R"("vibrations": {"wavenumber": 2990.95})"),
                       "HCl: vibrations: expected an array, got an object"},
        BrokenMolecule{"row a number", Hcl(R"("vibrations": [2990.95])"),
                       "HCl: vibration 1: expected an object, got a number"},
        BrokenMolecule{"wavenumber null", Hcl(R"("vibrations": [{"wavenumber": null}])"),
                       "HCl: vibration 1: wavenumber: expected a number, got null"},
        BrokenMolecule{"rotational constant nested", Hcl(R"("rotational_constants": [[10.59]])"),
                       "HCl: rotational constant 1: expected a number, got an array"},
        BrokenMolecule{"levels a string", Hcl("", R"("electronic_levels": "0")"),
                       "HCl: electronic_levels: expected an array, got a string"},
        BrokenMolecule{"deep nesting",
                       Hcl("\"vibrations\": [{\"wavenumber\": " + std::string(100000, '[') +
                           std::string(100000, ']') + "}]"),
                       "HCl: vibration 1: wavenumber: expected a number, got an array"}),
    [](const auto& info) { return std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    Counts, BrokenMoleculeMessage,
    ::testing::Values(
        BrokenMolecule{"atoms missing", Hcl("-atoms"), "HCl: atoms: required"},
        BrokenMolecule{"no atoms", Hcl(R"("atoms": 0)"),
                       "HCl: atoms: expected a whole number from 1 to 10924"},
        BrokenMolecule{"too many atoms", Hcl(R"("atoms": 10925)"),
                       "HCl: atoms: expected a whole number from 1 to 10924"},
        BrokenMolecule{"half an atom", Hcl(R"("atoms": "2.5")"),
                       "HCl: atoms: expected a whole number from 1 to 10924"},
        BrokenMolecule{"atoms not a number", Hcl(R"("atoms": "two")"),
                       "HCl: atoms: expected a whole number from 1 to 10924"},
        BrokenMolecule{"symmetry zero", Hcl("", R"("symmetry_number": 0)"),
                       "HCl: symmetry_number: expected a whole number from 1 to 32767"},
        BrokenMolecule{"symmetry too large", Hcl("", R"("symmetry_number": 32768)"),
                       "HCl: symmetry_number: expected a whole number from 1 to 32767"},
        BrokenMolecule{"symmetry fraction", Hcl("", R"("symmetry_number": 1.5)"),
                       "HCl: symmetry_number: expected a whole number from 1 to 32767"},
        BrokenMolecule{"shape unknown", Hcl(R"("shape": "bent")"),
                       R"(HCl: shape: expected "linear" or "nonlinear")"},
        BrokenMolecule{"nonlinear diatomic", Hcl(R"("shape": "nonlinear")"),
                       "HCl: shape: an atom or a diatomic molecule is linear"},
        BrokenMolecule{"shape missing for three atoms",
                       R"({"name": "H2O", "atoms": 3, "molar_mass": 18})",
                       "H2O: shape: required for 3 or more atoms"},
        BrokenMolecule{"two constants for linear", Hcl(R"("rotational_constants": [1, 2])"),
                       "HCl: rotational_constants: expected 1 value for a linear molecule, got 2"},
        BrokenMolecule{"constants missing", Hcl("-rotational_constants"),
                       "HCl: rotational_constants: expected 1 value for a linear molecule, got 0"},
        BrokenMolecule{"one constant for nonlinear",
                       R"({"name": "H2O", "atoms": 3, "shape": "nonlinear",
                           "rotational_constants": [27.877]})",
                       "H2O: rotational_constants: expected 3 values for a nonlinear molecule, "
                       "got 1"},
        BrokenMolecule{"vibrations for an atom",
                       R"({"name": "Ar", "atoms": 1, "vibrations": [{"wavenumber": 1}]})",
                       "Ar: vibrations: an atom has no vibrations"},
        BrokenMolecule{"degeneracies short, nonlinear",
                       R"({"atoms": 3, "shape": "nonlinear", "rotational_constants": [1, 2, 3],
                           "vibrations": [{"wavenumber": 1595}, {"wavenumber": 3657}]})",
                       "molecule 1: vibrations: degeneracies add up to 2, expected 3 (3N-6 for 3 "
                       "atoms)"},
        BrokenMolecule{"degeneracies over, linear",
                       Hcl(R"("vibrations": [{"wavenumber": 2990.95, "degeneracy": 2}])"),
                       "HCl: vibrations: degeneracies add up to 2, expected 1 (3N-5 for 2 atoms)"},
        BrokenMolecule{"vibrations missing", Hcl("-vibrations"),
                       "HCl: vibrations: degeneracies add up to 0, expected 1 (3N-5 for 2 atoms)"},
        BrokenMolecule{"degeneracies beyond 16 bits",
                       R"({"name": "CO2", "atoms": 3, "shape": "linear",
                           "rotational_constants": [0.39],
                           "vibrations": [{"wavenumber": 667, "degeneracy": 32767},
                                          {"wavenumber": 1388, "degeneracy": 32767}]})",
                       "CO2: vibrations: degeneracies add up to 65534, expected 4 (3N-5 for 3 "
                       "atoms)"},
        BrokenMolecule{"fractional degeneracy",
                       Hcl(R"("vibrations": [{"wavenumber": 2990.95, "degeneracy": 0.5}])"),
                       "HCl: vibration 1: degeneracy: expected a whole number from 1 to 32767"},
        BrokenMolecule{"zero degeneracy", Hcl("", R"("electronic_levels": [{"degeneracy": 0}])"),
                       "HCl: electronic level 0: degeneracy: expected a whole number from 1 to "
                       "32767"},
        BrokenMolecule{"degeneracy text", Hcl("", R"("electronic_levels": [{"degeneracy": "x"}])"),
                       "HCl: electronic level 0: degeneracy: expected a whole number from 1 to "
                       "32767"},
        BrokenMolecule{"ground level off 0",
                       Hcl("", R"("electronic_levels": [{"energy": 5}, {"energy": 10}])"),
                       "HCl: electronic level 0: energy: the ground level must be at 0"},
        BrokenMolecule{"no levels", Hcl("", R"("electronic_levels": [])"),
                       "HCl: electronic_levels: expected at least the ground level"},
        BrokenMolecule{"too many levels", Hcl("", "\"electronic_levels\": " + Levels(32768)),
                       "HCl: electronic_levels: more than 32767 levels"},
        BrokenMolecule{"too many rows",
                       R"({"name": "big", "atoms": 10924, "shape": "linear",
                           "rotational_constants": [0.01], "vibrations": )" +
                           Rows(32768) + "}",
                       "big: vibrations: more than 32767 rows"}),
    [](const auto& info) { return std::to_string(info.index); });

// What the window itself refuses: its own messages, in its own order.
INSTANTIATE_TEST_SUITE_P(
    WindowChecks, BrokenMoleculeMessage,
    ::testing::Values(
        BrokenMolecule{"unnamed", Hcl("-name"), "molecule 1: Molecule must be named"},
        BrokenMolecule{"name checked before molar mass",
                       R"({"name": "", "atoms": 1, "molar_mass": "abc"})",
                       "molecule 1: Molecule must be named"},
        BrokenMolecule{"molar mass missing", Hcl("-molar_mass"), "HCl: No molar mass entered"},
        BrokenMolecule{"molar mass text", Hcl(R"("molar_mass": "abc")"), "HCl: Invalid molar mass"},
        BrokenMolecule{"molar mass beyond a double", Hcl(R"("molar_mass": 1e400)"),
                       "HCl: Invalid molar mass"},
        BrokenMolecule{"molar mass too small for a double", Hcl(R"("molar_mass": 1e-400)"),
                       "HCl: Invalid molar mass"},
        BrokenMolecule{"negative energy", Hcl("", R"("electronic_levels": [{}, {"energy": -1}])"),
                       "HCl: Invalid electronic energy"},
        BrokenMolecule{"ground energy text",
                       Hcl("", R"("electronic_levels": [{"energy": "zero"}])"),
                       "HCl: Invalid electronic energy"},
        BrokenMolecule{
            "energy before rotational constant",
            Hcl(R"("rotational_constants": [-1])", R"("electronic_levels": [{}, {"energy": -5}])"),
            "HCl: Invalid electronic energy"},
        BrokenMolecule{"negative constant", Hcl(R"("rotational_constants": [-10.59])"),
                       "HCl: Invalid rotational constant"},
        BrokenMolecule{"rotational constant before wavenumber",
                       R"({"name": "HCl", "molar_mass": 36.461, "atoms": 2,
                           "rotational_constants": ["x"], "vibrations": [{"wavenumber": -1}]})",
                       "HCl: Invalid rotational constant"},
        BrokenMolecule{"wavenumber missing", Hcl(R"("vibrations": [{}])"),
                       "HCl: Invalid vibrational frequency"},
        BrokenMolecule{"huge wavenumber", Hcl(R"("vibrations": [{"wavenumber": -1e999}])"),
                       "HCl: Invalid vibrational frequency"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(MoleculeMessages, UnnamedMoleculesAreNamedByTheirPosition) {
    const RunResult run = RunInProcess({"-"}, R"([
        {"name": "Ar", "atoms": 1, "molar_mass": 39.948},
        {"atoms": 1, "molar_mass": 4},
        {"name": "", "atoms": 1, "molar_mass": 4},
        {"name": "He", "atoms": 1, "molar_mass": 0.5}])");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "moltherm-cli: molecule 2: Molecule must be named\n"
              "moltherm-cli: molecule 3: Molecule must be named\n"
              "moltherm-cli: He: Invalid molar mass\n");
}

TEST(MoleculeMessages, NumbersGivenAsTextsComputeAsNumbersDo) {
    const RunResult numbers = RunInProcess({"-", "--format", "json"},
                                           R"({"name": "HCl", "molar_mass": 36.461, "atoms": 2,
        "rotational_constants": [10.59], "vibrations": [{"wavenumber": 2990.95}]})");
    const RunResult texts = RunInProcess({"-", "--format", "json"},
                                         R"({"name": "HCl", "molar_mass": " 36.461", "atoms": "2",
        "rotational_constants": ["10.59"], "vibrations": [{"wavenumber": "2990.95 "}]})");
    EXPECT_EQ(numbers.exitCode, 0);
    EXPECT_EQ(texts.exitCode, 0);
    EXPECT_EQ(numbers.out, texts.out);
}

TEST(MoleculeMessages, AtomIgnoresRotationalConstantsAndTakesNegativeZeroEnergy) {
    const RunResult run =
        RunInProcess({"-"}, R"({"name": "Ar", "atoms": 1, "molar_mass": 39.948, "vibrations": [],
                   "rotational_constants": "anything", "electronic_levels": [{"energy": -0.0}]})");
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

}  // namespace
}  // namespace moltherm::cli::testing
