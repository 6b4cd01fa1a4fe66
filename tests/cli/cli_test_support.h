#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace moltherm::cli::testing {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The library's entry point with the given arguments (without the program name), standard input
// and a clock fixed at "12/5/2026" and "3:04:05 AM".
RunResult RunInProcess(const std::vector<std::string>& args, const std::string& input = "");

// The installed program itself, run with the arguments and standard input.
RunResult RunProgram(const std::vector<std::string>& args, const std::string& input = "");

// A fresh directory, removed with its files at the end of the test.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string write(const std::string& name, const std::string& content) const;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::string ExamplePath(const std::string& name);

}  // namespace moltherm::cli::testing
