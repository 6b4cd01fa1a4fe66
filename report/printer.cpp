#include "report/printer.h"

namespace moltherm {

std::optional<std::string> PrintReport(Printer& printer, const std::string& summaryText,
                                       const std::string& tableText) {
    const std::string previousFont = printer.fontName();
    printer.setFontName("courier");
    std::optional<std::string> error = printer.print(summaryText + tableText);
    if (!error) error = printer.endDocument();
    printer.setFontName(previousFont);
    return error;
}

}  // namespace moltherm
