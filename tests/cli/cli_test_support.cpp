#include "tests/cli/cli_test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "cli/run.h"
#include "report/clock.h"

namespace moltherm::cli::testing {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

RunResult RunInProcess(const std::vector<std::string>& args, const std::string& input) {
    std::vector<const char*> argv{"moltherm-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const FixedClock clock("12/5/2026", "3:04:05 AM");
    RunResult result;
    result.exitCode =
        RunCli(static_cast<int>(argv.size()), argv.data(), CliStreams{in, out, err}, clock);
    result.out = out.str();
    result.err = err.str();
    return result;
}

RunResult RunProgram(const std::vector<std::string>& args, const std::string& input) {
    const TempDir dir;
    const std::string inPath = dir.write("stdin", input);
    const std::filesystem::path outPath = dir.path() / "stdout";
    const std::filesystem::path errPath = dir.path() / "stderr";
    std::string command = ShellQuoted(MOLTHERM_CLI_PATH);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    command += " <" + ShellQuoted(inPath) + " >" + ShellQuoted(outPath.string()) + " 2>" +
               ShellQuoted(errPath.string());
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "moltherm-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temp dir");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& content) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << content;
    return file.string();
}

std::string ExamplePath(const std::string& name) {
    return std::string(MOLTHERM_EXAMPLES_DIR) + "/" + name;
}

}  // namespace moltherm::cli::testing
