#include "engine/calc_input.h"
#include "engine/thermo.h"
#include "form_fixture.h"
#include "report/results_table.h"
#include "report/summary.h"

namespace moltherm::app::testing {
namespace {

class CalcTest : public FormTest {};

TEST_F(CalcTest, TheRoadOfOneRequestEndsInTheAnswerBox) {
    act("$HCl !cmdCalc");
    ASSERT_TRUE(resultsMode());
    const std::string table =
        "298.15K        translational rotational vibrational  electronic     total\r\n  q          "
        "  : 5.2804E+30    19.568    1.00000054     1.000    1.0333E+32\r\n  q/N          : "
        "8.7684E+06                                      1.7158E+08\r\n  S/(J/(K mol)):  153.708   "
        "   33.041       0.000       0.000     186.749\r\n Cp/(J/(K mol)):   20.786       8.315    "
        "   0.001       0.000      29.102\r\n  U/(kJ/mol)   :    3.718       2.479       0.000     "
        "  0.000       6.197\r\n  H/(kJ/mol)   :    6.197       2.479       0.000       0.000      "
        " 8.676\r\n  A/(kJ/mol)   :  -42.109      -7.372       0.000       0.000     -49.482\r\n  "
        "G/(kJ/mol)   :  -39.630      -7.372       0.000       0.000     -47.003\r\n"
        "\r\n";
    EXPECT_EQ(std::tuple(form.summaryText(), form.tableText()), std::tuple(kHclSummary, table));
    EXPECT_EQ(c("txtAns").text, kHclSummary + table);
}

TEST_F(CalcTest, NewTAppendsOneTableForEachGoodTemperatureUnderTheSameSummary) {
    act("$Cl2 !cmdCalc");
    const std::string summary = form.summaryText(), first = c("txtAns").text;
    // Not "No temperature entered" here; a text that is no number leaves the stored temperature,
    // a refused number is stored.
    for (const auto& [typed, refusal] : {std::pair{"", "Invalid Temperature | 298.15"},
                                         {"-5", "Negative temperature | -5"},
                                         {"0", "Invalid Temperature | 0"}}) {
        act("txtTemp=" + std::string(typed) + " !cmdCalc");
        EXPECT_EQ(probe("txtError temperature cmdCalc shown"),
                  std::string(refusal) +
                      " | New T | lblTemp txtTemp cmdCalc cmdNewData cmdPrint txtError txtAns");
        EXPECT_EQ(c("txtAns").text, first);
        EXPECT_EQ(form.tableText(), kCl2Tables.substr(0, kCl2Tables.find("1000.00K")));
    }
    clock.time = "4:00:00 AM";
    act("txtTemp=1000 !cmdCalc");
    EXPECT_EQ(std::tuple(form.summaryText(), form.tableText()), std::tuple(summary, kCl2Tables));
    EXPECT_EQ(c("txtAns").text, summary + kCl2Tables);
    EXPECT_EQ(probe("temperature i"), "1000 | 1");  // the level loop ran over level 0
    act("txtTemp=400 !cmdCalc");
    // Every table has the same fixed-width lines: a third one, as long as each of the two.
    EXPECT_EQ(form.tableText().substr(0, kCl2Tables.size() + 9), kCl2Tables + "400.00K  ");
    EXPECT_EQ(form.tableText().size(), kCl2Tables.size() / 2 * 3);
    EXPECT_EQ(c("txtAns").text, summary + form.tableText());
}

// The answer box takes the window's width of the moment and its height at start-up.
TEST_F(CalcTest, ResultsModeHidesTheDataAndSizesTheAnswerBox) {
    form.userResized(10120, 8405, 10000, 8000);
    act("$Cl2 | !cmdCalc");
    EXPECT_EQ(probe("log shown ?txtName ?spnN ?txtTemp"),
              "focus cmdCalc, Text cmdCalc, Visible frmRotational, Visible frmVibrational, "
              "Visible frmElectronic, Visible frmMolType, Top txtAns, Height txtAns, "
              "Visible txtAns, Visible cmdNewData, Visible cmdPrint, Text txtAns | "
              "lblTemp txtTemp cmdCalc cmdNewData cmdPrint txtAns | closed | closed | open");
    EXPECT_EQ(probe("#txtAns").substr(0, 20), "120 800 9760 5395 'M");
    EXPECT_FALSE(form.typeText(ControlId{ControlName::txtName}, "other"));
    EXPECT_FALSE(form.spinUp(ControlId{ControlName::spnN}));
    form.userResized(10120, 8405, 10000, 8000);
    EXPECT_EQ(c("txtAns").height, 8000 - 920);
}

TEST_F(CalcTest, NewDataReturnsToTheInputAsItWasAndCalcStartsAfresh) {
    act("$Cl2 !cmdCalc txtTemp=1000 !cmdCalc | !cmdNewData");
    EXPECT_EQ(probe("cmdCalc shown log:Visible txtName txtSigma txtRotationalConst(1) txtFreq(1) "
                    "?txtRotationalConst(1) focus"),
              "Calc | " + kInputMode +
                  " | Visible txtAns, Visible cmdNewData, Visible cmdPrint, Visible frmRotational, "
                  "Visible frmVibrational, Visible frmElectronic, Visible frmMolType | Cl2 | 2 | "
                  "0.244 | 560 | open | txtTemp");  // the hidden button passed the focus on
    EXPECT_EQ(std::tuple(c("txtAns").top, form.tableText()), std::tuple(800, kCl2Tables));
    // The old tables go and the summary is dated afresh.
    clock.date = "13/5/2026";
    press("cmdCalc");
    EXPECT_EQ(form.summaryText().substr(0, 35), "Moltherm Calculation   13/5/2026  3");
    EXPECT_EQ(form.tableText(), kCl2Tables.substr(kCl2Tables.find("1000.00K")));
    EXPECT_EQ(c("txtAns").text, form.summaryText() + form.tableText());
}

// A worked example changed before "Calc", and the message of the first check that fails.
const std::pair<const char*, const char*> kFailures[] = {
    {"$Ar txtName= txtTemp=", "Molecule must be named"},
    {"$Ar txtTemp=", "No temperature entered"},
    {"$Ar txtTemp=warm", "Invalid Temperature"},
    {"$Ar txtTemp=-0.5", "Negative temperature"},
    {"$Ar txtTemp=0", "Invalid Temperature"},
    {"$Ar txtMolarMass=", "No molar mass entered"},
    {"$Ar txtMolarMass=x", "Invalid molar mass"},
    {"$Ar txtMolarMass=0.999", "Invalid molar mass"},
    {"$Ar !cmdAddState txtEnergy(1)=", "Invalid electronic energy"},
    // The energies are checked before the rotational constant.
    {"$HCl !cmdAddState txtEnergy(1)=-5 txtRotationalConst(1)=-1", "Invalid electronic energy"},
    {"$HCl txtRotationalConst(1)=", "Invalid rotational constant"},
    {"$HCl txtRotationalConst(1)=-1", "Invalid rotational constant"},
    {"$HCl txtRotationalConst(1)=0", "Invalid rotational constant"},
    {"$H2O txtRotationalConst(3)=x", "Invalid rotational constant"},
    {"$HCl txtFreq(1)=", "Invalid vibrational frequency"},
    {"$HCl txtFreq(1)=-3", "Invalid vibrational frequency"},
    {"$HCl txtFreq(1)=0", "Invalid vibrational frequency"},
    // Boxes that only the program writes, damaged: a clear message, never a crash.
    {"$Ar txtN:=many", "Invalid number of atoms"},
    {"$HCl txtSigma:=?", "Invalid symmetry number"},
    {"$HCl txtDegen(1):=", "Invalid degeneracy"},
    {"$Ar txtEnergyDegen(0):=one", "Invalid degeneracy"},
};

TEST(CalcFailureTest, EveryCheckReportsItsMessageAndTheWindowStaysInInputMode) {
    for (const auto& [script, message] : kFailures) {
        Session s;
        s.act(script + std::string(" !cmdCalc"));
        EXPECT_EQ(s.probe("txtError focus cmdCalc shown"),
                  std::string(message) +
                      " | txtError | Calc | lblTemp txtTemp cmdCalc txtError "
                      "frmMolType frmRotational frmVibrational frmElectronic")
            << script;
    }
    // A failed check keeps what was stored before it.
    Session s;
    s.act("$Ar txtTemp=500 txtMolarMass=0.5 !cmdCalc");
    EXPECT_EQ(std::tuple(s.form.record().temperature, s.form.record().molarMass),
              std::tuple(500, 0.5));
    EXPECT_TRUE(s.form.summaryText().empty());
}

// Boxes the checks do not read for the molecule at hand, and names of blanks only.
TEST_F(CalcTest, WhatTheMoleculeDoesNotUseIsNotChecked) {
    act("$Ar +spnN txtRotationalConst(1)=junk txtFreq(1)=-1 -spnN txtName=__Ar !cmdCalc");
    EXPECT_TRUE(resultsMode());
    EXPECT_NE(form.summaryText().find("Gas phase   Ar atom.\r\n"), std::string::npos);
    act("!cmdNewData txtName=_ !cmdCalc");
    EXPECT_TRUE(resultsMode());
    Session linear;
    linear.act(
        "$HCl +spnN @optNonlinear txtRotationalConst(2)=junk txtRotationalConst(3)= "
        "@optLinear txtFreq(2)=1000 txtFreq(3)=1000 txtFreq(4)=1000 !cmdCalc");
    EXPECT_TRUE(linear.resultsMode());
}

TEST_F(CalcTest, AnAtomNeedsNoRotationalOrVibrationalInputAndEveryLevelMayLieAtZero) {
    act("$Ar !cmdCalc");
    ASSERT_TRUE(resultsMode());
    EXPECT_EQ(form.summaryText(), kArgonSummary);
    EXPECT_EQ(form.record().vibFreq.size(), 2u);  // not re-dimensioned for an atom
    EXPECT_NE(form.tableText().find(
                  "  q            : 6.0558E+30     1.000    1.00000000     1.000    6.0558E+30\r\n"
                  "  q/N          : 1.0056E+07"),
              std::string::npos);
    EXPECT_NE(form.tableText().find(
                  "  G/(kJ/mol)   :  -39.970       0.000       0.000       0.000     -39.970\r\n"),
              std::string::npos);
    act("!cmdNewData !cmdAddState !cmdAddState !cmdCalc");
    EXPECT_NE(form.summaryText().find("  0.        0.00   (1)\r\n  1.        0.00   (1)\r\n"
                                      "  2.        0.00   (1)\r\n"),
              std::string::npos);
    EXPECT_NE(form.tableText().find("     3.000  "), std::string::npos);  // q_elec of 3 levels
}

// Water typed, stepped and chosen through the window gives the report that the libraries give
// for the same values.
TEST_F(CalcTest, ANonlinearMoleculeEnteredThroughTheWindowGivesTheLibrariesReport) {
    act("$H2O !cmdCalc");
    const CalcInputTexts w = WaterTexts();
    const PhysicalConstants k;
    MolecularData data;
    data.nModes = 3;
    ASSERT_FALSE(ReadCalcInput(k, w, data).has_value());
    StoreCoefficients(k, true, data);
    const ThermoOutcome out =
        ComputeThermo(k, data, w.temperature, {w.vibDegeneracies, w.elecDegeneracies});
    const std::vector<double> freqs{3657, 1595, 3756};
    EXPECT_EQ(
        c("txtAns").text,
        FormatSummary({kReportDate, kReportTime, w.name, 3, false, 18.015, w.sigma, 27.877, 14.512,
                       9.285, freqs, w.vibDegeneracies, data.elecEnergy, w.elecDegeneracies}) +
            FormatResultsTable(298.15, out.results, k.avogadro));
}

// Each case prints the report of three temperatures. A failed print is reported and keeps the
// report in results mode; once the printer is back the same report prints. A print ends in the
// input mode, the font restored whatever happened.
TEST(PrintTest, PrintsTheWholeReportInCourierThenReturnsToTheData) {
    const std::tuple<std::optional<std::string>, std::optional<std::string>, const char*> cases[] =
        {{std::nullopt, std::nullopt, "font courier, print, end, font Arial, "},
         {"No default printer", std::nullopt, "font courier, print, font Arial, "},
         {std::nullopt, "Printer error: out of paper", "font courier, print, end, font Arial, "}};
    for (const auto& [printFailure, endFailure, log] : cases) {
        Session s;
        s.act("$Ar !cmdCalc txtTemp=300 !cmdCalc txtTemp=400 !cmdCalc");
        const std::string report = s.c("txtAns").text, summary = s.form.summaryText(),
                          tables = s.form.tableText();
        std::tie(s.printer.printFailure, s.printer.endFailure) = std::tie(printFailure, endFailure);
        s.press("cmdPrint");
        EXPECT_EQ(s.printer.log + s.printer.font, log + std::string("Arial")) << log;
        if (const auto failure = printFailure ? printFailure : endFailure) {
            EXPECT_EQ(s.probe("txtError focus cmdCalc shown"),
                      *failure + " | txtError | New T | " +
                          "lblTemp txtTemp cmdCalc cmdNewData cmdPrint txtError txtAns");
            EXPECT_EQ(s.c("txtAns").text, report);
            s.printer.printFailure = s.printer.endFailure = std::nullopt;
            s.printer.printed.clear();
            s.press("cmdPrint");
        }
        EXPECT_EQ(std::tuple(s.printer.printed, s.form.summaryText(), s.form.tableText()),
                  std::tuple(report, summary, tables));
        EXPECT_EQ(s.probe("cmdCalc shown"), "Calc | " + kInputMode);
    }
}

}  // namespace
}  // namespace moltherm::app::testing
