// Reading a Gaussian frequency job of 100 atoms (294 modes); target, with the point-group
// perception that follows it, <= 50 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/support/gaussian_job.h"
#include "chem/point_group.h"
#include "qcio/molecule_modes.h"
#include "qcio/read_qc_file.h"

namespace {

using namespace moltherm::qcio;

using moltherm::bench::GaussianFrequencyJob;
using moltherm::bench::kAtoms;

void Check(const Result<QcResult>& read) {
    if (!read || read->atoms.size() != kAtoms || read->wavenumbers.size() != 3 * kAtoms - 6) {
        std::abort();
    }
}

// From the text in memory: the reader alone.
void BM_ReadGaussian100AtomsText(benchmark::State& state) {
    const std::string text = GaussianFrequencyJob();
    Check(ReadQcText(text, "job.log"));
    for (auto _ : state) {
        auto read = ReadQcText(text, "job.log");
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadGaussian100AtomsText)->Unit(benchmark::kMillisecond);

// From the file, to the molecule's mode rows: what opening the file costs before the geometry.
void BM_ReadGaussian100AtomsFile(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "moltherm_qcio_bench_job.log";
    std::ofstream(path, std::ios::binary) << GaussianFrequencyJob();
    Check(ReadQcFile(path));
    for (auto _ : state) {
        auto read = ReadQcFile(path);
        auto modes = ModesOf(*read, false);
        benchmark::DoNotOptimize(modes);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadGaussian100AtomsFile)->Unit(benchmark::kMillisecond);

// The whole target: the file read, its modes, and the point group of its geometry.
void BM_ReadAndPerceive100Atoms(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "moltherm_qcio_bench_perceive.log";
    std::ofstream(path, std::ios::binary) << GaussianFrequencyJob();
    for (auto _ : state) {
        auto read = ReadQcFile(path);
        auto modes = ModesOf(*read, false);
        auto group = moltherm::chem::PerceivePointGroup(read->atoms);
        benchmark::DoNotOptimize(modes);
        benchmark::DoNotOptimize(group);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAndPerceive100Atoms)->Unit(benchmark::kMillisecond);

}  // namespace
