#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "qcio/molecule_modes.h"
#include "qcio/read_qc_file.h"
#include "tests/qcio/qc_fixtures.h"

namespace moltherm::qcio {
namespace {

// One random damage: a cut, a lost or doubled stretch, bytes overwritten, or a number replaced by
// one that is out of range.
std::string Damaged(std::string text, std::mt19937& random) {
    auto at = [&](std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size)(random);
    };
    static constexpr const char* kWords[] = {"1e308", "-1e308", "nan", "inf",   "99999999999",
                                             "-0",    "0",      "",    "*****", "1D+400"};
    static constexpr char kBytes[] = {'0', '9', '-', '.', ' ', '\n', 'x', '\0', '$', '['};
    switch (at(4)) {
        case 0:
            text.resize(at(text.size()));
            break;
        case 1: {
            const std::size_t from = at(text.size());
            text.erase(from, at(4000));
            break;
        }
        case 2: {
            const std::size_t from = at(text.size());
            text.insert(at(text.size()), text.substr(from, at(4000)));
            break;
        }
        case 3:
            for (int k = 0; k < 20 && !text.empty(); ++k) {
                text[at(text.size() - 1)] = kBytes[at(std::size(kBytes) - 1)];
            }
            break;
        default:
            for (int k = 0; k < 20; ++k) {
                const std::size_t digit = text.find_first_of("0123456789", at(text.size()));
                if (digit == std::string::npos) break;
                const std::size_t end = text.find_first_of(" \n", digit);
                text.replace(digit, end == std::string::npos ? std::string::npos : end - digit,
                             kWords[at(std::size(kWords) - 1)]);
            }
    }
    return text;
}

bool Finite(const QcResult& r) {
    for (const chem::Atom& a : r.atoms) {
        if (!std::isfinite(a.position[0] + a.position[1] + a.position[2] + a.mass)) return false;
    }
    for (double v : r.wavenumbers) {
        if (!std::isfinite(v)) return false;
    }
    for (double b : r.printedRotConsts) {
        if (!std::isfinite(b)) return false;
    }
    return !r.electronicEnergy || std::isfinite(*r.electronicEnergy);
}

// Every reader, fed damaged copies of every fixture (seeded, so a failure can be replayed), answers
// with a finite result or one line naming the file, and never crashes; run it in the sanitizer
// build too.
TEST(Robustness, DamagedFixturesGiveResultsOrOneLine) {
    std::mt19937 random(20260607);
    const std::string xyz = testing::FixtureText("xtb/dvb_ir.xyz");
    const CompanionReader companions = [&xyz](std::string_view) { return xyz; };
    int read = 0, refused = 0;
    for (const char* file : testing::kFixtures) {
        const std::string text = testing::FixtureText(file);
        for (int round = 0; round < 40; ++round) {
            const std::string damaged = Damaged(text, random);
            const auto result = ReadQcText(damaged, "damaged.out", companions);
            if (!result) {
                ++refused;
                EXPECT_EQ(result.error().rfind("damaged.out: ", 0), 0u) << file << ' ' << round;
                EXPECT_EQ(result.error().find('\n'), std::string::npos) << result.error();
                continue;
            }
            ++read;
            EXPECT_TRUE(Finite(*result)) << file << ' ' << round;
            for (bool linear : {false, true}) {
                for (auto policy :
                     {ImaginaryModes::Refuse, ImaginaryModes::Drop, ImaginaryModes::Invert}) {
                    const auto modes = ModesOf(*result, linear, policy);
                    if (!modes) continue;
                    for (const ModeRow& row : modes->rows) {
                        EXPECT_TRUE(std::isfinite(row.wavenumber) && row.degeneracy >= 1);
                    }
                }
            }
        }
    }
    EXPECT_GT(read, 0);  // the damage is not all fatal, and not all harmless
    EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace moltherm::qcio
