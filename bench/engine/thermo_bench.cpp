// One results grid of water (three rows, one level); target <= 0.5 us.
#include <benchmark/benchmark.h>

#include "engine/thermo.h"

namespace {

using namespace moltherm;

void BM_ComputeThermoWater(benchmark::State& state) {
    const PhysicalConstants c;
    Molecule water;
    water.atoms = 3;
    water.molarMass = 18.015;
    water.shape = Shape::kNonlinear;
    water.sigma = 2;
    water.rotationalConstants = {27.877, 14.512, 9.285};
    water.modes = {{3657, 1}, {1595, 1}, {3756, 1}};
    for (auto _ : state) {
        auto results = ComputeThermo(c, water, 298.15);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_ComputeThermoWater);

}  // namespace
