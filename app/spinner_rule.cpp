#include "app/spinner_rule.h"

#include "calc/number_text.h"

namespace moltherm::app {

StepDirection SpinnerStep(std::string_view boxText, int spinnerValue) {
    const auto number = ParseNumber(boxText);
    if (!number) return StepDirection::None;
    // Value stays within -32767..32767, so its negation always fits 16 bits.
    const double standsFor = -spinnerValue;
    return *number > standsFor ? StepDirection::Down : StepDirection::Up;
}

}  // namespace moltherm::app
