#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

class QPainter;
class QRectF;
class QWidget;

namespace moltherm::gui {

// One line of a plot, its points in ascending x.
struct PlotCurve {
    QString name;
    QList<QPointF> points;
    bool emphasised = false;  // drawn heavier, as the total is
};

// What a plot shows: the axes' quantities and units ("T", "K") and its lines.
struct PlotContent {
    QString xName;
    QString xUnit;
    QString yName;
    QString yUnit;
    std::vector<PlotCurve> curves;
};

// A line plot with axis titles, a legend and a label at the pointer giving the value of the
// nearest point. The window only knows this interface, so that the charting library behind it
// can change.
class PlotView {
  public:
    virtual ~PlotView() = default;
    virtual QWidget* widget() = 0;
    // Replaces the lines and fits the axes to them.
    virtual void setContent(const PlotContent& content) = 0;
    virtual const PlotContent& content() const = 0;
    // The pointer's label ("total\nT = 1000 K\nCp = 37.210 J/(K mol)"), empty while hidden.
    virtual QString pointerText() const = 0;
    // Draws the plot as the widget shows it, without the pointer's label, scaled into target.
    virtual void render(QPainter& painter, const QRectF& target) = 0;
};

}  // namespace moltherm::gui
