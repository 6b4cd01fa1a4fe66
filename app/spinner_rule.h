#pragma once

#include <string_view>

namespace moltherm::app {

enum class StepDirection { None, Down, Up };

// The spinners' rule: the number a spinner stands for lives in the box beside it, and a change
// of the spinner's Value steps that number down when it exceeds -Value, up otherwise (a tie
// steps up). A box that does not hold a number is left alone.
StepDirection SpinnerStep(std::string_view boxText, int spinnerValue);

}  // namespace moltherm::app
