#include "qcio/reader_support.h"

#include "chem/elements.h"
#include "qcio/text_scan.h"

namespace moltherm::qcio {

std::optional<chem::Atom> MakeAtom(int z, const std::array<double, 3>& position,
                                   std::optional<double> mass) {
    const chem::Element* element = chem::ElementByNumber(z);
    if (element == nullptr) return std::nullopt;
    return chem::Atom{z, position, mass.value_or(element->isotopeMass)};
}

std::optional<chem::Atom> MakeAtom(std::string_view label, const std::array<double, 3>& position,
                                   std::optional<double> mass) {
    const auto z = ElementOfLabel(label);
    if (!z) return std::nullopt;
    return MakeAtom(*z, position, mass);
}

std::vector<double> NonZero(const std::vector<double>& values) {
    std::vector<double> kept;
    for (double v : values) {
        if (v != 0) kept.push_back(v);
    }
    // A linear molecule's "0 B B" (or "*** B B") is its one constant B.
    if (kept.size() == 2 && values.size() == 3 && kept[0] == kept[1]) kept.pop_back();
    return kept;
}

std::vector<double> RotConstsFromGHz(const std::vector<double>& ghz) {
    std::vector<double> perCm = NonZero(ghz);
    for (double& v : perCm) v /= kLightSpeedCmPerNs;
    return perCm;
}

std::vector<double> RotConstsFromMHz(const std::vector<double>& mhz) {
    std::vector<double> perCm = NonZero(mhz);
    for (double& v : perCm) v /= 1000 * kLightSpeedCmPerNs;
    return perCm;
}

Failure FileFailure(std::string_view fileName, std::string_view what) {
    return Failure{std::string(fileName) + ": " + std::string(what)};
}

Result<QcResult> CheckReadResult(QcResult result, std::string_view fileName) {
    if (result.wavenumbers.empty()) return FileFailure(fileName, kNoFrequencies);
    if (result.atoms.empty()) return FileFailure(fileName, kNoGeometry);
    for (const chem::Atom& atom : result.atoms) {
        if (!(atom.mass > 0)) {
            return FileFailure(fileName, "an atomic mass is not positive");
        }
    }
    for (double b : result.printedRotConsts) {
        if (!(b > 0)) return FileFailure(fileName, "a printed rotational constant is not positive");
    }
    if (result.multiplicity < 1) {
        return FileFailure(fileName,
                           "multiplicity " + std::to_string(result.multiplicity) + " is not valid");
    }
    if (result.printedSigma && *result.printedSigma < 1) {
        return FileFailure(fileName, "rotational symmetry number " +
                                         std::to_string(*result.printedSigma) + " is not valid");
    }
    if (result.scaleFactor && !(*result.scaleFactor > 0)) {
        return FileFailure(fileName, "the frequency scale factor is not positive");
    }
    return result;
}

}  // namespace moltherm::qcio
