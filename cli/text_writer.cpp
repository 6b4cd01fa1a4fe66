#include "cli/text_writer.h"

namespace moltherm::cli {

void TextWriter::write(const MoleculeOutcome& outcome) {
    if (!outcome.ok()) return;
    const std::string& report = outcome.report;
    std::string& out = buffer();
    if (style().crlf) {
        out += report;
    } else {
        for (std::size_t i = 0; i < report.size(); ++i)
            if (!(report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n'))
                out.push_back(report[i]);
    }
    flushWhenFull();
}

}  // namespace moltherm::cli
