#include "cli/janaf_writer.h"

#include "report/janaf_table.h"
#include "report/option_lines.h"

namespace moltherm::cli {

void JanafWriter::write(const MoleculeOutcome& outcome) {
    if (!outcome.ok()) return;
    JanafMolecule molecule{outcome.entry.name.value_or(""), outcome.entry.formula.value_or(""), {}};
    for (const TemperatureResult& result : outcome.results)
        molecule.rows.push_back({result.text, result.results.total.cp, result.results.total.s,
                                 result.reference.value_or(ReferenceFunctions{})});
    if (!first_) buffer() += eol();
    first_ = false;
    buffer() +=
        FormatJanafTables({molecule}, eol(), StandardStateText(style().thermo.standardState));
    flushWhenFull();
}

}  // namespace moltherm::cli
