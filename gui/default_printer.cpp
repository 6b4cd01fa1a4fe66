#include "gui/default_printer.h"

#include <QPrinterInfo>

namespace moltherm::gui {

Expected<PrinterDocument, std::string> BeginDefaultPrinterDocument(const QString& documentName) {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) return Unexpected{std::string("No default printer")};
    PrinterDocument document{std::make_unique<QPrinter>(target, QPrinter::HighResolution),
                             std::make_unique<QPainter>()};
    document.printer->setDocName(documentName);
    if (!document.painter->begin(document.printer.get()))
        return Unexpected{"Printer " + target.printerName().toStdString() +
                          " could not start the document"};
    return document;
}

}  // namespace moltherm::gui
