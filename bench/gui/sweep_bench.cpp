// The sweep window over 1,000 temperatures (100 to 3000 K by 2.9 K): a changed step recomputed,
// table and plot replaced, and the window repainted until the event queue is empty again. Run
// under a display or with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "calc/sweep.h"
#include "gui/moltherm_window.h"
#include "gui/sweep_window.h"

namespace {

using moltherm::Molecule;

// A molecule of 12 atoms with 30 modes, as an ordinary organic molecule has.
Molecule TwelveAtoms() {
    Molecule m;
    m.atoms = 12;
    m.molarMass = 78.11;
    m.shape = moltherm::Shape::kNonlinear;
    m.sigma = 12;
    m.rotationalConstants = {0.1896, 0.1896, 0.0948};
    for (int k = 0; k < 30; ++k) m.modes.push_back({400.0 + 105.0 * k, 1});
    return m;
}

moltherm::gui::SweepWindow* window = nullptr;

void BM_SweepComputeThousand(benchmark::State& state) {
    const Molecule m = TwelveAtoms();
    for (auto _ : state) {
        auto rows = moltherm::ComputeSweep({}, m, {}, {100, 3000, 2.9});
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_SweepComputeThousand)->Unit(benchmark::kMillisecond);

void BM_SweepWindowRecomputeAndRedraw(benchmark::State& state) {
    QLineEdit& step = window->stepField();
    bool alternate = false;
    for (auto _ : state) {
        // Two steps of 1,000 points each, so that every iteration changes table and plot.
        step.setText(alternate ? "2.9" : "2.8999");
        alternate = !alternate;
        emit step.editingFinished();
        QApplication::processEvents();  // the chart lays out its lines
        window->plot().widget()->repaint();
    }
    state.counters["rows"] = window->table().rowCount();
}
BENCHMARK(BM_SweepWindowRecomputeAndRedraw)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    moltherm::gui::PrepareApplication();
    moltherm::gui::SweepWindow sweep(TwelveAtoms(), {}, "C6H6");
    window = &sweep;
    sweep.show();
    if (!QTest::qWaitForWindowExposed(&sweep)) return 1;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
