#pragma once

#include <vector>

#include "app/control.h"

namespace moltherm::app {

// The window's controls as designed, in creation order: the state the window opens in.
std::vector<Control> DesignControls();

}  // namespace moltherm::app
