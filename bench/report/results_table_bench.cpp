// One complete results table text for water; target <= 5 us.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "engine/calc_input.h"
#include "engine/thermo.h"
#include "report/results_table.h"
#include "tests/support/worked_examples.h"

namespace {

using namespace moltherm;

ThermoResults WaterResults(const PhysicalConstants& c) {
    const CalcInputTexts texts = testing::WaterTexts();
    MolecularData data;
    data.nModes = 3;
    if (ReadCalcInput(c, texts, data)) std::abort();
    StoreCoefficients(c, true, data);
    const ThermoOutcome outcome =
        ComputeThermo(c, data, "298.15", {texts.vibDegeneracies, texts.elecDegeneracies});
    if (!outcome.ok()) std::abort();
    return outcome.results;
}

void BM_FormatResultsTableWater(benchmark::State& state) {
    const PhysicalConstants c;
    const ThermoResults results = WaterResults(c);
    for (auto _ : state) {
        std::string table = FormatResultsTable(298.15, results, c.avogadro);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_FormatResultsTableWater);

}  // namespace
