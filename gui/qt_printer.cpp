#include "gui/qt_printer.h"

#include <QDebug>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

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

// The error box is narrow: the window shows a short message, and the full reason goes to
// stderr and to lastFailure().
std::optional<std::string> QtPrinter::fail(const std::string& message, const QString& reason) {
    abandonDocument();
    qWarning().noquote() << QStringLiteral("moltherm: %1: %2").arg(message.c_str(), reason);
    lastFailure_ = PrintFailure{message, reason};
    return message;
}

QString QtPrinter::printerName() const {
    return printer_ ? printer_->printerName() : QString();
}

std::optional<std::string> QtPrinter::beginDocument() {
    lastFailure_.reset();
    // With a queue but no default, Qt would quietly pick the first queue; with no print
    // server, painting would silently print nothing. Both are refused here instead.
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return fail("No default printer",
                    QStringLiteral("the print system names no default printer"));
    printer_ = std::make_unique<QPrinter>(target, QPrinter::HighResolution);
    printer_->setDocName(QStringLiteral("Moltherm Calculation"));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get()))
        return fail("Printing failed",
                    QStringLiteral("printer %1 could not start the document").arg(printerName()));
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
            if (!printer_->newPage())
                return fail(
                    "Printing failed",
                    QStringLiteral("printer %1 could not start a new page").arg(printerName()));
        }
        const size_t first = p == 0 ? static_cast<size_t>(linesOnPage_) : 0;
        for (size_t line = first; line < pages[p].size(); ++line) {
            const QPointF baseline(0, static_cast<qreal>(line) * lineHeight + metrics.ascent());
            painter_->drawText(baseline, QString::fromStdString(pages[p][line]));
        }
        linesOnPage_ = static_cast<int>(pages[p].size());
    }
    if (printer_->printerState() == QPrinter::Error)
        return fail("Printing failed",
                    QStringLiteral("printer %1 reported an error").arg(printerName()));
    return std::nullopt;
}

std::optional<std::string> QtPrinter::endDocument() {
    if (!painter_) return std::nullopt;
    const bool ended = painter_->end();
    const QString name = printerName();
    const bool failed = !ended || printer_->printerState() == QPrinter::Error;
    painter_.reset();
    printer_.reset();
    if (failed)
        return fail("Printing failed",
                    QStringLiteral("printer %1 could not finish the document").arg(name));
    return std::nullopt;
}

}  // namespace moltherm::gui
