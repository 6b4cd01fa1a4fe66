// Perceiving the point group of a 100-atom molecule, with the molar mass, rotational constants
// and formula a reader needs beside it. Target, together with reading the file: 50 ms.
#include <benchmark/benchmark.h>

#include <random>

#include "chem/rigid_rotor.h"
#include "tests/chem/molecules.h"

namespace moltherm::chem {
namespace {

// 100 atoms of an organic molecule's make-up (C40 H52 N4 O4) scattered in a 7 Angstrom ball no
// closer than 1 Angstrom to each other, printed to 6 decimals: no symmetry at all.
std::vector<Atom> Unsymmetric100() {
    std::mt19937 rng(2024);
    std::uniform_real_distribution<double> coordinate(-7, 7);
    std::vector<Atom> atoms;
    const char* symbols[] = {"C", "H", "N", "O"};
    const int counts[] = {40, 52, 4, 4};
    for (int kind = 0; kind < 4; ++kind) {
        for (int placed = 0; placed < counts[kind];) {
            const Atom a = testing::At(symbols[kind], std::round(coordinate(rng) * 1e6) / 1e6,
                                       std::round(coordinate(rng) * 1e6) / 1e6,
                                       std::round(coordinate(rng) * 1e6) / 1e6);
            double r2 = 0;
            for (double x : a.position) r2 += x * x;
            bool clear = r2 < 49;
            for (const Atom& b : atoms) {
                double d2 = 0;
                for (int k = 0; k < 3; ++k) d2 += std::pow(a.position[k] - b.position[k], 2);
                clear = clear && d2 >= 1;
            }
            if (!clear) continue;
            atoms.push_back(a);
            ++placed;
        }
    }
    return atoms;
}

void Analyse(benchmark::State& state, const std::vector<Atom>& atoms, const char* expected) {
    for (auto _ : state) {
        const RigidRotor rotor = DescribeRigidRotor(atoms);
        if (rotor.pointGroup.name != expected) {
            state.SkipWithError(("perceived " + rotor.pointGroup.name).c_str());
        }
    }
}

void BM_PointGroupFullereneIh(benchmark::State& state) {
    Analyse(state, testing::Fullerene(), "Ih");
}
BENCHMARK(BM_PointGroupFullereneIh)->Unit(benchmark::kMillisecond);

void BM_PointGroupUnsymmetric100Atoms(benchmark::State& state) {
    Analyse(state, Unsymmetric100(), "C1");
}
BENCHMARK(BM_PointGroupUnsymmetric100Atoms)->Unit(benchmark::kMillisecond);

void BM_PointGroupBenzeneFromOutput(benchmark::State& state) {
    Analyse(state, testing::Geometry("Benzene"), "D6h");
}
BENCHMARK(BM_PointGroupBenzeneFromOutput)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace moltherm::chem
