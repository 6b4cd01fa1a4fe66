#pragma once

#include <QWidget>

namespace moltherm::gui {

// The window's own surface, on which its top-level controls and frames stand. It reports the
// pointer's moves only where it is bare: over a control or a frame nothing is reported.
class FormSurface final : public QWidget {
    Q_OBJECT

  public:
    explicit FormSurface(QWidget* parent);

  signals:
    // Buttons and Shift are the window's bit sets (left 1, right 2, middle 4; Shift 1, Ctrl 2,
    // Alt 4); the position is in the surface's pixels.
    void pointerMoved(int buttons, int shift, QPoint position);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace moltherm::gui
