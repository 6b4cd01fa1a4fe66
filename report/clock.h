#pragma once

#include <string>

namespace moltherm {

// The system clock as the summary heading shows it: the date and the time of day as text in
// the user's locale. The window supplies the real one; tests and scripts a fixed text.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::string dateText() const = 0;
    virtual std::string timeText() const = 0;
};

// A clock that always tells the same date and time.
class FixedClock final : public Clock {
  public:
    FixedClock(std::string date, std::string time)
        : date_(std::move(date)), time_(std::move(time)) {}
    std::string dateText() const override { return date_; }
    std::string timeText() const override { return time_; }

  private:
    std::string date_;
    std::string time_;
};

}  // namespace moltherm
