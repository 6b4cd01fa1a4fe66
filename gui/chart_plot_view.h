#pragma once

#include <QChartView>
#include <vector>

#include "gui/plot_view.h"

class QChart;
class QGraphicsEllipseItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace moltherm::gui {

// The plot drawn with Qt Charts.
class ChartPlotView final : public QChartView, public PlotView {
    Q_OBJECT

  public:
    explicit ChartPlotView(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void setContent(const PlotContent& content) override;
    const PlotContent& content() const override { return content_; }
    QString pointerText() const override;
    void render(QPainter& painter, const QRectF& target) override;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void showPointerAt(QPointF position);
    void hidePointer();

    QChart* chart_;
    QValueAxis* xAxis_;
    QValueAxis* yAxis_;
    std::vector<QLineSeries*> series_;
    PlotContent content_;
    QGraphicsEllipseItem* marker_;
    QGraphicsRectItem* labelBox_;
    QGraphicsSimpleTextItem* label_;
};

}  // namespace moltherm::gui
