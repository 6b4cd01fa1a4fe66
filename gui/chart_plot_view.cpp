#include "gui/chart_plot_view.h"

#include <QBrush>
#include <QChart>
#include <QGraphicsEllipseItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

namespace moltherm::gui {

namespace {

constexpr qreal kLabelOffset = 14;
constexpr qreal kLabelPadding = 4;
constexpr qreal kMarkerRadius = 4;

QString AxisTitle(const QString& name, const QString& unit) {
    return QStringLiteral("%1 [%2]").arg(name, unit);
}

// The lowest and highest value of every curve along one axis; a flat or empty set is widened
// so that the axis still has a length.
std::pair<qreal, qreal> Extent(const std::vector<PlotCurve>& curves,
                               qreal (QPointF::*along)() const) {
    qreal low = std::numeric_limits<qreal>::infinity();
    qreal high = -low;
    for (const PlotCurve& curve : curves)
        for (const QPointF& point : curve.points) {
            low = std::min(low, (point.*along)());
            high = std::max(high, (point.*along)());
        }
    if (low > high) return {0, 1};
    if (low == high) {
        const qreal pad = low == 0 ? 1 : std::abs(low) * 0.1;
        return {low - pad, high + pad};
    }
    return {low, high};
}

// 1, 2 or 5 times a power of ten, the nearest at or above `step`.
qreal RoundStep(qreal step) {
    const qreal power = std::pow(10.0, std::floor(std::log10(step)));
    for (const qreal factor : {1.0, 2.0, 5.0})
        if (factor * power >= step) return factor * power;
    return 10 * power;
}

}  // namespace

ChartPlotView::ChartPlotView(QWidget* parent)
    // The view's own chart from the start: one set later would leave the first undeleted.
    : QChartView(new QChart, parent),
      chart_(chart()),
      xAxis_(new QValueAxis),
      yAxis_(new QValueAxis),
      marker_(new QGraphicsEllipseItem(chart_)),
      labelBox_(new QGraphicsRectItem(chart_)),
      label_(new QGraphicsSimpleTextItem(labelBox_)) {
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setMinimumSize(320, 220);

    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(6, 6, 12, 6));
    for (QValueAxis* axis : {xAxis_, yAxis_}) {
        axis->setLabelFormat(QStringLiteral("%g"));
        QFont title = axis->titleFont();
        title.setPointSizeF(font().pointSizeF());
        title.setBold(false);
        axis->setTitleFont(title);
    }
    xAxis_->setTickType(QValueAxis::TicksDynamic);
    chart_->addAxis(xAxis_, Qt::AlignBottom);
    chart_->addAxis(yAxis_, Qt::AlignLeft);

    marker_->setRect(-kMarkerRadius, -kMarkerRadius, 2 * kMarkerRadius, 2 * kMarkerRadius);
    marker_->setPen(QPen(Qt::black, 1.5));
    labelBox_->setBrush(QColor(255, 255, 255, 230));
    labelBox_->setPen(QPen(QColor(120, 120, 120)));
    label_->setPos(kLabelPadding, kLabelPadding);
    for (QGraphicsItem* item :
         {static_cast<QGraphicsItem*>(marker_), static_cast<QGraphicsItem*>(labelBox_)})
        item->setZValue(100);
    hidePointer();
}

