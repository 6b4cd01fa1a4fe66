#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace moltherm::app {

// Every control of the window by its own name, in the order the window creates them, grouped by
// container. The list is written once: it gives the enumerators and the names as text.
// clang-format off
#define MOLTHERM_CONTROL_NAMES(X) \
    X(lblTemp) X(txtTemp) X(cmdCalc) X(cmdNewData) X(cmdPrint) X(txtError) \
    X(frmMolType) X(lblName) X(txtName) X(lblMolarMass) X(txtMolarMass) \
    X(lblN) X(txtN) X(spnN) X(optLinear) X(optNonlinear) \
    X(frmRotational) X(lblSigma) X(txtSigma) X(spnSigma) X(lblRotationalConst) X(txtRotationalConst) \
    X(frmVibrational) X(lblFreq) X(lblDegen) X(txtFreq) X(txtDegen) X(spnDegen) \
    X(frmElectronic) X(cmdAddState) X(cmdReset) \
    X(lblEnergy) X(lblEnergyDegen) X(txtEnergy) X(txtEnergyDegen) X(spnEnergyDegen) \
    X(txtAns)
// clang-format on

// A control by name: a misspelt name does not compile. The design table is indexed by it.
enum class ControlName : std::uint8_t {
#define MOLTHERM_ENUMERATOR(name) name,
    MOLTHERM_CONTROL_NAMES(MOLTHERM_ENUMERATOR)
#undef MOLTHERM_ENUMERATOR
};

// txtAns is the last control the window creates.
inline constexpr std::size_t kControlNameCount = static_cast<std::size_t>(ControlName::txtAns) + 1;

// The name as the window spells it: "txtName".
std::string_view NameText(ControlName name);
// The control of that spelling, for names that come as text (a test script, a log).
std::optional<ControlName> NameFromText(std::string_view text);

}  // namespace moltherm::app
