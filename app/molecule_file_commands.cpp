#include "app/molecule_file_commands.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "calc/molecule_json.h"
#include "qcio/read_qc_file.h"

namespace moltherm::app {

using enum ControlName;

namespace {

constexpr int kMaxSigma = 32767;  // the symmetry number box holds a 16-bit number

int BoxCount(const frmMoltherm& form, ControlName name, int index = -1) {
    const Control* box = form.find({name, index});
    return box ? std::atoi(box->text.c_str()) : 0;
}

// Steps a whole-number box to `target` with its spinner's procedures; stops when a step is
// refused, so that a limit the window keeps cannot loop.
template <typename Up, typename Down>
void StepTo(const std::function<int()>& current, int target, Up up, Down down) {
    for (int now = current(); now != target;) {
        now < target ? up() : down();
        const int next = current();
        if (next == now) return;
        now = next;
    }
}

std::string Refusal(const std::string& why) {
    return "Cannot open: " + why;
}

}  // namespace

std::optional<std::string> WhyWindowCannotHold(const MoleculeDescription& m) {
    if (m.droppedImaginary > 0)
        return Refusal(std::to_string(m.droppedImaginary) +
                       " imaginary mode(s) left out (a transition state)");
    if (m.atoms < 1 || m.atoms > frmMoltherm::kMaxAtoms)
        return Refusal(std::to_string(m.atoms) + " atoms, the window holds 1 to " +
                       std::to_string(frmMoltherm::kMaxAtoms));
    if (m.atoms > 1) {
        if (MustBeLinear(m.atoms) && m.shape != Shape::kLinear)
            return Refusal("a diatomic molecule is linear");
        if (m.sigma < 1 || m.sigma > kMaxSigma || (m.shape == Shape::kLinear && m.sigma > 2))
            return Refusal("symmetry number " + std::to_string(m.sigma));
        int sum = 0;
        for (const VibrationalMode& mode : m.modes) {
            if (mode.degeneracy < 1) return Refusal("a degeneracy below 1");
            sum += mode.degeneracy;
            if (sum > frmMoltherm::kMaxDegeneracySum) break;
        }
        const int count = VibrationalModeCount(m.atoms, m.shape);
        if (sum != count)
            return Refusal("the vibrations count " + std::to_string(sum) + " modes, not " +
                           std::to_string(count));
    } else if (!m.modes.empty()) {
        return Refusal("an atom has no vibrations");
    }
    if (m.levels.empty() || static_cast<int>(m.levels.size()) - 1 > frmMoltherm::kMaxLastLevel)
        return Refusal(std::to_string(m.levels.size()) + " electronic levels");
    if (m.levels.front().energy != 0) return Refusal("the ground level is not at 0");
    for (const ElectronicLevel& level : m.levels)
        if (level.degeneracy < 1 || level.degeneracy > kMaxSigma)
            return Refusal("electronic degeneracy " + std::to_string(level.degeneracy));
    return std::nullopt;
}

std::optional<std::string> OpenMolecule(frmMoltherm& form, const MoleculeDescription& m) {
    if (auto why = WhyWindowCannotHold(m)) {
        form.ShowError(*why);
        return why;
    }
    const CalcInputTexts texts = TextsOf(m);
    if (const Control* newData = form.find(cmdNewData); newData && newData->visible)
        form.click(ControlId{cmdNewData});

    // Back to one atom with single rows, then up to the molecule's count.
    const auto atoms = [&] { return BoxCount(form, txtN); };
    StepTo(
        atoms, 1, [&] { form.IncreaseAtomCount(); }, [&] { form.DecreaseAtomCount(); });
    StepTo(
        atoms, m.atoms, [&] { form.IncreaseAtomCount(); }, [&] { form.DecreaseAtomCount(); });
    form.typeText(ControlId{txtName}, texts.name);
    form.typeText(ControlId{txtMolarMass}, texts.molarMass);
    if (m.atoms > 1) {
        form.chooseOption(ControlId{m.shape == Shape::kLinear ? optLinear : optNonlinear});
        StepTo([&] { return BoxCount(form, txtSigma); }, m.sigma, [&] { form.IncreaseSigma(); },
               [&] { form.DecreaseSigma(); });
        for (int k = 1; k <= (m.shape == Shape::kLinear ? 1 : 3); ++k)
            form.typeText(ControlId{txtRotationalConst, k},
                          texts.rotConsts[static_cast<std::size_t>(k - 1)]);
        // Each row's degeneracy first: every step takes a row off the end.
        for (int row = 1; row <= static_cast<int>(m.modes.size()); ++row) {
            StepTo([&] { return BoxCount(form, txtDegen, row); },
                   m.modes[static_cast<std::size_t>(row - 1)].degeneracy,
                   [&] { form.IncreaseDegen(row); }, [&] { form.DecreaseDegen(row); });
        }
        for (int row = 1; row <= static_cast<int>(m.modes.size()); ++row)
            form.typeText(ControlId{txtFreq, row},
                          texts.wavenumbers[static_cast<std::size_t>(row - 1)]);
    }
    form.cmdReset_Click();
    for (std::size_t level = 1; level < m.levels.size(); ++level) form.cmdAddState_Click();
    for (int level = 0; level < static_cast<int>(m.levels.size()); ++level) {
        if (level > 0)
            form.typeText(ControlId{txtEnergy, level},
                          texts.energies[static_cast<std::size_t>(level)]);
        StepTo([&] { return BoxCount(form, txtEnergyDegen, level); },
               m.levels[static_cast<std::size_t>(level)].degeneracy,
               [&] { form.IncreaseEnergyDegen(level); }, [&] { form.DecreaseEnergyDegen(level); });
    }
    form.setPrescaled(m.frequencyScaleApplied);
    return std::nullopt;
}

std::optional<std::string> OpenMoleculeFile(frmMoltherm& form, const std::filesystem::path& path) {
    const std::string fileName = path.filename().string();
    std::ifstream in(path, std::ios::binary);
    std::ostringstream read;
    if (!in || !(read << in.rdbuf())) {
        const std::string message = fileName + ": cannot be read";
        form.ShowError(message);
        return message;
    }
    const std::string text = read.str();
    if (qcio::DetectFormat(text)) {
        const auto result = qcio::ReadQcFile(path);
        if (!result) {
            form.ShowError(result.error());
            return result.error();
        }
        std::vector<std::string> warnings;
        const auto molecule =
            DescribeQcResult(*result, path.stem().string(), qcio::ImaginaryModes::Drop, warnings);
        if (!molecule) {
            const std::string message = fileName + ": " + molecule.error();
            form.ShowError(message);
            return message;
        }
        return OpenMolecule(form, *molecule);
    }
    const auto molecule = ReadMoleculeJson(text, form.constants());
    if (!molecule) {
        const std::string message = fileName + ": " + molecule.error();
        form.ShowError(message);
        return message;
    }
    return OpenMolecule(form, *molecule);
}

Expected<MoleculeDescription, std::string> MoleculeInBoxes(const frmMoltherm& form) {
    return DescribeTexts(form.constants(), form.inputTexts(), form.nModes(), form.lastLevel());
}

std::optional<std::string> SaveMoleculeFile(frmMoltherm& form, const std::filesystem::path& path) {
    const auto molecule = MoleculeInBoxes(form);
    if (!molecule) {
        form.ShowError(molecule.error());
        return molecule.error();
    }
    const std::string text = WriteMoleculeJson(*molecule) + "\n";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out || !(out << text) || !out.flush()) {
        const std::string message = path.filename().string() + ": cannot be written";
        form.ShowError(message);
        return message;
    }
    return std::nullopt;
}

}  // namespace moltherm::app
