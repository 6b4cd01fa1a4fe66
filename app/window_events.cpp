#include <algorithm>
#include <cmath>

#include "app/frm_moltherm.h"
#include "calc/number_text.h"

namespace moltherm::app {
namespace {

using enum ControlName;

constexpr int kEnter = 13;

// A window size as the 16-bit whole number the layout works with.
std::int16_t WholeTwips(int twips) {
    return RoundToInt16(std::clamp(twips, -32768, 32767)).value_or(0);
}

}  // namespace

void frmMoltherm::Form_Load() {
    session_ = CalcSession(PhysicalConstants{});  // the constants, and an empty record
    molType_ = "linear";
    lastLevel_ = 0;
    nModes_ = 1;
    startHeight_ = WholeTwips(height());
    startScaleHeight_ = WholeTwips(scaleHeight());
}

void frmMoltherm::Form_Resize() {
    const Control& answer = control(txtAns);
    const int h = scaleHeight_ - answer.top - answer.left;
    if (h > 0) setHeight(answer.id, h);
    const int w = scaleWidth_ - 2 * answer.left;
    if (w > 0) setWidth(answer.id, w);
}

void frmMoltherm::Form_MouseMove(int Button, int /*Shift*/, float X, float Y) {
    if (Button == 0) {
        lastMouseX_ = X;
        lastMouseY_ = Y;
        return;
    }
    const float dx = std::fabs(lastMouseX_ - X);
    const float dy = std::fabs(lastMouseY_ - Y);
    // Small jitters while the button is held do not move the window.
    if (!(dx > 50 && dy > 50)) return;
    const float newLeft = static_cast<float>(left_) + X - lastMouseX_;
    const float newTop = static_cast<float>(top_) + Y - lastMouseY_;
    moveWindow(static_cast<int>(std::nearbyint(newLeft)), static_cast<int>(std::nearbyint(newTop)));
}

int frmMoltherm::txtName_KeyPress(int KeyAscii) {
    if (KeyAscii != kEnter) return KeyAscii;
    moveFocus(txtMolarMass);
    return 0;
}

int frmMoltherm::txtMolarMass_KeyPress(int KeyAscii) {
    if (KeyAscii != kEnter) return KeyAscii;
    moveFocus(txtN);
    return 0;
}

void frmMoltherm::txtError_LostFocus() {
    setVisible(txtError, false);
}

void frmMoltherm::ShowError(const std::string& message) {
    setVisible(txtError, true);
    moveFocus(txtError);
    setText(txtError, message);
}

}  // namespace moltherm::app
