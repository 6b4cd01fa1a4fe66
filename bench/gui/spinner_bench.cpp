// A click on spnN's up arrow at N = 40 in the open window: the model's rebuild of the
// vibrational rows, the widgets of the three rows it adds, and the repaint, until the event
// queue is empty again. Run under a display or with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>

#include "bench/gui/resident_memory.h"
#include "gui/form_view.h"
#include "gui/moltherm_window.h"

namespace {

moltherm::gui::MolthermWindow* window = nullptr;

QWidget* Spinner() {
    return window->view().widgetFor(moltherm::app::ControlId{moltherm::app::ControlName::spnN});
}

void ClickArrow(int row) {
    QTest::mouseClick(Spinner(), Qt::LeftButton, {}, QPoint(8, row));
    QApplication::processEvents();
}
void ClickUp() {
    ClickArrow(3);
}
void ClickDown() {
    ClickArrow(13);
}

using moltherm::bench::ResidentKilobytes;

void BM_SpinnerUpAtForty(benchmark::State& state) {
    for (auto _ : state) {
        ClickUp();  // N 40 -> 41: three rows added
        state.PauseTiming();
        ClickDown();  // back to 40
        state.ResumeTiming();
    }
    state.counters["rows"] = window->form().nModes();
}
BENCHMARK(BM_SpinnerUpAtForty)->Unit(benchmark::kMillisecond);

void BM_SpinnerDownAtFortyOne(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ClickUp();
        state.ResumeTiming();
        ClickDown();  // N 41 -> 40: three rows removed
    }
}
BENCHMARK(BM_SpinnerDownAtFortyOne)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    moltherm::gui::PrepareApplication();
    auto owned = std::make_unique<moltherm::gui::MolthermWindow>();
    window = owned.get();
    window->view().open();
    window->view().activateWindow();
    if (!QTest::qWaitForWindowExposed(&window->view())) return 1;
    for (int n = 1; n < 40; ++n) ClickUp();
    if (window->form().find(moltherm::app::ControlName::txtN)->text != "40") return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("resident memory with 115 vibrational rows: %.1f MB\n",
                static_cast<double>(ResidentKilobytes()) / 1024.0);
    window = nullptr;
    return 0;
}
