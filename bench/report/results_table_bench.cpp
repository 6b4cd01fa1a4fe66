// One complete results table text for water; target <= 5 us.
#include <benchmark/benchmark.h>

#include "report/results_table.h"
#include "tests/support/worked_examples.h"

namespace {

using namespace moltherm;

ThermoResults WaterResults() {
    return testing::ResultsAt(testing::WaterTexts(), "298.15");
}

void BM_FormatResultsTableWater(benchmark::State& state) {
    const PhysicalConstants c;
    const ThermoResults results = WaterResults();
    for (auto _ : state) {
        std::string table = FormatResultsTable(298.15, results, c.avogadro);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_FormatResultsTableWater);

}  // namespace
