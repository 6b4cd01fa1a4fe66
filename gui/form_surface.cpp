#include "gui/form_surface.h"

#include <QMouseEvent>

namespace moltherm::gui {

namespace {

int ButtonBits(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftBits(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

FormSurface::FormSurface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // moves with no button held set the drag's reference point
    setFocusPolicy(Qt::NoFocus);
}

void FormSurface::mouseMoveEvent(QMouseEvent* event) {
    // Labels and disabled controls pass their mouse events on to the surface; only a point
    // with no child under it is the surface itself.
    const QPoint position = event->position().toPoint();
    if (childAt(position) == nullptr)
        emit pointerMoved(ButtonBits(event->buttons()), ShiftBits(event->modifiers()), position);
    event->accept();
}

}  // namespace moltherm::gui
