// The calculate command, the two modes of the window, and printing.
#include <span>

#include "app/frm_moltherm.h"
#include "engine/calc_input.h"
#include "engine/thermo.h"
#include "report/results_table.h"
#include "report/summary.h"

namespace moltherm::app {
namespace {

using enum ControlName;

constexpr const char* kCalcCaption = "Calc";
constexpr const char* kNewTCaption = "New T";
constexpr int kAnswerTop = 800;  // below the top row of controls
constexpr ControlName kDataFrames[] = {frmRotational, frmVibrational, frmElectronic, frmMolType};

}  // namespace

std::vector<std::string> frmMoltherm::texts(ControlName array, int first, int last) const {
    std::vector<std::string> list;
    list.reserve(last >= first ? static_cast<std::size_t>(last - first + 1) : 0);
    for (int index = first; index <= last; ++index) {
        const Control* c = find({array, index});
        list.push_back(c ? c->text : std::string());
    }
    return list;
}

void frmMoltherm::cmdCalc_Click() {
    if (control(cmdCalc).text != kCalcCaption) {
        ComputeThermoTable();
        return;
    }
    CalcInputTexts in;
    in.name = control(txtName).text;
    in.atomCount = control(txtN).text;
    in.temperature = control(txtTemp).text;
    in.molarMass = control(txtMolarMass).text;
    in.energies = texts(txtEnergy, 0, lastLevel_);
    in.sigma = control(txtSigma).text;
    in.nonlinear = control(optNonlinear).selected;
    for (int k = 1; k <= 3; ++k)
        if (const Control* box = find({txtRotationalConst, k})) in.rotConsts[k - 1] = box->text;
    in.wavenumbers = texts(txtFreq, 1, nModes_);
    in.vibDegeneracies = texts(txtDegen, 1, nModes_);
    in.elecDegeneracies = texts(txtEnergyDegen, 0, lastLevel_);

    record_.nModes = nModes_;
    record_.lastLevel = lastLevel_;
    if (const auto failure = ReadCalcInput(constants_, in, record_)) {
        ShowError(*failure);
        return;
    }

    setText(cmdCalc, kNewTCaption);

    SummaryInput summary;
    summary.dateText = clock_.dateText();
    summary.timeText = clock_.timeText();
    summary.name = in.name;
    summary.nAtoms = record_.nAtoms;
    summary.linear = control(optLinear).selected;
    summary.molarMass = record_.molarMass;
    summary.sigmaText = in.sigma;
    summary.rotConst1 = record_.rotConst1;
    summary.rotConst2 = record_.rotConst2;
    summary.rotConst3 = record_.rotConst3;
    if (record_.nAtoms > 1) {
        summary.vibFreq = std::span<const double>(record_.vibFreq).subspan(1, record_.nModes);
        summary.vibDegeneracies = in.vibDegeneracies;
    }
    summary.elecEnergy = record_.elecEnergy;
    summary.elecDegeneracies = in.elecDegeneracies;
    record_.summaryText = FormatSummary(summary);
    i_ = lastLevel_ + 1;

    switchToResultsMode();
    StoreCoefficients(constants_, in.nonlinear, record_);
    record_.tableText.clear();
    ComputeThermoTable();
}

void frmMoltherm::ComputeThermoTable() {
    const std::vector<std::string> vibDegen =
        record_.nAtoms > 1 ? texts(txtDegen, 1, record_.nModes) : std::vector<std::string>{};
    const std::vector<std::string> elecDegen = texts(txtEnergyDegen, 0, record_.lastLevel);
    const ThermoOutcome outcome = ComputeThermo(constants_, record_, control(txtTemp).text,
                                                DegeneracyTexts{vibDegen, elecDegen});
    // A number is stored even when it is refused, as the record keeps what was read.
    if (outcome.temperature) record_.temperature = *outcome.temperature;
    if (outcome.error) {
        ShowError(*outcome.error);
        return;
    }
    results_ = outcome.results;
    i_ = record_.lastLevel + 1;  // where the level loop leaves the shared counter
    record_.tableText += FormatResultsTable(record_.temperature, results_, constants_.avogadro);
    setText(txtAns, record_.summaryText + record_.tableText);
}

void frmMoltherm::switchToResultsMode() {
    for (ControlName frame : kDataFrames) setVisible(frame, false);
    const ControlId answer{txtAns};
    setTop(answer, kAnswerTop);
    const Control& box = control(txtAns);
    // A window shrunk below the box's margins keeps the box's previous size.
    const int h = startScaleHeight_ - box.top - box.left;
    if (h > 0) setHeight(answer, h);
    const int w = scaleWidth_ - 2 * box.left;
    if (w > 0) setWidth(answer, w);
    setVisible(answer, true);
    setVisible(cmdNewData, true);
    setVisible(cmdPrint, true);
}

void frmMoltherm::cmdNewData_Click() {
    setVisible(txtAns, false);
    setText(cmdCalc, kCalcCaption);
    setVisible(cmdNewData, false);
    setVisible(cmdPrint, false);
    for (ControlName frame : kDataFrames) setVisible(frame, true);
}

// A failed print keeps the window in results mode with the report, so the user can try again.
void frmMoltherm::cmdPrint_Click() {
    if (const auto failure = PrintReport(printer_, record_.summaryText, record_.tableText)) {
        ShowError(*failure);
        return;
    }
    cmdNewData_Click();
}

}  // namespace moltherm::app
