// The program end to end: 10,000 molecules at 10 temperatures, JSON out, target <= 1 s; 1,000
// molecules fitted to NASA-7 polynomials, Chemkin out, target <= 2 s. The input files are
// written once to a temp dir; the program's output goes to /dev/null.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/run.h"
#include "report/clock.h"

extern char** environ;

namespace {

constexpr int kMolecules = 10000;
const std::vector<std::string> kTemperatures = {"100", "200", "298.15", "400",  "500",
                                                "600", "800", "1000",   "1500", "2000"};

// Water, ammonia, a diatomic and an atom in turn, each with its own name and a mass that
// differs, so that no two molecules are the same text.
std::string MoleculeFile(int count) {
    std::ostringstream json;
    json << "[\n";
    for (int i = 0; i < count; ++i) {
        const double shift = 0.001 * (i % 997);
        json << (i ? ",\n" : "");
        switch (i % 4) {
            case 0:
                json << R"({"name": "H2O_)" << i << R"(", "formula": "H2O", "molar_mass": )"
                     << 18.015 + shift
                     << R"(, "atoms": 3, "shape": "nonlinear", "symmetry_number": 2,)"
                     << R"( "rotational_constants": [27.877, 14.512, 9.285], "vibrations": [)"
                     << R"({"wavenumber": 3657}, {"wavenumber": 1595}, {"wavenumber": 3756}]})";
                break;
            case 1:
                json << R"({"name": "NH3_)" << i << R"(", "formula": "NH3", "molar_mass": )"
                     << 17.031 + shift
                     << R"(, "atoms": 4, "shape": "nonlinear", "symmetry_number": 3,)"
                     << R"( "rotational_constants": [9.44, 9.44, 6.20], "vibrations": [)"
                     << R"({"wavenumber": 3337}, {"wavenumber": 950},)"
                     << R"( {"wavenumber": 3444, "degeneracy": 2},)"
                     << R"( {"wavenumber": 1627, "degeneracy": 2}]})";
                break;
            case 2:
                json
                    << R"({"name": "O2_)" << i << R"(", "formula": "O2", "molar_mass": )"
                    << 31.998 + shift << R"(, "atoms": 2, "shape": "linear", "symmetry_number": 2,)"
                    << R"( "rotational_constants": [1.4377], "vibrations": [{"wavenumber": 1580.19}],)"
                    << R"( "electronic_levels": [{"energy": 0, "degeneracy": 3},)"
                    << R"( {"energy": 7918.1, "degeneracy": 2}]})";
                break;
            default:
                json << R"({"name": "Ar_)" << i << R"(", "formula": "Ar", "molar_mass": )"
                     << 39.948 + shift << R"(, "atoms": 1})";
        }
    }
    json << "\n]\n";
    return json.str();
}

class InputFile {
  public:
    explicit InputFile(int count) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "moltherm-cli-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        dir_ = pattern;
        path_ = (dir_ / "molecules.json").string();
        std::ofstream(path_) << MoleculeFile(count);
    }
    ~InputFile() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    const std::string& path() const { return path_; }

  private:
    std::filesystem::path dir_;
    std::string path_;
};

const InputFile& Input() {
    static const InputFile input(kMolecules);
    return input;
}

std::vector<std::string> Arguments() {
    std::vector<std::string> args{MOLTHERM_CLI_PATH, Input().path(), "--format", "json"};
    for (const std::string& t : kTemperatures) {
        args.push_back("-T");
        args.push_back(t);
    }
    return args;
}

// Runs the program with `args` (the executable first) until the benchmark has its time.
void RunExecutable(benchmark::State& state, const std::vector<std::string>& args, int molecules) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start moltherm-cli");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("moltherm-cli failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    state.counters["molecules/s"] =
        benchmark::Counter(molecules, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_CliExecutableJson(benchmark::State& state) {
    RunExecutable(state, Arguments(), kMolecules);
}
BENCHMARK(BM_CliExecutableJson)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_CliExecutableChemkin(benchmark::State& state) {
    constexpr int kFitted = 1000;
    static const InputFile input(kFitted);
    RunExecutable(state, {MOLTHERM_CLI_PATH, input.path(), "--format", "chemkin"}, kFitted);
}
BENCHMARK(BM_CliExecutableChemkin)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// The same run through the library's entry point, for profiling without a process.
class NullBuffer final : public std::streambuf {
  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return c; }
};

void BM_CliLibraryJson(benchmark::State& state) {
    const std::vector<std::string> args = Arguments();
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    const moltherm::FixedClock clock("12/5/2026", "3:04:05 AM");
    NullBuffer nothing;
    std::ostream out(&nothing);
    std::ostringstream err;
    std::istringstream in;
    for (auto _ : state) {
        const int status = moltherm::cli::RunCli(static_cast<int>(argv.size()), argv.data(),
                                                 {in, out, err}, clock);
        if (status != 0) {
            state.SkipWithError("RunCli failed");
            break;
        }
    }
}
BENCHMARK(BM_CliLibraryJson)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace
