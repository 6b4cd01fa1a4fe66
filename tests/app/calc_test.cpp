// The calculate command, the two modes of the window, and printing.
#include "calc/calc_input.h"
#include "form_fixture.h"

namespace moltherm::app::testing {
namespace {

const std::string kResultsMode = "lblTemp txtTemp cmdCalc cmdNewData cmdPrint txtAns";
const std::string kCl2First = kCl2Tables.substr(0, kCl2Tables.find("1000.00K"));

// The first line of the summary, with its date and time.
Step Heading() {
    return Note([](Session& s) { return s.form.summaryText().substr(0, 44); });
}
Step Tables() {
    return Note([](Session& s) { return s.form.tableText(); });
}
// Whether the answer box shows the summary followed by the tables: "1".
Step AnswerIsReport() {
    return Note([](Session& s) {
        return std::to_string(s.c(txtAns).text == s.form.summaryText() + s.form.tableText());
    });
}
Step ClockAt(const char* date, const char* time) {
    return [=](Session& s) {
        s.clock.date = date;
        s.clock.time = time;
    };
}
Step Temperature(const char* typed) {
    return [=](Session& s) {
        Type(txtTemp, typed)(s);
        Press(cmdCalc)(s);
    };
}
Step Record() {
    return Note([](Session& s) {
        const MolecularData& r = s.form.record();
        std::string freqs;
        for (double f : r.vibFreq) freqs += std::to_string(static_cast<int>(f)) + " ";
        return Join(r.temperature, r.molarMass, freqs);
    });
}

// The printer fails from now on as told, its record emptied.
Step PrinterFails(std::optional<std::string> failure) {
    return [failure = std::move(failure)](Session& s) {
        s.printer.printFailure = failure;
        s.printer.printed = s.printer.log = "";
    };
}
// What the printer was told, and whether it printed the summary and the tables.
Step Printed() {
    return Note([](Session& s) {
        return Join(s.printer.log + s.printer.font,
                    s.printer.printed == s.form.summaryText() + s.form.tableText());
    });
}

// A box the calculation refuses: its message is shown and focused in input mode. (The other
// checks and their messages are the calculation's; these show that each kind of box reaches it.)
const std::string kRefused =
    "txtError | Calc | lblTemp txtTemp cmdCalc txtError frmMolType frmRotational frmVibrational "
    "frmElectronic";

const Case kCalc[] = {
    {"Calc hides the data then sizes and shows the answer box then shows the report",
     {Enter(HclTexts), Forget(), Press(cmdCalc), Log(), Shown(), Text(cmdCalc), Open(txtName),
      Open(txtTemp), Note([](Session& s) {
          const Control& box = s.c(txtAns);
          return Join(box.left, box.top, box.width, box.height, box.locked,
                      s.form.summaryText() == kHclSummary);
      }),
      AnswerIsReport()},
     Join("focus cmdCalc, Text cmdCalc, Visible frmRotational, Visible frmVibrational, "
          "Visible frmElectronic, Visible frmMolType, Top txtAns, Height txtAns, Visible txtAns, "
          "Visible cmdNewData, Visible cmdPrint, Text txtAns",
          kResultsMode, "New T", "closed", "open", "120 | 800 | 8355 | 5395 | 1 | 1", 1)},
    {"the answer box takes the width of the moment and the height at start up",
     {[](Session& s) { s.form.userResized(10120, 8405, 10000, 8000); }, Enter(Cl2Texts),
      Press(cmdCalc), Note([](Session& s) { return Join(s.c(txtAns).width, s.c(txtAns).height); }),
      [](Session& s) { s.form.userResized(10120, 8405, 10000, 8000); },
      Note([](Session& s) { return std::to_string(s.c(txtAns).height); })},
     "9760 | 5395 | 7080"},
    {"New T refuses a bad temperature in the error box and keeps the tables in results mode",
     {Enter(Cl2Texts), Press(cmdCalc), Temperature("-5"), Text(txtError), Focus(), Shown(),
      Text(cmdCalc), Tables(), AnswerIsReport()},
     Join("Negative temperature", "txtError",
          "lblTemp txtTemp cmdCalc cmdNewData cmdPrint txtError txtAns", "New T", kCl2First, 1)},
    {"New T appends a table under the same summary and New Data returns to the input as it was",
     {Enter(Cl2Texts), Press(cmdCalc), ClockAt("12/5/2026", "4:00:00 AM"), Temperature("1000"),
      Heading(), Forget(), Press(cmdNewData), Text(cmdCalc), Shown(), Log(), Text(txtSigma),
      Text({txtFreq, 1}), Open({txtRotationalConst, 1}), Tables(),
      ClockAt("13/5/2026", "3:04:05 AM"), Press(cmdCalc), Heading(), Tables(), AnswerIsReport()},
     Join("Moltherm Calculation   12/5/2026  3:04:05 AM", "Calc", kInputMode,
          "focus cmdNewData, Visible txtAns, Text cmdCalc, Visible cmdNewData, focus txtTemp, "
          "Visible cmdPrint, Visible frmRotational, Visible frmVibrational, "
          "Visible frmElectronic, Visible frmMolType",
          "2", "560", "open", kCl2Tables, "Moltherm Calculation   13/5/2026  3:04:05 AM",
          kCl2Tables.substr(kCl2First.size()), 1)},
    {"what the molecule does not use is not checked and a failed check keeps what it stored",
     {Enter(ArgonTexts), Up(spnN), Type({txtRotationalConst, 1}, "junk"), Type({txtFreq, 1}, "-1"),
      Down(spnN), Press(cmdCalc), Text(cmdCalc), Press(cmdNewData), Type(txtTemp, "500"),
      Type(txtMolarMass, "0.5"), Press(cmdCalc), Record()},
     "New T | 500 | 0.5 | 0 0 "},
    {"the boxes a molecule made linear again no longer has are not checked",
     {Enter(HclTexts), Up(spnN), Choose(optNonlinear), Type({txtRotationalConst, 2}, "junk"),
      Type({txtRotationalConst, 3}, ""), Choose(optLinear), Type({txtFreq, 2}, "1000"),
      Type({txtFreq, 3}, "1000"), Type({txtFreq, 4}, "1000"), Press(cmdCalc), Text(cmdCalc)},
     "New T"},
    {"an atom keeps the wavenumbers stored before it and all its levels may lie at zero",
     {Enter(WaterTexts), Press(cmdCalc), Press(cmdNewData), Down(spnN, 2), Type(txtName, "Ar"),
      Type(txtMolarMass, "39.948"), Press(cmdCalc), Record(),
      Note([](Session& s) { return std::to_string(s.form.summaryText() == kArgonSummary); }),
      Press(cmdNewData), Press(cmdAddState), Press(cmdAddState), Press(cmdCalc),
      Note([](Session& s) {
          return Join(s.form.summaryText().find("  2.        0.00   (1)\r\n") != std::string::npos,
                      s.form.tableText().find("     3.000  ") != std::string::npos);
      })},
     "298.15 | 39.948 | 0 3657 1595 3756  | 1 | 1 | 1"},
    {"an empty energy of an added level then an empty vibrational degeneracy is refused and the "
     "window stays in input mode",
     {Enter(HclTexts), Press(cmdAddState), Type({txtEnergy, 1}, ""), Write({txtDegen, 1}, ""),
      Press(cmdCalc), Text(txtError), Focus(), Text(cmdCalc), Shown(), Type({txtEnergy, 1}, "0"),
      Press(cmdCalc), Text(txtError), Focus(), Text(cmdCalc), Shown()},
     Join("Invalid electronic energy", kRefused, "Invalid degeneracy", kRefused)},
    // A report printed in Courier: the font is restored whatever happened, a failure is shown
    // in results mode, and a print ends in input mode.
    {"a print without a printer is reported and can be tried again",
     {Enter(ArgonTexts), Press(cmdCalc), Temperature("300"), PrinterFails("No default printer"),
      Press(cmdPrint), Printed(), Text(txtError), Text(cmdCalc), AnswerIsReport(),
      PrinterFails(std::nullopt), Press(cmdPrint), Printed(), Text(cmdCalc)},
     Join("font courier, print, font Arial, Arial", 0, "No default printer", "New T", 1,
          "font courier, print, end, font Arial, Arial", 1, "Calc")},
};
INSTANTIATE_TEST_SUITE_P(Calc, Scenario, ::testing::ValuesIn(kCalc), CaseName);

}  // namespace
}  // namespace moltherm::app::testing
