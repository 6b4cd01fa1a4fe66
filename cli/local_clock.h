#pragma once

#include <ctime>
#include <string>

#include "report/clock.h"

namespace moltherm::cli {

// The system clock in the user's locale (%x and %X), read once: every report of one run carries
// the same date and time.
class LocalClock final : public Clock {
  public:
    LocalClock();
    std::string dateText() const override;
    std::string timeText() const override;

  private:
    std::tm time_{};
};

// What the heading shows after "Moltherm Calculation   ": date, two blanks, time.
std::string ClockStamp(const Clock& clock);

}  // namespace moltherm::cli
