#pragma once

// Files the tests write, in a directory of this run of the tests: ctest runs cases as parallel
// processes, so no two of them may share a path.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace moltherm::testing {

// A path in this run's directory, removed at its end; written when content is given.
inline std::string ScratchFile(const std::string& name, const std::string* content = nullptr) {
    static const struct Dir {
        std::string path = (std::filesystem::temp_directory_path() / "moltherm-XXXXXX").string();
        Dir() {
            if (mkdtemp(path.data()) == nullptr) std::abort();
        }
        ~Dir() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } dir;
    std::string path = dir.path + "/" + name;
    if (content != nullptr) std::ofstream(path, std::ios::binary) << *content;
    return path;
}

inline std::string ReadFile(const std::string& path) {
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

}  // namespace moltherm::testing