void ChartPlotView::setContent(const PlotContent& content) {
    hidePointer();
    content_ = content;
    while (series_.size() > content_.curves.size()) {
        chart_->removeSeries(series_.back());
        delete series_.back();
        series_.pop_back();
    }
    while (series_.size() < content_.curves.size()) {
        auto* series = new QLineSeries;
        chart_->addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(yAxis_);
        series_.push_back(series);
    }
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const PlotCurve& curve = content_.curves[i];
        series_[i]->setName(curve.name);
        QPen pen = series_[i]->pen();
        pen.setWidthF(curve.emphasised ? 3 : 2);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (curve.emphasised) pen.setColor(Qt::black);
        series_[i]->setPen(pen);
        series_[i]->replace(curve.points);
    }

    xAxis_->setTitleText(AxisTitle(content_.xName, content_.xUnit));
    yAxis_->setTitleText(AxisTitle(content_.yName, content_.yUnit));
    const auto [xLow, xHigh] = Extent(content_.curves, &QPointF::x);
    const auto [yLow, yHigh] = Extent(content_.curves, &QPointF::y);
    // The x axis keeps the range's ends, its ticks on round numbers; y is rounded outwards.
    xAxis_->setRange(xLow, xHigh);
    xAxis_->setTickAnchor(0);
    xAxis_->setTickInterval(RoundStep((xHigh - xLow) / 6));
    yAxis_->setRange(yLow, yHigh);
    yAxis_->applyNiceNumbers();
}

QString ChartPlotView::pointerText() const {
    return labelBox_->isVisible() ? label_->text() : QString();
}

void ChartPlotView::render(QPainter& painter, const QRectF& target) {
    const bool shown = labelBox_->isVisible();
    marker_->setVisible(false);
    labelBox_->setVisible(false);
    QGraphicsView::render(&painter, target, viewport()->rect(), Qt::KeepAspectRatio);
    marker_->setVisible(shown);
    labelBox_->setVisible(shown);
}

void ChartPlotView::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    showPointerAt(chart_->mapFromScene(mapToScene(event->position().toPoint())));
}

void ChartPlotView::leaveEvent(QEvent* event) {
    QChartView::leaveEvent(event);
    hidePointer();
}

// Finds the data point nearest to the pointer on screen among each line's two points either
// side of the pointer's x, marks it and labels it beside the pointer.
void ChartPlotView::showPointerAt(QPointF position) {
    const QRectF area = chart_->plotArea();
    if (!area.contains(position)) return hidePointer();
    const qreal x = chart_->mapToValue(position).x();
    qreal best = std::numeric_limits<qreal>::infinity();
    const PlotCurve* nearestCurve = nullptr;
    QPointF nearest, nearestOnScreen;
    for (std::size_t i = 0; i < content_.curves.size(); ++i) {
        const QList<QPointF>& points = content_.curves[i].points;
        const auto after = std::lower_bound(points.begin(), points.end(), x,
                                            [](const QPointF& p, qreal v) { return p.x() < v; });
        for (auto it = after == points.begin() ? after : after - 1;
             it != points.end() && it <= after; ++it) {
            const QPointF onScreen = chart_->mapToPosition(*it, series_[i]);
            const QPointF d = onScreen - position;
            const qreal distance = QPointF::dotProduct(d, d);
            if (distance < best) {
                best = distance;
                nearestCurve = &content_.curves[i];
                nearest = *it;
                nearestOnScreen = onScreen;
            }
        }
    }
    if (!nearestCurve) return hidePointer();

    label_->setText(QStringLiteral("%1\n%2 = %3 %4\n%5 = %6 %7")
                        .arg(nearestCurve->name, content_.xName,
                             QString::number(nearest.x(), 'g', 12), content_.xUnit, content_.yName,
                             QString::number(nearest.y(), 'f', 3), content_.yUnit));
    const QSizeF box = label_->boundingRect().size() + QSizeF(2 * kLabelPadding, 2 * kLabelPadding);
    labelBox_->setRect(QRectF(QPointF(0, 0), box));
    // Beside the pointer, flipped to its other side where the plot area ends.
    QPointF corner = position + QPointF(kLabelOffset, kLabelOffset);
    if (corner.x() + box.width() > area.right())
        corner.rx() = position.x() - kLabelOffset - box.width();
    if (corner.y() + box.height() > area.bottom())
        corner.ry() = position.y() - kLabelOffset - box.height();
    labelBox_->setPos(corner);
    marker_->setPos(nearestOnScreen);
    marker_->setVisible(true);
    labelBox_->setVisible(true);
}

void ChartPlotView::hidePointer() {
    marker_->setVisible(false);
    labelBox_->setVisible(false);
}

}  // namespace moltherm::gui
