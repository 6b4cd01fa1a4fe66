// One NASA-7 fit over 200-1000-3000 K, with its deviation check; target <= 5 ms.
#include <benchmark/benchmark.h>

#include "engine/nasa7.h"

namespace {

using namespace moltherm;

Molecule Water() {
    Molecule m;
    m.atoms = 3;
    m.molarMass = 18.015;
    m.shape = Shape::kNonlinear;
    m.sigma = 2;
    m.rotationalConstants = {27.877, 14.512, 9.285};
    m.modes = {{3657, 1}, {1595, 1}, {3756, 1}};
    return m;
}

// Eight atoms, twelve rows of modes: the cost grows with the rows.
Molecule Ethane() {
    Molecule m = Water();
    m.atoms = 8;
    m.molarMass = 30.07;
    m.sigma = 6;
    m.rotationalConstants = {2.67, 0.6608, 0.6608};
    m.modes = {{2954, 1}, {1388, 1}, {995, 1},  {289, 1},  {2896, 1}, {1379, 1},
               {2969, 2}, {1468, 2}, {1190, 2}, {2985, 2}, {1469, 2}, {822, 2}};
    return m;
}

void BM_FitNasa7Water(benchmark::State& state) {
    const PhysicalConstants c;
    const Molecule m = Water();
    for (auto _ : state) benchmark::DoNotOptimize(FitNasa7(c, m, {}));
}
BENCHMARK(BM_FitNasa7Water)->Unit(benchmark::kMillisecond);

void BM_FitNasa7Ethane(benchmark::State& state) {
    const PhysicalConstants c;
    const Molecule m = Ethane();
    for (auto _ : state) benchmark::DoNotOptimize(FitNasa7(c, m, {}));
}
BENCHMARK(BM_FitNasa7Ethane)->Unit(benchmark::kMillisecond);

}  // namespace
