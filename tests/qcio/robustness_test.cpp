#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "qcio/molecule_modes.h"
#include "qcio/read_qc_file.h"
#include "tests/qcio/qc_fixtures.h"

namespace moltherm::qcio {
namespace {

// One random damage: a cut, a lost or doubled stretch, bytes overwritten, or numbers replaced by
// ones out of range.
std::string Damaged(std::string text, std::mt19937& random) {
    auto upTo = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(random);
    };
    static constexpr const char* kWords[] = {"1e308", "-1e308", "nan", "inf", "99999999999",
                                             "-0",    "0",      "",    "***", "1D+400"};
    static constexpr char kBytes[] = {'0', '9', '-', '.', ' ', '\n', 'x', '\0', '$', '['};
    const std::size_t at = upTo(text.size());
    switch (upTo(4)) {
        case 0:
            return text.substr(0, at);
        case 1:
            return text.erase(at, upTo(4000));
        case 2:
            return text.insert(upTo(text.size()), text.substr(at, upTo(4000)));
        case 3:
            for (int k = 0; k < 20 && !text.empty(); ++k)
                text[upTo(text.size() - 1)] = kBytes[upTo(9)];
            return text;
        default:
            for (int k = 0; k < 20; ++k) {
                const std::size_t digit = text.find_first_of("0123456789", upTo(text.size()));
                if (digit == std::string::npos) break;
                const std::size_t end = text.find_first_of(" \n", digit);
                text.replace(digit, end == std::string::npos ? end : end - digit, kWords[upTo(9)]);
            }
            return text;
    }
}

bool Finite(const QcResult& r) {
    double sum = r.electronicEnergy.value_or(0);
    for (const chem::Atom& a : r.atoms)
        sum += a.position[0] + a.position[1] + a.position[2] + a.mass;
    for (double v : r.wavenumbers) sum += v;
    for (double b : r.printedRotConsts) sum += b;
    return std::isfinite(sum);
}

// Every reader, fed damaged copies of every fixture (seeded, so that a failure replays), answers
// with a finite result or one line naming the file, and never crashes; the sanitizer build runs
// it too.
TEST(Robustness, DamagedFixturesGiveFiniteResultsOrOneLine) {
    std::mt19937 random(20260607);
    const std::string xyz = testing::FixtureText("xtb/dvb_ir.xyz");
    const CompanionReader companions = [&xyz](std::string_view) { return xyz; };
    int read = 0, refused = 0;
    for (const char* file : testing::kFixtures) {
        const std::string text = testing::FixtureText(file);
        for (int round = 0; round < 40; ++round) {
            const auto result = ReadQcText(Damaged(text, random), "damaged.out", companions);
            if (!result) {
                ++refused;
                EXPECT_EQ(result.error().rfind("damaged.out: ", 0), 0u) << file << ' ' << round;
                EXPECT_EQ(result.error().find('\n'), std::string::npos) << result.error();
                continue;
            }
            ++read;
            EXPECT_TRUE(Finite(*result)) << file << ' ' << round;
            for (auto policy :
                 {ImaginaryModes::Refuse, ImaginaryModes::Drop, ImaginaryModes::Invert}) {
                const auto modes = ModesOf(*result, round % 2 == 0, policy);
                for (const ModeRow& row : modes ? modes->rows : std::vector<ModeRow>{}) {
                    EXPECT_TRUE(std::isfinite(row.wavenumber) && row.degeneracy >= 1);
                }
            }
        }
    }
    EXPECT_GT(read, 100);  // the damage is neither all fatal nor all harmless
    EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace moltherm::qcio
