#pragma once

#include <optional>
#include <string>

namespace moltherm {

// The default printer as the print command uses it. Each operation that can fail returns the
// message of the failure, short enough for the window's error box ("Printing failed"); the
// window's platform layer implements it and passes the full reason on by its own means.
class Printer {
  public:
    virtual ~Printer() = default;
    virtual std::string fontName() const = 0;
    virtual void setFontName(const std::string& name) = 0;
    // Prints the text; its line breaks start new lines, page breaks are the printer's business.
    virtual std::optional<std::string> print(const std::string& text) = 0;
    // Ends the document and releases its pages to the printer.
    virtual std::optional<std::string> endDocument() = 0;
};

// Prints summary and tables as one text in "courier", ending the document, and restores the
// printer's font whatever happened. Returns the failure's message, if any.
std::optional<std::string> PrintReport(Printer& printer, const std::string& summaryText,
                                       const std::string& tableText);

}  // namespace moltherm
