// One results grid of water (three rows, one level) from the stored record; target <= 0.5 us.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "engine/calc_input.h"
#include "engine/thermo.h"
#include "tests/support/worked_examples.h"

namespace {

using namespace moltherm;

void BM_ComputeThermoWater(benchmark::State& state) {
    const PhysicalConstants c;
    const CalcInputTexts texts = testing::WaterTexts();
    MolecularData data;
    data.nModes = 3;
    if (ReadCalcInput(c, texts, data)) std::abort();
    StoreCoefficients(c, true, data);
    const DegeneracyTexts degeneracies{texts.vibDegeneracies, texts.elecDegeneracies};

    for (auto _ : state) {
        ThermoOutcome outcome = ComputeThermo(c, data, "298.15", degeneracies);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_ComputeThermoWater);

}  // namespace
