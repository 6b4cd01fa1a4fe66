// The calculate command, the two modes of the window, and printing.
#include "engine/calc_input.h"
#include "engine/thermo.h"
#include "form_fixture.h"
#include "report/results_table.h"
#include "report/summary.h"

namespace moltherm::app::testing {
namespace {

const std::string kResultsMode = "lblTemp txtTemp cmdCalc cmdNewData cmdPrint txtAns";

Step Summary() {
    return Note([](Session& s) { return s.form.summaryText(); });
}
Step Tables() {
    return Note([](Session& s) { return s.form.tableText(); });
}
// The first line of the summary, with its date and time.
Step Heading() {
    return Note([](Session& s) { return s.form.summaryText().substr(0, 44); });
}
// Whether the answer box shows the summary followed by the tables: "1".
Step AnswerIsReport() {
    return Note([](Session& s) {
        return std::to_string(s.c(txtAns).text == s.form.summaryText() + s.form.tableText());
    });
}
Step Temperature(const char* typed) {
    return Do([=](Session& s) {
        Type(txtTemp, typed)(s);
        Press(cmdCalc)(s);
    });
}
// Presses Calc on input that fails a check: the message, the focus on it, the input mode kept.
Step Refused() {
    return Do([](Session& s) {
        Press(cmdCalc)(s);
        for (const Step& reading : {Text(txtError), Focus(), Text(cmdCalc), Shown()}) reading(s);
    });
}
const std::string kRefused =
    Join("txtError", "Calc",
         "lblTemp txtTemp cmdCalc txtError frmMolType frmRotational frmVibrational frmElectronic");

const std::string kHclTable =
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
const std::string kCl2First = kCl2Tables.substr(0, kCl2Tables.find("1000.00K"));

const Case kCalc[] = {
    {"Calc hides the data then sizes and shows the answer box then shows the first table",
     {Enter(HclTexts), Forget(), Press(cmdCalc), Summary(), Tables(), Text(txtAns), Log(), Shown(),
      Text(cmdCalc), Open(txtName), Open(txtTemp), Describe(txtAns)},
     Join(kHclSummary, kHclTable, kHclSummary + kHclTable,
          "focus cmdCalc, Text cmdCalc, Visible frmRotational, Visible frmVibrational, "
          "Visible frmElectronic, Visible frmMolType, Top txtAns, Height txtAns, Visible txtAns, "
          "Visible cmdNewData, Visible cmdPrint, Text txtAns",
          kResultsMode, "New T", "closed", "open",
          "120 800 8355 5395 '" + kHclSummary + kHclTable + "' locked")},
    {"the answer box takes the width of the moment and the height at start up",
     {Do([](Session& s) { s.form.userResized(10120, 8405, 10000, 8000); }), Enter(Cl2Texts),
      Press(cmdCalc), Note([](Session& s) { return Join(s.c(txtAns).width, s.c(txtAns).height); }),
      Do([](Session& s) { s.form.userResized(10120, 8405, 10000, 8000); }),
      Note([](Session& s) { return std::to_string(s.c(txtAns).height); })},
     "9760 | 5395 | 7080"},
    {"New T refuses a bad temperature and keeps the tables but stores a refused number",
     {Enter(Cl2Texts), Press(cmdCalc), Temperature(""), Text(txtError),
      Note([](Session& s) { return Join(s.form.record().temperature); }), Temperature("-5"),
      Text(txtError), Note([](Session& s) { return Join(s.form.record().temperature); }),
      Temperature("0"), Text(txtError), Shown(), Text(cmdCalc), Tables(), AnswerIsReport()},
     Join("Invalid Temperature", 298.15, "Negative temperature", -5, "Invalid Temperature",
          "lblTemp txtTemp cmdCalc cmdNewData cmdPrint txtError txtAns", "New T", kCl2First, 1)},
    {"New T appends one table for each good temperature under the same summary",
     {Enter(Cl2Texts), Press(cmdCalc), Do([](Session& s) { s.clock.time = "4:00:00 AM"; }),
      Temperature("1000"), Heading(), Tables(), AnswerIsReport(), Temperature("400"),
      Note([](Session& s) {
          const std::string& tables = s.form.tableText();
          return Join(tables.substr(kCl2Tables.size(), 9), tables.size());
      }),
      AnswerIsReport()},
     // Every table has the same fixed-width lines: a third one, as long as each of the two.
     Join("Moltherm Calculation   12/5/2026  3:04:05 AM", kCl2Tables, 1, "400.00K  ",
          kCl2Tables.size() / 2 * 3, 1)},
    {"New Data returns to the input as it was",
     {Enter(Cl2Texts), Press(cmdCalc), Temperature("1000"), Forget(), Press(cmdNewData),
      Text(cmdCalc), Shown(), Log("Visible"), Text(txtName), Text(txtSigma),
      Text({txtRotationalConst, 1}), Text({txtFreq, 1}), Open({txtRotationalConst, 1}),
      Focus(),  // the hidden button passed the focus on
      Note([](Session& s) { return std::to_string(s.c(txtAns).top); }), Tables()},
     Join("Calc", kInputMode,
          "Visible txtAns, Visible cmdNewData, Visible cmdPrint, Visible frmRotational, "
          "Visible frmVibrational, Visible frmElectronic, Visible frmMolType",
          "Cl2", "2", "0.244", "560", "open", "txtTemp", 800, kCl2Tables)},
    {"Calc after New Data dates the summary afresh and drops the old tables",
     {Enter(Cl2Texts), Press(cmdCalc), Temperature("1000"), Press(cmdNewData),
      Do([](Session& s) { s.clock.date = "13/5/2026"; }), Press(cmdCalc), Heading(), Tables(),
      AnswerIsReport()},
     Join("Moltherm Calculation   13/5/2026  3:04:05 AM", kCl2Tables.substr(kCl2First.size()), 1)},
    {"a failed check keeps what was stored before it",
     {Enter(ArgonTexts), Type(txtTemp, "500"), Type(txtMolarMass, "0.5"), Press(cmdCalc),
      Note([](Session& s) {
          return Join(s.form.record().temperature, s.form.record().molarMass, s.form.summaryText());
      })},
     "500 | 0.5 | "},
    {"what the molecule does not use is not checked and a name may be blanks",
     {Enter(ArgonTexts), Up(spnN), Type({txtRotationalConst, 1}, "junk"), Type({txtFreq, 1}, "-1"),
      Down(spnN), Type(txtName, "  Ar"), Press(cmdCalc), Text(cmdCalc),
      Note([](Session& s) { return s.form.summaryText().substr(46, 22); }), Press(cmdNewData),
      Type(txtName, " "), Press(cmdCalc), Text(cmdCalc)},
     "New T | Gas phase   Ar atom.\r\n | New T"},
    {"the boxes a molecule made linear again no longer has are not checked",
     {Enter(HclTexts), Up(spnN), Choose(optNonlinear), Type({txtRotationalConst, 2}, "junk"),
      Type({txtRotationalConst, 3}, ""), Choose(optLinear), Type({txtFreq, 2}, "1000"),
      Type({txtFreq, 3}, "1000"), Type({txtFreq, 4}, "1000"), Press(cmdCalc), Text(cmdCalc)},
     "New T"},
    {"an atom keeps the wavenumbers stored before it",
     {Enter(WaterTexts), Press(cmdCalc), Press(cmdNewData), Down(spnN, 2), Type(txtName, "Ar"),
      Type(txtMolarMass, "39.948"), Press(cmdCalc), Note([](Session& s) {
          std::string list;
          for (double f : s.form.record().vibFreq)
              list += std::to_string(static_cast<int>(f)) + " ";
          return list;
      }),
      Summary()},
     Join("0 3657 1595 3756 ", kArgonSummary)},
    {"every level of an atom may lie at zero",
     {Enter(ArgonTexts), Press(cmdAddState), Press(cmdAddState), Press(cmdCalc),
      Note([](Session& s) {
          const bool levels = s.form.summaryText().find(
                                  "  0.        0.00   (1)\r\n  1.        0.00   (1)\r\n"
                                  "  2.        0.00   (1)\r\n") != std::string::npos;
          const bool qElectronic = s.form.tableText().find("     3.000  ") != std::string::npos;
          return Join(levels, qElectronic);
      })},
     "1 | 1"},
};
INSTANTIATE_TEST_SUITE_P(Calc, Scenario, ::testing::ValuesIn(kCalc), CaseName<Case>);

// A worked example with one box changed, as the user types it or as only the program can write
// it: the message of the first check that fails.
Case Refusal(const char* what, CalcInputTexts (*example)(), Step change, const char* message) {
    return {what, {Enter(example), std::move(change), Refused()}, Join(message, kRefused)};
}

const Case kRefusals[] = {
    Refusal("an empty name checked before the temperature", ArgonTexts, Do([](Session& s) {
                Type(txtTemp, "")(s);
                Type(txtName, "")(s);
            }),
            "Molecule must be named"),
    Refusal("no temperature", ArgonTexts, Type(txtTemp, ""), "No temperature entered"),
    Refusal("a temperature that is no number", ArgonTexts, Type(txtTemp, "warm"),
            "Invalid Temperature"),
    Refusal("a negative temperature", ArgonTexts, Type(txtTemp, "-0.5"), "Negative temperature"),
    Refusal("a zero temperature", ArgonTexts, Type(txtTemp, "0"), "Invalid Temperature"),
    Refusal("no molar mass", ArgonTexts, Type(txtMolarMass, ""), "No molar mass entered"),
    Refusal("a molar mass below 1", ArgonTexts, Type(txtMolarMass, "0.999"), "Invalid molar mass"),
    Refusal("an empty energy of an added level", ArgonTexts, Do([](Session& s) {
                Press(cmdAddState)(s);
                Type({txtEnergy, 1}, "")(s);
            }),
            "Invalid electronic energy"),
    Refusal("a negative energy checked before a negative rotational constant", HclTexts,
            Do([](Session& s) {
                Press(cmdAddState)(s);
                Type({txtEnergy, 1}, "-5")(s);
                Type({txtRotationalConst, 1}, "-1")(s);
            }),
            "Invalid electronic energy"),
    Refusal("a zero rotational constant", HclTexts, Type({txtRotationalConst, 1}, "0"),
            "Invalid rotational constant"),
    Refusal("a third rotational constant that is no number", WaterTexts,
            Type({txtRotationalConst, 3}, "x"), "Invalid rotational constant"),
    Refusal("an empty wavenumber", HclTexts, Type({txtFreq, 1}, ""),
            "Invalid vibrational frequency"),
    Refusal("a negative wavenumber", HclTexts, Type({txtFreq, 1}, "-3"),
            "Invalid vibrational frequency"),
    Refusal("an atom count that is no number", ArgonTexts, Write(txtN, "many"),
            "Invalid number of atoms"),
    Refusal("a symmetry number that is no number", HclTexts, Write(txtSigma, "?"),
            "Invalid symmetry number"),
    Refusal("an empty vibrational degeneracy", HclTexts, Write({txtDegen, 1}, ""),
            "Invalid degeneracy"),
    Refusal("an electronic degeneracy that is no number", ArgonTexts,
            Write({txtEnergyDegen, 0}, "one"), "Invalid degeneracy"),
};
INSTANTIATE_TEST_SUITE_P(Refusal, Scenario, ::testing::ValuesIn(kRefusals), CaseName<Case>);

// The report the libraries give for water, to compare with the window's.
std::string LibrariesWaterReport() {
    const CalcInputTexts w = WaterTexts();
    const PhysicalConstants k;
    MolecularData data;
    data.nModes = 3;
    if (ReadCalcInput(k, w, data)) return "refused";
    StoreCoefficients(k, true, data);
    const ThermoOutcome out =
        ComputeThermo(k, data, w.temperature, {w.vibDegeneracies, w.elecDegeneracies});
    const std::vector<double> freqs{3657, 1595, 3756};
    return FormatSummary({kReportDate, kReportTime, w.name, 3, false, 18.015, w.sigma, 27.877,
                          14.512, 9.285, freqs, w.vibDegeneracies, data.elecEnergy,
                          w.elecDegeneracies}) +
           FormatResultsTable(298.15, out.results, k.avogadro);
}

Step Print(std::optional<std::string> printFailure, std::optional<std::string> endFailure) {
    return Do([=](Session& s) {
        s.printer.printFailure = printFailure;
        s.printer.endFailure = endFailure;
        s.printer.printed.clear();
        s.printer.log.clear();
        Press(cmdPrint)(s);
    });
}
// What the printer was told, and whether it printed the summary and the tables.
Step Printed() {
    return Note([](Session& s) {
        return Join(s.printer.log + s.printer.font,
                    s.printer.printed == s.form.summaryText() + s.form.tableText());
    });
}
// A report of three temperatures printed, with the printer failing as told; after a failure
// the window is read and the report printed again.
std::vector<Step> PrintReport(std::optional<std::string> printFailure,
                              std::optional<std::string> endFailure) {
    std::vector<Step> steps = {Enter(ArgonTexts),
                               Press(cmdCalc),
                               Temperature("300"),
                               Temperature("400"),
                               Print(printFailure, endFailure),
                               Printed()};
    if (printFailure || endFailure)
        steps.insert(steps.end(), {Text(txtError), Focus(), Text(cmdCalc), Shown(),
                                   AnswerIsReport(), Print(std::nullopt, std::nullopt), Printed()});
    steps.insert(steps.end(), {Text(cmdCalc), Shown()});
    return steps;
}
const std::string kPrintedAll =
    Join("font courier, print, end, font Arial, Arial", 1, "Calc", kInputMode);
const std::string kResultsModeWithError =
    "lblTemp txtTemp cmdCalc cmdNewData cmdPrint txtError txtAns";

// Each print ends in input mode with the font restored, whatever happened; a failed one is
// reported and keeps the report in results mode, and once the printer is back the same
// report prints.
const Case kReports[] = {
    {"Water entered through the window gives the libraries' report",
     {Enter(WaterTexts), Press(cmdCalc), Text(txtAns)},
     LibrariesWaterReport()},
    {"a print of the report in Courier returns to the data",
     PrintReport(std::nullopt, std::nullopt), kPrintedAll},
    {"a print without a printer is reported and can be tried again",
     PrintReport("No default printer", std::nullopt),
     Join("font courier, print, font Arial, Arial", 0, "No default printer", "txtError", "New T",
          kResultsModeWithError, 1, kPrintedAll)},
    {"a printer that fails at the end is reported",
     PrintReport(std::nullopt, "Printer error: out of paper"),
     Join("font courier, print, end, font Arial, Arial", 1, "Printer error: out of paper",
          "txtError", "New T", kResultsModeWithError, 1, kPrintedAll)},
};
INSTANTIATE_TEST_SUITE_P(Report, Scenario, ::testing::ValuesIn(kReports), CaseName<Case>);

}  // namespace
}  // namespace moltherm::app::testing
