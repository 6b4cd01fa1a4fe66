#include "gui/plot_export.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QWidget>

namespace moltherm::gui {

namespace {

constexpr qreal kPngScale = 2;
// SVG and PDF draw a screen pixel as 1/96 inch, as browsers do.
constexpr int kDotsPerInch = 96;

QString CannotWrite(const QString& path) {
    return QStringLiteral("Could not write %1").arg(path);
}

}  // namespace

std::optional<QString> ExportPlot(PlotView& plot, const QString& path, PlotFileFormat format,
                                  const QString& title) {
    const QSize size = plot.widget()->size();
    const QRectF target(QPointF(0, 0), QSizeF(size));
    QPainter painter;
    switch (format) {
        case PlotFileFormat::kPng: {
            QImage image(size * kPngScale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(kPngScale);
            image.fill(Qt::white);
            painter.begin(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            plot.render(painter, target);
            painter.end();
            if (!image.save(path, "PNG")) return CannotWrite(path);
            return std::nullopt;
        }
        case PlotFileFormat::kSvg: {
            QSvgGenerator svg;
            svg.setFileName(path);
            svg.setResolution(kDotsPerInch);
            svg.setSize(size);
            svg.setViewBox(target);
            svg.setTitle(title);
            if (!painter.begin(&svg)) return CannotWrite(path);
            plot.render(painter, target);
            if (!painter.end()) return CannotWrite(path);
            return std::nullopt;
        }
        case PlotFileFormat::kPdf: {
            // One page the size of the plot.
            QPdfWriter pdf(path);
            pdf.setTitle(title);
            pdf.setCreator(QStringLiteral("Moltherm"));
            pdf.setResolution(kDotsPerInch);
            pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kDotsPerInch, QPageSize::Point));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            if (!painter.begin(&pdf)) return CannotWrite(path);
            plot.render(painter, target);
            if (!painter.end()) return CannotWrite(path);
            return std::nullopt;
        }
    }
    return CannotWrite(path);
}

}  // namespace moltherm::gui
