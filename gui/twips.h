#pragma once

#include <cmath>
#include <cstdint>

namespace moltherm::gui {

// The window is designed in twips at 15 twips per device-independent pixel (96 dpi); Qt's
// high-DPI scaling maps those pixels to the screen.
inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(std::int64_t twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace moltherm::gui
