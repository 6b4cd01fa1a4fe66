#pragma once

#include "app/control.h"

namespace moltherm::app {

// What the window itself can have set by the model: its Height (LayoutFrames) or its position
// (dragging by the body, which sets Left and Top together).
enum class WindowProperty { Height, Position };

// Told of every change the model makes, synchronously and in the order the changes happen, so a
// view that mirrors them stays identical to the model. The pointers and references are valid only
// during the call; read the form for anything else. Every method has an empty default.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    // A control-array element was loaded (it starts hidden; its Visible change follows).
    virtual void controlCreated(const Control& /*control*/) {}
    // A control-array element was unloaded; it is gone from the form when this is called.
    virtual void controlDestroyed(const ControlId& /*id*/) {}
    // One property of a control took a new value (a write of the same value is not reported).
    virtual void propertyChanged(const Control& /*control*/, ControlProperty /*property*/) {}
    // The focus moved to `control`, or to no control (nullptr).
    virtual void focusMoved(const Control* /*control*/) {}
    // The model set the window's Height or position; reported on every set, even to the same
    // value, since each set is one run of the layout. Form_Resize of a Height set follows.
    virtual void windowPropertySet(WindowProperty /*property*/) {}
};

}  // namespace moltherm::app
