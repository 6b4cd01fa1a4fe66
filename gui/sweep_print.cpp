#include "gui/sweep_print.h"

#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "gui/default_printer.h"
#include "gui/monospaced_font.h"
#include "gui/page_layout.h"
#include "gui/qt_printer.h"

namespace moltherm::gui {

std::optional<std::string> PrintSweep(PlotView& plot, const std::string& heading,
                                      const std::string& tableText) {
    auto document = BeginDefaultPrinterDocument(QStringLiteral("Moltherm Temperature Sweep"));
    if (!document) return document.error();
    QPrinter& printer = *document->printer;
    QPainter& painter = *document->painter;

    const QFont font = MonospacedFont(QStringLiteral("courier"), QtPrinter::kPointSize);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const qreal lineHeight = metrics.lineSpacing();
    const int columns =
        static_cast<int>(page.width() / metrics.horizontalAdvance(QLatin1Char('M')));
    const int linesPerPage = static_cast<int>(page.height() / lineHeight);

    // The plot keeps the widget's proportions and takes the lines below the heading; the
    // table's first page holds the rest, as blank lines stand in for the plot.
    const QSizeF shown = plot.widget()->size().expandedTo(QSize(1, 1));
    const qreal plotHeight =
        std::min(page.width() * shown.height() / shown.width(), page.height() * 0.6);
    const int plotLines = static_cast<int>(std::ceil(plotHeight / lineHeight)) + 1;
    const std::string text =
        heading + '\n' + std::string(static_cast<std::size_t>(plotLines + 1), '\n') + tableText;
    const std::vector<PrintedPage> pages = BreakIntoPages(text, columns, linesPerPage);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            printer.abort();
            return "The printer could not start a new page";
        }
        if (p == 0) plot.render(painter, QRectF(0, 2 * lineHeight, page.width(), plotHeight));
        painter.setFont(font);
        for (std::size_t line = 0; line < pages[p].size(); ++line) {
            const QPointF baseline(0, static_cast<qreal>(line) * lineHeight + metrics.ascent());
            painter.drawText(baseline, QString::fromStdString(pages[p][line]));
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return "The printer could not finish the document";
    return std::nullopt;
}

}  // namespace moltherm::gui
