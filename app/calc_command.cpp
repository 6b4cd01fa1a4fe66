// The calculate command, the two modes of the window, and printing.
#include "app/frm_moltherm.h"
#include "calc/calc_input.h"

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
    const CalcInputTexts in = inputTexts();
    MolecularData& record = session_.record();
    record.nModes = nModes_;
    record.lastLevel = lastLevel_;
    if (const auto read = session_.Read(in); !read) {
        ShowError(read.error());
        return;
    }

    setText(cmdCalc, kNewTCaption);
    session_.BuildSummary(in, clock_.dateText() + "  " + clock_.timeText());
    i_ = lastLevel_ + 1;

    switchToResultsMode();
    session_.StoreCoefficients();
    session_.ClearTables();
    ComputeThermoTable();
}

CalcInputTexts frmMoltherm::inputTexts() const {
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
    return in;
}

void frmMoltherm::ComputeThermoTable() {
    const MolecularData& record = session_.record();
    const std::vector<std::string> vibDegen =
        record.nAtoms > 1 ? texts(txtDegen, 1, record.nModes) : std::vector<std::string>{};
    const std::vector<std::string> elecDegen = texts(txtEnergyDegen, 0, record.lastLevel);
    if (const auto added = session_.AddTable(control(txtTemp).text, vibDegen, elecDegen); !added) {
        ShowError(added.error());
        return;
    }
    i_ = record.lastLevel + 1;  // where the level loop leaves the shared counter
    setText(txtAns, session_.reportText());
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
    if (const auto failure =
            PrintReport(printer_, session_.record().summaryText, session_.record().tableText)) {
        ShowError(*failure);
        return;
    }
    cmdNewData_Click();
}

}  // namespace moltherm::app
