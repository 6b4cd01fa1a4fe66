#pragma once

#include <QScrollBar>

namespace moltherm::gui {

// A spinner: a vertical scroll bar so short that only its two arrows show. It never changes
// its own Value; each arrow click (or arrow key, or auto-repeat while held) is reported, and
// the window's model sets the Value it ends with.
class SpinnerBar final : public QScrollBar {
    Q_OBJECT

  public:
    explicit SpinnerBar(QWidget* parent);

    // Shows the model's Value without reporting a step.
    void showValue(int value);

  signals:
    void upArrow();
    void downArrow();

  protected:
    // The wheel scrolls the window's rows, not the spinner's count.
    void wheelEvent(QWheelEvent* event) override;

  private:
    void onAction(int action);
};

}  // namespace moltherm::gui
