#include "gui/qt_printer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include "gui/default_printer.h"
#include "gui/monospaced_font.h"
#include "gui/page_layout.h"

namespace moltherm::gui {

namespace {

QFont PrinterFont(const QString& name) {
    if (IsTypewriterFamily(name)) return MonospacedFont(name, QtPrinter::kPointSize);
    QFont font(name);
    font.setPointSizeF(QtPrinter::kPointSize);
    return font;
}

}  // namespace

QtPrinter::QtPrinter()
    : fontName_(QGuiApplication::font().family()), font_(PrinterFont(fontName_)) {}

QtPrinter::~QtPrinter() {
    abandonDocument();
}

std::string QtPrinter::fontName() const {
    return fontName_.toStdString();
}

void QtPrinter::setFontName(const std::string& name) {
    fontName_ = QString::fromStdString(name);
    font_ = PrinterFont(fontName_);
    if (painter_) painter_->setFont(font_);
}

std::optional<std::string> QtPrinter::beginDocument() {
    auto document = BeginDefaultPrinterDocument(QStringLiteral("Moltherm Calculation"));
    if (!document) return document.error();
    printer_ = std::move(document->printer);
    painter_ = std::move(document->painter);
    painter_->setFont(font_);
    linesOnPage_ = 0;
    return std::nullopt;
}

void QtPrinter::abandonDocument() {
    if (painter_ && painter_->isActive()) {
        printer_->abort();
        painter_->end();
    }
    painter_.reset();
    printer_.reset();
}

std::optional<std::string> QtPrinter::print(const std::string& text) {
    if (!painter_) {
        if (auto error = beginDocument()) return error;
    }
    const QFontMetricsF metrics(font_, printer_.get());
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    const qreal pitch = metrics.horizontalAdvance(QLatin1Char('M'));
    const qreal lineHeight = metrics.lineSpacing();
    const int columns = static_cast<int>(page.width() / pitch);
    const int linesPerPage = static_cast<int>(page.height() / lineHeight);

    // The lines already on the current page belong to earlier texts of this document; the
    // first page of this text gets only the rest of it.
    std::string pending(static_cast<size_t>(linesOnPage_), '\n');
    pending += text;
    const std::vector<PrintedPage> pages = BreakIntoPages(pending, columns, linesPerPage);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            if (!printer_->newPage()) {
                abandonDocument();
                return "The printer could not start a new page";
            }
        }
        const size_t first = p == 0 ? static_cast<size_t>(linesOnPage_) : 0;
        for (size_t line = first; line < pages[p].size(); ++line) {
            const QPointF baseline(0, static_cast<qreal>(line) * lineHeight + metrics.ascent());
            painter_->drawText(baseline, QString::fromStdString(pages[p][line]));
        }
        linesOnPage_ = static_cast<int>(pages[p].size());
    }
    if (printer_->printerState() == QPrinter::Error) {
        abandonDocument();
        return "The printer reported an error";
    }
    return std::nullopt;
}

std::optional<std::string> QtPrinter::endDocument() {
    if (!painter_) return std::nullopt;
    const bool ended = painter_->end();
    const bool failed = !ended || printer_->printerState() == QPrinter::Error;
    painter_.reset();
    printer_.reset();
    if (failed) return "The printer could not finish the document";
    return std::nullopt;
}

}  // namespace moltherm::gui
