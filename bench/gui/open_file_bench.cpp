// Opening a Gaussian frequency job of 100 atoms (294 modes) in the window, from the file to the
// last of its rows drawn: reading, the point group, the atom spinner's steps that add the rows,
// the typed wavenumbers and the repaint; target <= 300 ms. Run under a display or with
// QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "bench/support/gaussian_job.h"
#include "gui/form_view.h"
#include "gui/moltherm_window.h"

namespace {

moltherm::gui::MolthermWindow* window = nullptr;
std::filesystem::path job;

void BM_OpenGaussian100Atoms(benchmark::State& state) {
    using moltherm::app::ControlName;
    for (auto _ : state) {
        window->openFile(QString::fromStdString(job.string()));
        QApplication::processEvents();
        state.PauseTiming();
        if (window->form().nModes() != 3 * moltherm::bench::kAtoms - 6) {
            state.SkipWithError("the job did not open");
            break;
        }
        // Back to an atom, so that every opening adds all the rows again.
        while (window->form().find(ControlName::txtN)->text != "1")
            window->form().DecreaseAtomCount();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenGaussian100Atoms)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    moltherm::gui::PrepareApplication();
    job = std::filesystem::temp_directory_path() / "moltherm_open_bench_job.log";
    std::ofstream(job, std::ios::binary) << moltherm::bench::GaussianFrequencyJob();
    auto owned = std::make_unique<moltherm::gui::MolthermWindow>();
    window = owned.get();
    window->view().open();
    window->view().activateWindow();
    if (!QTest::qWaitForWindowExposed(&window->view())) return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window = nullptr;
    std::filesystem::remove(job);
    return 0;
}
