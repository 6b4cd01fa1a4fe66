#pragma once

#include <functional>

namespace moltherm::gui {

class FormView;

// Runs the program: the application, the window opened on screen, the event loop until the
// window closes. `opened`, when given, runs once the window is open (for measurements).
int RunMoltherm(int& argc, char** argv, const std::function<void(FormView&)>& opened = nullptr);

}  // namespace moltherm::gui
