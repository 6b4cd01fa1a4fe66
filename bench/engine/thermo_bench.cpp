// One results grid of water (three rows, one level) from the stored record; target <= 0.5 us.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "engine/calc_input.h"
#include "engine/thermo.h"

namespace {

using namespace moltherm;

void BM_ComputeThermoWater(benchmark::State& state) {
    const PhysicalConstants c;
    CalcInputTexts texts;
    texts.name = "H2O";
    texts.atomCount = "3";
    texts.temperature = "298.15";
    texts.molarMass = "18.015";
    texts.energies = {"0"};
    texts.sigma = "2";
    texts.nonlinear = true;
    texts.rotConsts = {"27.877", "14.512", "9.285"};
    texts.wavenumbers = {"3657", "1595", "3756"};
    texts.vibDegeneracies = {"1", "1", "1"};
    texts.elecDegeneracies = {"1"};
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
