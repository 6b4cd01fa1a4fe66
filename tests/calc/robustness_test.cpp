// Seeded random box texts through "Calc" and "New T": a message or a report, never a crash and
// never a NaN or an infinity in the results (run under the sanitizer build too).
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/session.h"
#include "tests/support/worked_examples.h"

namespace moltherm {
namespace {

using namespace moltherm::testing;

const std::string kPieces[] = {"",     "0",    "-",     "e",     "1e308", "1e-320",
                               "9e99", ".",    " ",     "nan",   "inf",   "0x1p3",
                               "1,5",  "\x80", "99999", "1e-20", "-0",    "5e-324"};

// A text replaced by a piece, a piece before or after it, or one character changed.
std::string Mutated(std::mt19937_64& rng, std::string text) {
    const std::string& piece = kPieces[rng() % std::size(kPieces)];
    switch (rng() % 4) {
        case 0:
            return piece;
        case 1:
            return text + piece;
        case 2:
            if (!text.empty()) text[rng() % text.size()] = static_cast<char>(rng() % 128);
            return text;
        default:
            return piece + text;
    }
}

bool AllFinite(const ThermoResults& r) {
    for (const Contribution* x : {&r.trans, &r.rot, &r.vib, &r.elec, &r.total})
        for (double v : {x->q, x->u, x->s, x->cp, x->h, x->a, x->g})
            if (!std::isfinite(v)) return false;
    return true;
}

TEST(Robustness, MutatedBoxTextsGiveAMessageOrFiniteTables) {
    std::mt19937_64 rng(7);
    const auto mutate = [&](const std::string& text) { return Mutated(rng, text); };
    const CalcInputTexts bases[] = {ArgonTexts(), HclTexts(), Cl2Texts(), WaterTexts()};
    int computed = 0;
    for (int run = 0; run < 4000; ++run) {
        CalcInputTexts t = bases[run % std::size(bases)];
        for (std::string* box : {&t.temperature, &t.molarMass, &t.sigma, &t.atomCount,
                                 t.rotConsts.data(), &t.rotConsts[1], &t.rotConsts[2]})
            if (rng() % 6 == 0) *box = mutate(*box);
        for (auto* list : {&t.energies, &t.wavenumbers, &t.vibDegeneracies, &t.elecDegeneracies})
            for (std::string& box : *list)
                if (rng() % 6 == 0) box = mutate(box);
        CalcSession session;
        session.record() = RecordOf(t);
        const auto calc = session.Calc(t, "stamp");
        if (!calc) {
            EXPECT_FALSE(calc.error().empty());
            continue;
        }
        ++computed;
        ASSERT_TRUE(AllFinite(session.results())) << "run " << run;
        const auto next =
            session.AddTable(mutate(t.temperature), t.vibDegeneracies, t.elecDegeneracies);
        ASSERT_TRUE(!next || AllFinite(session.results())) << "run " << run << " New T";
        EXPECT_EQ(session.reportText().find("nan"), std::string::npos);
        EXPECT_EQ(session.reportText().find("inf"), std::string::npos);
    }
    EXPECT_GT(computed, 400);  // the mutations leave enough molecules to compute
}

}  // namespace
}  // namespace moltherm
