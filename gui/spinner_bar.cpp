#include "gui/spinner_bar.h"

#include <QSignalBlocker>
#include <QWheelEvent>

#include "app/control.h"

namespace moltherm::gui {

SpinnerBar::SpinnerBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setRange(app::kSpinnerMin, app::kSpinnerMax);
    setSingleStep(1);
    setPageStep(1);
    // A scroll bar takes no focus by default; a spinner does, so that clicking it moves the
    // focus away from the error box.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &SpinnerBar::onAction);
}

void SpinnerBar::showValue(int value) {
    const QSignalBlocker quiet(this);
    setValue(value);
}

void SpinnerBar::onAction(int action) {
    // Qt has already moved the slider position for this action and applies it once this
    // returns; putting the model's value back first makes that a no-op.
    const int before = value();
    switch (action) {
        case SliderSingleStepSub:
        case SliderPageStepSub:
            showValue(before);
            emit upArrow();
            break;
        case SliderSingleStepAdd:
        case SliderPageStepAdd:
            showValue(before);
            emit downArrow();
            break;
        default:
            showValue(before);
            break;
    }
}

void SpinnerBar::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

}  // namespace moltherm::gui
