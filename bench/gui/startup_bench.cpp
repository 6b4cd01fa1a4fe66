// Time from process start to the first painted window, and the window's resident memory.
// Run under a display (e.g. xvfb-run -a -s "-screen 0 1280x1024x24"). Without arguments it
// starts itself as a child several times: the child opens the window exactly as moltherm
// does, reports the monotonic time of its first paint and its resident memory, and quits.
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/gui/resident_memory.h"
#include "gui/run.h"

extern char** environ;

namespace {

constexpr int kRuns = 15;

double MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

using moltherm::bench::ResidentKilobytes;

// Notes the first paint of any widget of the window; once that paint is on screen, reports
// and quits.
class FirstPaint final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%.3f %ld\n", MonotonicMs(), ResidentKilobytes());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

int RunChild(int argc, char** argv) {
    FirstPaint firstPaint;
    return moltherm::gui::RunMoltherm(
        argc, argv, [&](moltherm::gui::FormView&) { qApp->installEventFilter(&firstPaint); });
}

struct Sample {
    double startupMs;
    long residentKb;
};

bool RunOnce(const char* self, Sample& sample) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char child[] = "--child";
    char* arguments[] = {const_cast<char*>(self), child, nullptr};
    const double started = MonotonicMs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    double painted = 0;
    if (std::sscanf(text.c_str(), "%lf %ld", &painted, &sample.residentKb) != 2) return false;
    sample.startupMs = painted - started;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) return RunChild(argc, argv);

    std::vector<Sample> samples;
    for (int run = 0; run < kRuns; ++run) {
        Sample sample{};
        if (!RunOnce("/proc/self/exe", sample)) {
            std::fprintf(stderr,
                         "startup_bench: the window did not open and paint (no display?)\n");
            return 1;
        }
        samples.push_back(sample);
    }
    std::vector<double> times;
    long residentMax = 0;
    for (const Sample& s : samples) {
        times.push_back(s.startupMs);
        residentMax = std::max(residentMax, s.residentKb);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "start to first paint over %d runs: median %.1f ms, best %.1f ms, worst %.1f ms "
        "(target <= 300 ms)\n",
        kRuns, times[times.size() / 2], times.front(), times.back());
    std::printf("resident memory at first paint: at most %.1f MB (target <= 80 MB)\n",
                static_cast<double>(residentMax) / 1024.0);
    return 0;
}
