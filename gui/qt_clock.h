#pragma once

#include "report/clock.h"

namespace moltherm::gui {

// The system clock in the user's locale: its short date and short time formats.
class QtClock final : public Clock {
  public:
    std::string dateText() const override;
    std::string timeText() const override;
};

}  // namespace moltherm::gui
