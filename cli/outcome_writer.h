#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "cli/molecule_calc.h"
#include "engine/constants.h"
#include "engine/nasa7.h"
#include "engine/options.h"

namespace moltherm::cli {

enum class OutputFormat { kText, kJson, kCsv, kMolecule, kJanaf, kChemkin, kCantera };

struct OutputStyle {
    OutputFormat format = OutputFormat::kText;
    bool crlf = false;  // CR LF line ends instead of LF
    std::string stamp;  // the text heading's date and time
    double avogadro = PhysicalConstants{}.avogadro;
    ThermoOptions thermo;     // the options every molecule was computed with
    Nasa7Temperatures nasa7;  // the ranges of the polynomials
};

// Writes the molecules' outcomes to standard output in one format, in the order given.
// Output is collected and written in large pieces: thousands of molecules go out in few writes.
class OutcomeWriter {
  public:
    OutcomeWriter(std::ostream& out, OutputStyle style) : out_(out), style_(std::move(style)) {}
    virtual ~OutcomeWriter() = default;
    OutcomeWriter(const OutcomeWriter&) = delete;
    OutcomeWriter& operator=(const OutcomeWriter&) = delete;

    virtual void begin() {}
    virtual void write(const MoleculeOutcome& outcome) = 0;
    virtual void end() {}
    // Sends what is collected; the caller's last step.
    void flush();

  protected:
    const OutputStyle& style() const { return style_; }
    const char* eol() const { return style_.crlf ? "\r\n" : "\n"; }
    std::string& buffer() { return buffer_; }
    void flushWhenFull() {
        if (buffer_.size() >= kFlushSize) flush();
    }

  private:
    static constexpr std::size_t kFlushSize = 1 << 16;
    std::ostream& out_;
    OutputStyle style_;
    std::string buffer_;
};

std::unique_ptr<OutcomeWriter> MakeOutcomeWriter(std::ostream& out, const OutputStyle& style);

}  // namespace moltherm::cli
