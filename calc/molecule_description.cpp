#include "calc/molecule_description.h"

#include <charconv>
#include <cmath>

#include "calc/number_text.h"
#include "chem/formula.h"
#include "chem/inertia.h"
#include "chem/point_group.h"

namespace moltherm {
namespace {

std::string Constants(const std::vector<double>& values) {
    std::string text;
    for (double v : values) text += (text.empty() ? "" : ", ") + SixDigitText(v);
    return text;
}

// Rotational constants agree within 1 % each (they are printed to 5 or 6 digits).
bool Agree(const std::vector<double>& printed, const std::vector<double>& perceived) {
    if (printed.size() != perceived.size()) return false;
    for (std::size_t k = 0; k < printed.size(); ++k)
        if (std::abs(printed[k] - perceived[k]) > 0.01 * perceived[k]) return false;
    return true;
}

}  // namespace

std::string ExactText(double value) {
    char buffer[32];
    auto* const end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

GeometryFacts FactsOf(const std::vector<chem::Atom>& geometry) {
    GeometryFacts facts;
    facts.atoms = static_cast<int>(geometry.size());
    facts.molarMass = chem::MolarMass(geometry);
    facts.formula = chem::HillFormula(geometry);
    const chem::PrincipalAxes axes = chem::PrincipalMoments(geometry);
    const chem::Shape shape = chem::ShapeOf(axes, geometry.size());
    facts.shape = shape == chem::Shape::Nonlinear ? Shape::kNonlinear : Shape::kLinear;
    const std::vector<double> constants = chem::RotationalConstants(axes, shape);
    for (std::size_t k = 0; k < constants.size() && k < 3; ++k)
        facts.rotationalConstants[k] = constants[k];
    const chem::PointGroup group = chem::PerceivePointGroup(geometry);
    facts.pointGroup = group.name;
    facts.sigma = group.symmetryNumber;
    return facts;
}

Expected<MoleculeDescription, std::string> DescribeQcResult(const qcio::QcResult& result,
                                                            std::string name,
                                                            qcio::ImaginaryModes imaginary,
                                                            std::vector<std::string>& warnings) {
    if (result.atoms.empty()) return Unexpected{std::string("no geometry found")};
    const GeometryFacts facts = FactsOf(result.atoms);
    MoleculeDescription m;
    m.name = std::move(name);
    m.formula = facts.formula;
    m.source = result.program + (result.version.empty() ? "" : " " + result.version);
    m.geometry = result.atoms;
    m.atoms = facts.atoms;
    m.molarMass = facts.molarMass;
    m.shape = facts.shape;
    m.sigma = facts.sigma;
    m.rotationalConstants = facts.rotationalConstants;
    m.levels = {ElectronicLevel{0, result.multiplicity}};
    if (result.frequenciesScaled) m.frequencyScaleApplied = result.scaleFactor;
    if (m.atoms > 1) {
        const auto modes = qcio::ModesOf(result, m.shape == Shape::kLinear, imaginary);
        if (!modes) return Unexpected{modes.error()};
        for (const qcio::ModeRow& row : modes->rows)
            m.modes.push_back({row.wavenumber, row.degeneracy});
        m.droppedImaginary = modes->droppedImaginary;
    }

    const std::vector<double> perceived(
        m.rotationalConstants.begin(),
        m.rotationalConstants.begin() + (m.atoms <= 1                ? 0
                                         : m.shape == Shape::kLinear ? 1
                                                                     : 3));
    if (result.printedSigma && *result.printedSigma != m.sigma)
        warnings.push_back("the file's symmetry number " + std::to_string(*result.printedSigma) +
                           " differs from " + std::to_string(m.sigma) + " (point group " +
                           facts.pointGroup + "); using " + std::to_string(m.sigma));
    if (!result.printedRotConsts.empty() && !Agree(result.printedRotConsts, perceived))
        warnings.push_back("the file's rotational constants (" +
                           Constants(result.printedRotConsts) +
                           " 1/cm) differ from the geometry's (" + Constants(perceived) +
                           " 1/cm); using the geometry's");
    return m;
}

Expected<MoleculeDescription, std::string> DescribeTexts(const PhysicalConstants& constants,
                                                         const CalcInputTexts& texts, int nModes,
                                                         int lastLevel) {
    CalcInputTexts atRoomTemperature = texts;
    atRoomTemperature.temperature = "298.15";
    MolecularData record;
    record.nModes = static_cast<std::int16_t>(nModes);
    record.lastLevel = static_cast<std::int16_t>(lastLevel);
    const auto molecule = ReadCalcInput(constants, atRoomTemperature, record);
    if (!molecule) return Unexpected{molecule.error()};
    MoleculeDescription m;
    m.name = texts.name;
    m.atoms = molecule->atoms;
    m.molarMass = molecule->molarMass;
    m.shape = molecule->shape;
    m.sigma = molecule->sigma;
    m.rotationalConstants = molecule->rotationalConstants;
    m.modes = molecule->modes;
    m.levels = molecule->levels;
    return m;
}

CalcInputTexts TextsOf(const MoleculeDescription& m) {
    CalcInputTexts t;
    t.name = m.name;
    t.atomCount = WholeNumberText(m.atoms);
    t.molarMass = ExactText(m.molarMass);
    t.sigma = WholeNumberText(m.sigma);
    t.nonlinear = m.shape == Shape::kNonlinear;
    const int constants = m.atoms <= 1 ? 0 : t.nonlinear ? 3 : 1;
    for (int k = 0; k < constants; ++k) t.rotConsts[k] = ExactText(m.rotationalConstants[k]);
    for (const VibrationalMode& mode : m.modes) {
        t.wavenumbers.push_back(ExactText(mode.wavenumber));
        t.vibDegeneracies.push_back(WholeNumberText(mode.degeneracy));
    }
    for (const ElectronicLevel& level : m.levels) {
        t.energies.push_back(ExactText(level.energy));
        t.elecDegeneracies.push_back(WholeNumberText(level.degeneracy));
    }
    return t;
}

}  // namespace moltherm
