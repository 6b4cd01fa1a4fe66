#pragma once

// Runs of the program as the tests need them, and small text helpers.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "cli/run.h"
#include "tests/support/scratch_file.h"
#include "tests/support/worked_examples.h"

namespace moltherm::cli::testing {

using namespace moltherm::testing;

struct RunResult {
    int exitCode = -1;
    std::string out, err;
    bool operator==(const RunResult&) const = default;
};

inline void PrintTo(const RunResult& run, std::ostream* os) {
    *os << "exit " << run.exitCode << ", out " << ::testing::PrintToString(run.out) << ", err "
        << ::testing::PrintToString(run.err);
}

// The library's entry point (arguments without the program name), with the clock at the worked
// examples' date and time.
inline RunResult RunInProcess(const std::vector<std::string>& args, const std::string& input = "") {
    std::vector<const char*> argv{"moltherm-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const FixedClock clock(kReportDate, kReportTime);
    const int exitCode = RunCli(static_cast<int>(argv.size()), argv.data(), {in, out, err}, clock);
    return {exitCode, out.str(), err.str()};
}

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The installed program itself, run with the arguments and standard input.
inline RunResult RunProgram(const std::vector<std::string>& args, const std::string& input = "") {
    std::string command = ShellQuoted(MOLTHERM_CLI_PATH);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    command += " <" + ShellQuoted(ScratchFile("in", &input)) + " >" +
               ShellQuoted(ScratchFile("out")) + " 2>" + ShellQuoted(ScratchFile("err"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(ScratchFile("out")),
            ReadFile(ScratchFile("err"))};
}

inline std::string ExamplePath(const std::string& name) {
    return std::string(MOLTHERM_EXAMPLES_DIR) + "/" + name;
}

// The pieces between the separators, the last one what follows the last separator; none for "".
inline std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + separator.size())
        pieces.push_back(text.substr(start, end - start));
    if (!text.empty()) pieces.push_back(text.substr(start));
    return pieces;
}

}  // namespace moltherm::cli::testing
