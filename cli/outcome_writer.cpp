#include "cli/outcome_writer.h"

#include "cli/csv_writer.h"
#include "cli/janaf_writer.h"
#include "cli/json_writer.h"
#include "cli/molecule_json_writer.h"
#include "cli/nasa7_writer.h"
#include "cli/text_writer.h"

namespace moltherm::cli {

void OutcomeWriter::flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    out_.flush();
    buffer_.clear();
}

std::unique_ptr<OutcomeWriter> MakeOutcomeWriter(std::ostream& out, const OutputStyle& style) {
    switch (style.format) {
        case OutputFormat::kJson:
            return std::make_unique<JsonWriter>(out, style);
        case OutputFormat::kCsv:
            return std::make_unique<CsvWriter>(out, style);
        case OutputFormat::kMolecule:
            return std::make_unique<MoleculeJsonWriter>(out, style);
        case OutputFormat::kJanaf:
            return std::make_unique<JanafWriter>(out, style);
        case OutputFormat::kChemkin:
        case OutputFormat::kCantera:
            return std::make_unique<Nasa7Writer>(out, style);
        case OutputFormat::kText:
            break;
    }
    return std::make_unique<TextWriter>(out, style);
}

}  // namespace moltherm::cli
