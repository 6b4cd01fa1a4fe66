#include "qcio/read_qc_file.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "qcio/gaussian_reader.h"
#include "qcio/molden_reader.h"
#include "qcio/orca_reader.h"
#include "qcio/psi4_reader.h"
#include "qcio/reader_support.h"
#include "qcio/text_scan.h"

namespace moltherm::qcio {
namespace {

// Banners sit near the top; a damaged or foreign file is not searched to its end.
constexpr std::size_t kHeadSize = std::size_t{64} * 1024;

std::string_view FirstNonBlankLine(std::string_view text) {
    for (std::string_view line : SplitLines(text.substr(0, kHeadSize))) {
        if (!Trim(line).empty()) return Trim(line);
    }
    return {};
}

// Text outputs hold tabs and line ends but no other control characters; a NUL byte or more than a
// few of the others mean a binary file (a checkpoint, an archive, an image).
bool LooksBinary(std::string_view text) {
    const std::string_view head = text.substr(0, kHeadSize);
    std::size_t control = 0;
    for (char c : head) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0) return true;
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v') ++control;
    }
    return control * 100 > head.size();
}

std::string Megabytes(std::uintmax_t bytes) {
    return std::to_string(bytes >> 20) + " MB";
}

Failure TooLarge(std::string_view fileName, std::uintmax_t size) {
    return FileFailure(fileName, "too large (" + Megabytes(size) + "; outputs up to " +
                                     Megabytes(kMaxOutputSize) + " are read)");
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(text).str();
}

}  // namespace

std::optional<QcFormat> DetectFormat(std::string_view text) {
    const std::string_view first = FirstNonBlankLine(text);
    if (first == "$orca_hessian_file") return QcFormat::OrcaHessian;
    std::string title(first.substr(0, 15));
    for (char& c : title) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (title == "[MOLDEN FORMAT]") return QcFormat::Molden;
    const std::string_view head = text.substr(0, kHeadSize);
    if (Contains(head, "Entering Gaussian System") || Contains(head, "Gaussian, Inc.")) {
        return QcFormat::Gaussian;  // the g98.out xtb writes included
    }
    if (Contains(head, "* O   R   C   A *")) return QcFormat::Orca;
    if (Contains(head, "x T B") || Contains(head, "xtb version")) return QcFormat::Xtb;
    if (Contains(head, "Psi4: An Open-Source Ab Initio")) return QcFormat::Psi4;
    return std::nullopt;
}

Result<QcResult> ReadQcText(std::string_view text, std::string_view fileName,
                            const CompanionReader& companions) {
    if (Trim(text).empty()) return FileFailure(fileName, "the file is empty");
    if (text.size() > kMaxOutputSize) return TooLarge(fileName, text.size());
    if (LooksBinary(text))
        return FileFailure(fileName, "a binary file, not a program's text output");
    const auto format = DetectFormat(text);
    if (!format) {
        return FileFailure(fileName,
                           "not an output of a supported program (Gaussian, ORCA, xtb, Psi4 or "
                           "Molden)");
    }
    switch (*format) {
        case QcFormat::Gaussian:
            return ReadGaussian(text, fileName);
        case QcFormat::Orca:
            return ReadOrcaOutput(text, fileName);
        case QcFormat::OrcaHessian:
            return ReadOrcaHessian(text, fileName);
        case QcFormat::Xtb:
            return ReadXtbOutput(text, fileName, companions);
        case QcFormat::Psi4:
            return ReadPsi4(text, fileName);
        case QcFormat::Molden:
            return ReadMolden(text, fileName);
    }
    return FileFailure(fileName, "unknown format");
}

Result<QcResult> ReadQcFile(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return FileFailure(
            name, std::filesystem::exists(path, error) ? "not a regular file" : "no such file");
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return FileFailure(name, "cannot be read");
    if (size > kMaxOutputSize) return TooLarge(name, size);
    const auto text = ReadWholeFile(path);
    if (!text) return FileFailure(name, "cannot be read");
    const std::filesystem::path folder = path.parent_path();
    const CompanionReader companions =
        [&folder](std::string_view companion) -> std::optional<std::string> {
        const std::filesystem::path file = folder / std::filesystem::path(companion);
        std::error_code e;
        if (!std::filesystem::is_regular_file(file, e)) return std::nullopt;
        const std::uintmax_t bytes = std::filesystem::file_size(file, e);
        if (e || bytes > kMaxOutputSize) return std::nullopt;
        return ReadWholeFile(file);
    };
    return ReadQcText(*text, name, companions);
}

}  // namespace moltherm::qcio
