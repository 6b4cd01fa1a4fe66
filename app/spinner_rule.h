#pragma once

#include <string_view>

namespace moltherm::app {

enum class StepDirection { None, Down, Up };

// The spinners' rule: the number a spinner stands for lives in the box beside it, and a change
// of the spinner's Value steps that number down when it exceeds -Value, up otherwise (a tie
// steps up). A box that does not hold a number is left alone.
StepDirection SpinnerStep(std::string_view boxText, int spinnerValue);

// Runs the step down or the step up that the rule chooses, or neither.
template <typename StepDown, typename StepUp>
void ApplySpinnerStep(std::string_view boxText, int spinnerValue, StepDown down, StepUp up) {
    switch (SpinnerStep(boxText, spinnerValue)) {
        case StepDirection::Down:
            down();
            break;
        case StepDirection::Up:
            up();
            break;
        case StepDirection::None:
            break;
    }
}

}  // namespace moltherm::app
