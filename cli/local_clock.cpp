#include "cli/local_clock.h"

namespace moltherm::cli {
namespace {

std::string Formatted(const std::tm& time, const char* format) {
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &time);
    return std::string(buffer, length);
}

}  // namespace

LocalClock::LocalClock() {
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &time_);
}

std::string LocalClock::dateText() const {
    return Formatted(time_, "%x");
}

std::string LocalClock::timeText() const {
    return Formatted(time_, "%X");
}

std::string ClockStamp(const Clock& clock) {
    return clock.dateText() + "  " + clock.timeText();
}

}  // namespace moltherm::cli
