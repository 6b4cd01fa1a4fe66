#pragma once

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>
#include <string>

#include "engine/expected.h"

namespace moltherm::gui {

// A document open on a printer, painting into its first page.
struct PrinterDocument {
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;
};

// Opens a document on the system's default printer, looked up afresh. With a queue but no
// default, Qt would quietly pick the first queue; with no print server, painting would
// silently print nothing. Both are refused here with a one-line message instead.
Expected<PrinterDocument, std::string> BeginDefaultPrinterDocument(const QString& documentName);

}  // namespace moltherm::gui
