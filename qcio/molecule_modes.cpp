#include "qcio/molecule_modes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <string>

namespace moltherm::qcio {
namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// "a non-linear molecule of 20 atoms has 54 (3N-6)"
std::string Expectation(std::size_t atoms, bool linear, std::size_t expected) {
    if (atoms == 1) return "an atom has none";
    return std::string(linear ? "a linear" : "a non-linear") + " molecule of " +
           std::to_string(atoms) + " atoms has " + std::to_string(expected) +
           (linear ? " (3N-5)" : " (3N-6)");
}

}  // namespace

Result<MoleculeModes> ModesOf(const QcResult& result, bool linear, ImaginaryModes imaginary) {
    const std::size_t atoms = result.atoms.size();
    if (atoms == 0) return Failure{"no atoms"};
    const std::size_t external = atoms == 1 ? 3 : (linear ? 5 : 6);
    const std::size_t expected = 3 * atoms - external;
    const std::size_t printed = result.wavenumbers.size();
    const std::string found = std::to_string(printed) + " vibrational wavenumbers found; ";

    // The translations and rotations are the printed values nearest zero, if any were printed.
    std::vector<std::size_t> order(printed);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<bool> external_mode(printed, false);
    if (printed > expected) {
        const std::size_t extra = printed - expected;
        if (extra > external) return Failure{found + Expectation(atoms, linear, expected)};
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return std::abs(result.wavenumbers[a]) < std::abs(result.wavenumbers[b]);
        });
        // They must be near zero, and apart from the first mode kept.
        const double farthest = std::abs(result.wavenumbers[order[extra - 1]]);
        const bool apart =
            extra == printed || std::abs(result.wavenumbers[order[extra]]) > farthest;
        if (farthest > kNearZeroWavenumber || !apart) {
            const std::string why = farthest > kNearZeroWavenumber
                                        ? "they reach " + Number(farthest) + " 1/cm"
                                        : "one more is as near (" + Number(farthest) + " 1/cm)";
            return Failure{found + Expectation(atoms, linear, expected) + ", so the " +
                           std::to_string(extra) +
                           " nearest zero would be its translations and rotations, but " + why};
        }
        for (std::size_t k = 0; k < extra; ++k) external_mode[order[k]] = true;
    } else if (printed < expected) {
        return Failure{found + Expectation(atoms, linear, expected)};
    }

    MoleculeModes modes;
    std::vector<double> kept;
    int imaginaryCount = 0;
    double lowest = 0;
    for (std::size_t k = 0; k < printed; ++k) {
        if (external_mode[k]) continue;
        const double v = result.wavenumbers[k];
        if (v < 0) {
            ++imaginaryCount;
            lowest = std::min(lowest, v);
            if (imaginary == ImaginaryModes::Drop) continue;
            if (imaginary == ImaginaryModes::Invert) {
                kept.push_back(-v);
                continue;
            }
        }
        kept.push_back(v);
    }
    if (imaginaryCount > 0 && imaginary == ImaginaryModes::Refuse) {
        return Failure{std::to_string(imaginaryCount) + " imaginary " +
                       (imaginaryCount == 1 ? "mode (" : "modes (lowest ") + Number(lowest) +
                       " 1/cm)"};
    }
    if (imaginary == ImaginaryModes::Drop) modes.droppedImaginary = imaginaryCount;

    std::map<double, std::size_t> rowOf;  // wavenumber -> its row
    for (double v : kept) {
        const auto [at, isNew] = rowOf.emplace(v, modes.rows.size());
        if (isNew) {
            modes.rows.push_back({v, 1});
        } else {
            ++modes.rows[at->second].degeneracy;
        }
    }
    return modes;
}

}  // namespace moltherm::qcio
