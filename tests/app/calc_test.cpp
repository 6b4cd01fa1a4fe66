#include <gtest/gtest.h>

#include <functional>

#include "engine/calc_input.h"
#include "engine/coefficients.h"
#include "engine/thermo.h"
#include "form_fixture.h"
#include "report/results_table.h"
#include "report/summary.h"

namespace moltherm::app::testing {
namespace {

const std::string kCl2Tables =
    "298.15K        translational rotational vibrational  electronic     total\r\n"
    "  q            : 1.4320E+31   424.643    1.07186500     1.000    6.5180E+33\r\n"
    "  q/N          : 2.3779E+07                                      1.0823E+10\r\n"
    "  S/(J/(K mol)):  162.003      58.628       2.192       0.000     222.822\r\n"
    " Cp/(J/(K mol)):   20.786       8.315       4.677       0.000      33.778\r\n"
    "  U/(kJ/mol)   :    3.718       2.479       0.481       0.000       6.679\r\n"
    "  H/(kJ/mol)   :    6.197       2.479       0.481       0.000       9.158\r\n"
    "  A/(kJ/mol)   :  -44.583     -15.001      -0.172       0.000     -59.756\r\n"
    "  G/(kJ/mol)   :  -42.104     -15.001      -0.172       0.000     -57.277\r\n"
    "\r\n"
    "1000.00K       translational rotational vibrational  electronic     total\r\n"
    "  q            : 2.9503E+32  1424.260    1.80756780     1.000    7.5954E+35\r\n"
    "  q/N          : 4.8991E+08                                      1.2612E+12\r\n"
    "  S/(J/(K mol)):  187.157      68.690      10.332       0.000     266.179\r\n"
    " Cp/(J/(K mol)):   20.786       8.315       7.879       0.000      36.980\r\n"
    "  U/(kJ/mol)   :   12.472       8.315       5.410       0.000      26.196\r\n"
    "  H/(kJ/mol)   :   20.786       8.315       5.410       0.000      34.511\r\n"
    "  A/(kJ/mol)   : -174.686     -60.375      -4.922       0.000    -239.983\r\n"
    "  G/(kJ/mol)   : -166.371     -60.375      -4.922       0.000    -231.668\r\n"
    "\r\n";

const std::string kHClSummary =
    "Moltherm Calculation   12/5/2026  3:04:05 AM\r\n"
    "Gas phase linear molecule HCl.\r\n"
    "All data for 1 mole at 1 bar.\r\n"
    "Molar Mass = 36.461 g/mol.\r\n"
    "Symmetry Number = 1.\r\n"
    "Rotational Constant = 10.590000/cm.\r\n"
    "\r\n"
    "Vibrational data\r\n"
    " # Energy*cm (degen)\r\n"
    " 1.  2990.95   (1)\r\n"
    "\r\n"
    "Electronic Data\r\n"
    "Level  Energy*cm (degen)\r\n"
    "  0.        0.00   (1)\r\n"
    "\r\n";

void EnterHCl(Session& s) {
    s.type("txtName", "HCl");
    EXPECT_EQ(s.form.keyPress(ControlId{"txtName"}, 13), 0);
    ASSERT_EQ(s.focusName(), "txtMolarMass");
    s.type("txtMolarMass", "36.461");
    s.up("spnN");
    s.type("txtRotationalConst", "10.59", 1);
    s.type("txtFreq", "2990.95", 1);
}

void EnterCl2(Session& s) {
    s.type("txtName", "Cl2");
    s.type("txtMolarMass", "70.906");
    s.up("spnN");
    s.up("spnSigma");
    s.type("txtRotationalConst", "0.244", 1);
    s.type("txtFreq", "560", 1);
}

void EnterAtom(Session& s) {
    s.type("txtName", "Ar");
    s.type("txtMolarMass", "39.948");
}

void ExpectInputModeWithError(const Session& s, const std::string& message) {
    EXPECT_EQ(s.text("cmdCalc"), "Calc");
    EXPECT_FALSE(s.c("txtAns").visible);
    EXPECT_FALSE(s.c("cmdNewData").visible);
    EXPECT_FALSE(s.c("cmdPrint").visible);
    for (const char* frame : {"frmMolType", "frmRotational", "frmVibrational", "frmElectronic"})
        EXPECT_TRUE(s.c(frame).visible) << frame;
    EXPECT_TRUE(s.c("txtError").visible);
    EXPECT_EQ(s.text("txtError"), message);
    EXPECT_EQ(s.focusName(), "txtError");
}

class CalcTest : public FormTest {};

TEST_F(CalcTest, TheRoadOfOneRequestEndsInTheAnswerBox) {
    EnterHCl(*this);
    press("cmdCalc");
    ASSERT_TRUE(resultsMode());
    EXPECT_EQ(form.summaryText(), kHClSummary);
    const std::string table =
        "298.15K        translational rotational vibrational  electronic     total\r\n"
        "  q            : 5.2804E+30    19.568    1.00000054     1.000    1.0333E+32\r\n"
        "  q/N          : 8.7684E+06                                      1.7158E+08\r\n"
        "  S/(J/(K mol)):  153.708      33.041       0.000       0.000     186.749\r\n"
        " Cp/(J/(K mol)):   20.786       8.315       0.001       0.000      29.102\r\n"
        "  U/(kJ/mol)   :    3.718       2.479       0.000       0.000       6.197\r\n"
        "  H/(kJ/mol)   :    6.197       2.479       0.000       0.000       8.676\r\n"
        "  A/(kJ/mol)   :  -42.109      -7.372       0.000       0.000     -49.482\r\n"
        "  G/(kJ/mol)   :  -39.630      -7.372       0.000       0.000     -47.003\r\n"
        "\r\n";
    EXPECT_EQ(text("txtAns"), form.summaryText() + table);
    EXPECT_EQ(form.tableText(), table);
}

TEST_F(CalcTest, NewTAppendsATableForTheNewTemperature) {
    EnterCl2(*this);
    press("cmdCalc");
    const std::string summary = form.summaryText();
    clock.time = "4:00:00 AM";
    type("txtTemp", "1000");
    press("cmdCalc");
    EXPECT_EQ(form.tableText(), kCl2Tables);
    EXPECT_EQ(form.summaryText(), summary);
    EXPECT_EQ(text("txtAns"), summary + kCl2Tables);
    EXPECT_EQ(form.record().temperature, 1000);
    EXPECT_EQ(form.i(), 1);  // the level loop ran over level 0
}

TEST_F(CalcTest, TwoMoreTemperaturesLeaveThreeTablesUnderOneSummary) {
    EnterCl2(*this);
    press("cmdCalc");
    type("txtTemp", "300");
    press("cmdCalc");
    type("txtTemp", "400");
    press("cmdCalc");
    const std::string& tables = form.tableText();
    EXPECT_EQ(tables.find("298.15K"), 0u);
    EXPECT_NE(tables.find("\r\n\r\n300.00K"), std::string::npos);
    EXPECT_NE(tables.find("\r\n\r\n400.00K"), std::string::npos);
    int headings = 0;
    for (auto at = tables.find("translational"); at != std::string::npos;
         at = tables.find("translational", at + 1))
        ++headings;
    EXPECT_EQ(headings, 3);
    EXPECT_EQ(text("txtAns"), form.summaryText() + tables);
}

TEST_F(CalcTest, ABadTemperatureOnNewTKeepsTheTablesAndTheResultsMode) {
    EnterCl2(*this);
    press("cmdCalc");
    const std::string shown = text("txtAns");
    type("txtTemp", "");
    press("cmdCalc");
    EXPECT_EQ(text("txtError"), "Invalid Temperature");  // no "No temperature entered" here
    EXPECT_EQ(text("txtAns"), shown);
    EXPECT_EQ(form.record().temperature, 298.15);  // a text that is no number changes nothing
    EXPECT_TRUE(resultsMode());

    type("txtTemp", "-5");
    press("cmdCalc");
    EXPECT_EQ(text("txtError"), "Negative temperature");
    EXPECT_EQ(form.record().temperature, -5);
    EXPECT_EQ(text("txtAns"), shown);

    type("txtTemp", "0");
    press("cmdCalc");
    EXPECT_EQ(text("txtError"), "Invalid Temperature");
    EXPECT_EQ(form.tableText(), kCl2Tables.substr(0, kCl2Tables.find("1000.00K")));
    EXPECT_TRUE(resultsMode());
}

TEST_F(CalcTest, ResultsModeHidesTheDataAndSizesTheAnswerBox) {
    EnterCl2(*this);
    observer.clear();
    press("cmdCalc");
    const std::vector<std::string> expected{"focus cmdCalc",
                                            "Text cmdCalc",
                                            "Visible frmRotational",
                                            "Visible frmVibrational",
                                            "Visible frmElectronic",
                                            "Visible frmMolType",
                                            "Top txtAns",
                                            "Height txtAns",
                                            "Visible txtAns",
                                            "Visible cmdNewData",
                                            "Visible cmdPrint",
                                            "Text txtAns"};
    EXPECT_EQ(observer.events, expected);
    const Control& answer = c("txtAns");
    EXPECT_EQ(answer.left, 120);
    EXPECT_EQ(answer.top, 800);
    EXPECT_EQ(answer.width, 8355);
    EXPECT_EQ(answer.height, 5395);
    EXPECT_FALSE(form.typeText(ControlId{"txtName"}, "other"));
    EXPECT_FALSE(form.spinUp(ControlId{"spnN"}));
    EXPECT_TRUE(form.takesInput(ControlId{"txtTemp"}));
}

TEST_F(CalcTest, TheBoxTakesTheWidthOfTheMomentAndTheHeightOfTheStart) {
    form.userResized(10120, 8405, 10000, 8000);
    EnterAtom(*this);
    press("cmdCalc");
    EXPECT_EQ(c("txtAns").width, 10000 - 240);
    EXPECT_EQ(c("txtAns").height, 6315 - 920);
    form.userResized(10120, 8405, 10000, 8000);
    EXPECT_EQ(c("txtAns").height, 8000 - 920);
}

TEST_F(CalcTest, NewDataReturnsToTheInputAsItWas) {
    EnterCl2(*this);
    press("cmdCalc");
    observer.clear();
    press("cmdNewData");
    EXPECT_EQ(text("cmdCalc"), "Calc");
    EXPECT_FALSE(c("txtAns").visible);
    EXPECT_FALSE(c("cmdNewData").visible);
    EXPECT_FALSE(c("cmdPrint").visible);
    EXPECT_EQ(observer.matching("Visible"),
              (std::vector<std::string>{"Visible txtAns", "Visible cmdNewData", "Visible cmdPrint",
                                        "Visible frmRotational", "Visible frmVibrational",
                                        "Visible frmElectronic", "Visible frmMolType"}));
    EXPECT_EQ(text("txtName"), "Cl2");
    EXPECT_EQ(text("txtSigma"), "2");
    EXPECT_EQ(text("txtRotationalConst", 1), "0.244");
    EXPECT_EQ(text("txtFreq", 1), "560");
    EXPECT_TRUE(c("frmRotational").enabled);
    EXPECT_EQ(c("txtAns").top, 800);
    EXPECT_FALSE(form.tableText().empty());
    EXPECT_EQ(focusName(), "txtTemp");  // the hidden button passed the focus on
}

TEST_F(CalcTest, ASecondCalcDropsTheOldTablesAndDatesTheSummaryAfresh) {
    EnterCl2(*this);
    press("cmdCalc");
    type("txtTemp", "1000");
    press("cmdCalc");
    press("cmdNewData");
    clock.date = "13/5/2026";
    press("cmdCalc");
    EXPECT_EQ(form.summaryText().substr(0, 35), "Moltherm Calculation   13/5/2026  3");
    EXPECT_EQ(form.tableText(), kCl2Tables.substr(kCl2Tables.find("1000.00K")));
    EXPECT_EQ(text("txtAns"), form.summaryText() + form.tableText());
}

struct FailureCase {
    const char* what;
    std::function<void(Session&)> setUp;
    const char* message;
};

TEST(CalcFailureTest, EveryCheckReportsItsMessageAndTheWindowStaysInInputMode) {
    const FailureCase cases[] = {
        {"name and temperature empty", [](Session& s) { s.type("txtTemp", ""); },
         "Molecule must be named"},
        {"temperature empty", [](Session& s) { EnterAtom(s), s.type("txtTemp", ""); },
         "No temperature entered"},
        {"temperature of letters", [](Session& s) { EnterAtom(s), s.type("txtTemp", "warm"); },
         "Invalid Temperature"},
        {"temperature below zero", [](Session& s) { EnterAtom(s), s.type("txtTemp", "-0.5"); },
         "Negative temperature"},
        {"temperature zero", [](Session& s) { EnterAtom(s), s.type("txtTemp", "0"); },
         "Invalid Temperature"},
        {"molar mass empty", [](Session& s) { EnterAtom(s), s.type("txtMolarMass", ""); },
         "No molar mass entered"},
        {"molar mass of letters", [](Session& s) { EnterAtom(s), s.type("txtMolarMass", "x"); },
         "Invalid molar mass"},
        {"molar mass below 1", [](Session& s) { EnterAtom(s), s.type("txtMolarMass", "0.999"); },
         "Invalid molar mass"},
        {"energy empty, atom",
         [](Session& s) { EnterAtom(s), s.press("cmdAddState"), s.type("txtEnergy", "", 1); },
         "Invalid electronic energy"},
        {"negative energy before a negative constant",
         [](Session& s) {
             EnterHCl(s), s.press("cmdAddState"), s.type("txtEnergy", "-5", 1);
             s.type("txtRotationalConst", "-1", 1);
         },
         "Invalid electronic energy"},
        {"constant empty", [](Session& s) { EnterHCl(s), s.type("txtRotationalConst", "", 1); },
         "Invalid rotational constant"},
        {"constant negative",
         [](Session& s) { EnterHCl(s), s.type("txtRotationalConst", "-1", 1); },
         "Invalid rotational constant"},
        {"constant zero", [](Session& s) { EnterHCl(s), s.type("txtRotationalConst", "0", 1); },
         "Invalid rotational constant"},
        {"third constant of letters",
         [](Session& s) {
             EnterHCl(s), s.up("spnN"), s.choose("optNonlinear");
             s.type("txtRotationalConst", "x", 3);
         },
         "Invalid rotational constant"},
        {"wavenumber empty", [](Session& s) { EnterHCl(s), s.type("txtFreq", "", 1); },
         "Invalid vibrational frequency"},
        {"wavenumber negative", [](Session& s) { EnterHCl(s), s.type("txtFreq", "-3", 1); },
         "Invalid vibrational frequency"},
        {"wavenumber zero", [](Session& s) { EnterHCl(s), s.type("txtFreq", "0", 1); },
         "Invalid vibrational frequency"},
        // Boxes that only the program writes, damaged: a clear message, never a crash.
        {"atom count damaged",
         [](Session& s) { EnterAtom(s), s.form.setText(ControlId{"txtN"}, "many"); },
         "Invalid number of atoms"},
        {"symmetry number damaged",
         [](Session& s) { EnterHCl(s), s.form.setText(ControlId{"txtSigma"}, "?"); },
         "Invalid symmetry number"},
        {"vibrational degeneracy damaged",
         [](Session& s) {
             EnterHCl(s), s.form.setText(ControlId{"txtDegen", 1}, "");
         },
         "Invalid degeneracy"},
        {"electronic degeneracy damaged",
         [](Session& s) {
             EnterAtom(s), s.form.setText(ControlId{"txtEnergyDegen", 0}, "one");
         },
         "Invalid degeneracy"},
    };
    for (const FailureCase& failure : cases) {
        SCOPED_TRACE(failure.what);
        Session s;
        failure.setUp(s);
        s.press("cmdCalc");
        ExpectInputModeWithError(s, failure.message);
    }
}

TEST_F(CalcTest, AFailedCheckKeepsWhatWasStoredBeforeIt) {
    EnterAtom(*this);
    type("txtTemp", "500");
    type("txtMolarMass", "0.5");
    press("cmdCalc");
    EXPECT_EQ(form.record().temperature, 500);
    EXPECT_EQ(form.record().molarMass, 0.5);
    EXPECT_TRUE(form.summaryText().empty());
}

TEST_F(CalcTest, AnAtomNeedsNoRotationalOrVibrationalInput) {
    EnterAtom(*this);
    press("cmdCalc");
    ASSERT_TRUE(resultsMode());
    EXPECT_EQ(form.record().vibFreq.size(), 2u);  // not re-dimensioned for an atom
    EXPECT_NE(form.tableText().find(
                  "  q            : 6.0558E+30     1.000    1.00000000     1.000    6.0558E+30\r\n"
                  "  q/N          : 1.0056E+07"),
              std::string::npos);
    EXPECT_NE(form.tableText().find(
                  "  G/(kJ/mol)   :  -39.970       0.000       0.000       0.000     -39.970\r\n"),
              std::string::npos);
    EXPECT_NE(form.summaryText().find("Gas phase Ar atom.\r\nAll data for 1 mole at 1 bar.\r\n"
                                      "Molar Mass = 39.948 g/mol.\r\n\r\nElectronic Data"),
              std::string::npos);
}

TEST_F(CalcTest, AnAtomIgnoresWhatItsMoleculeRowsStillHold) {
    EnterAtom(*this);
    up("spnN");
    type("txtRotationalConst", "junk", 1);
    type("txtFreq", "-1", 1);
    down("spnN");
    press("cmdCalc");
    EXPECT_TRUE(resultsMode());
}

TEST_F(CalcTest, TheNameIsCopiedAsTypedBlanksIncluded) {
    EnterAtom(*this);
    type("txtName", "  Ar");
    press("cmdCalc");
    EXPECT_NE(form.summaryText().find("Gas phase   Ar atom.\r\n"), std::string::npos);
    press("cmdNewData");
    type("txtName", " ");
    press("cmdCalc");
    EXPECT_TRUE(resultsMode());
}

TEST_F(CalcTest, ALinearMoleculeIgnoresTheBoxesOfANonlinearOne) {
    EnterHCl(*this);
    up("spnN");
    choose("optNonlinear");
    type("txtRotationalConst", "junk", 2);
    type("txtRotationalConst", "", 3);
    choose("optLinear");
    type("txtFreq", "1000", 2);
    type("txtFreq", "1000", 3);
    type("txtFreq", "1000", 4);
    press("cmdCalc");
    EXPECT_TRUE(resultsMode());
}

TEST_F(CalcTest, EveryLevelMayLieAtZero) {
    EnterAtom(*this);
    press("cmdAddState");
    press("cmdAddState");
    press("cmdCalc");
    ASSERT_TRUE(resultsMode());
    EXPECT_NE(form.summaryText().find("  0.        0.00   (1)\r\n  1.        0.00   (1)\r\n"
                                      "  2.        0.00   (1)\r\n"),
              std::string::npos);
    EXPECT_NE(form.tableText().find("     3.000  "), std::string::npos);  // q_elec of 3 levels
}

// Water typed, stepped and chosen through the window gives the report that the libraries give
// for the same values.
TEST_F(CalcTest, ANonlinearMoleculeEnteredThroughTheWindowGivesTheLibrariesReport) {
    type("txtName", "H2O");
    type("txtMolarMass", "18.015");
    up("spnN", -1, 2);
    choose("optNonlinear");
    up("spnSigma");
    type("txtRotationalConst", "27.877", 1);
    type("txtRotationalConst", "14.512", 2);
    type("txtRotationalConst", "9.285", 3);
    ASSERT_EQ(form.nModes(), 3);
    type("txtFreq", "3657", 1);
    type("txtFreq", "1595", 2);
    type("txtFreq", "3756", 3);
    press("cmdCalc");
    ASSERT_TRUE(resultsMode());

    const PhysicalConstants constants;
    MolecularData water;
    water.nAtoms = 3;
    water.molarMass = 18.015;
    water.sigma = 2;
    water.rotConst1 = 27.877;
    water.rotConst2 = 14.512;
    water.rotConst3 = 9.285;
    water.nModes = 3;
    water.vibFreq = {0, 3657, 1595, 3756};
    StoreCoefficients(constants, true, water);
    const std::vector<std::string> vibDegen{"1", "1", "1"}, elecDegen{"1"};
    const ThermoOutcome outcome =
        ComputeThermoAt(constants, water, 298.15, DegeneracyTexts{vibDegen, elecDegen});
    ASSERT_TRUE(outcome.ok());

    SummaryInput summary;
    summary.dateText = "12/5/2026";
    summary.timeText = "3:04:05 AM";
    summary.name = "H2O";
    summary.nAtoms = 3;
    summary.linear = false;
    summary.molarMass = 18.015;
    summary.sigmaText = "2";
    summary.rotConst1 = 27.877;
    summary.rotConst2 = 14.512;
    summary.rotConst3 = 9.285;
    const std::vector<double> freqs{3657, 1595, 3756}, energies{0};
    summary.vibFreq = freqs;
    summary.vibDegeneracies = vibDegen;
    summary.elecEnergy = energies;
    summary.elecDegeneracies = elecDegen;
    const std::string expected =
        FormatSummary(summary) + FormatResultsTable(298.15, outcome.results, constants.avogadro);
    EXPECT_EQ(text("txtAns"), expected);

    const std::string& report = text("txtAns");
    EXPECT_NE(report.find("Gas phase nonlinear molecule H2O.\r\n"), std::string::npos);
    EXPECT_NE(report.find("Rotational Constants: 27.877000/cm,  14.512000/cm,  9.285000/cm.\r\n"),
              std::string::npos);
    // Rotation of a non-linear molecule: Cp = 1.5 R, U = 1.5 RT as for translation.
    EXPECT_NE(report.find(" Cp/(J/(K mol)):   20.786      12.472"), std::string::npos);
    EXPECT_NE(report.find("  U/(kJ/mol)   :    3.718       3.718"), std::string::npos);
    EXPECT_NE(report.find("      33.482\r\n"), std::string::npos);  // Cp total
}

}  // namespace
}  // namespace moltherm::app::testing
