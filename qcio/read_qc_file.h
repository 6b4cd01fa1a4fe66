#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "qcio/qc_result.h"
#include "qcio/result.h"
#include "qcio/xtb_reader.h"

namespace moltherm::qcio {

enum class QcFormat { Gaussian, Orca, OrcaHessian, Xtb, Psi4, Molden };

// The format of a text, told from its content (banners, first lines), never from a file name.
std::optional<QcFormat> DetectFormat(std::string_view text);

// The largest output read [bytes]; a frequency job of a few hundred atoms stays far below.
inline constexpr std::uintmax_t kMaxOutputSize = 256u << 20;

// Reads the text of an output whose name (used in messages) is fileName. Files it names (xtb's
// coordinate file) come from `companions`. Whatever the text, the answer is a result or one line
// "<fileName>: <what is wrong>".
Result<QcResult> ReadQcText(std::string_view text, std::string_view fileName,
                            const CompanionReader& companions = {});

// Reads a file; the messages name it by its file name, and its companions are looked up in its
// folder.
Result<QcResult> ReadQcFile(const std::filesystem::path& path);

}  // namespace moltherm::qcio
