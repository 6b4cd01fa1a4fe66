#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

#include "app/control_name.h"

namespace moltherm::app {

enum class ControlKind { Frame, Label, TextBox, CommandButton, OptionButton, Spinner };

// A control by name and, for an element of a control array, its 16-bit index.
struct ControlId {
    // A name alone stands for the control of that name: setVisible(txtAns, true).
    constexpr ControlId(ControlName controlName, int elementIndex = -1)
        : name(controlName), index(elementIndex) {}
    ControlName name;
    int index;                                           // -1: not an array element
    auto operator<=>(const ControlId&) const = default;  // NOLINT(modernize-use-nullptr)
};

// "txtName", or "txtFreq(2)" for an element of a control array.
std::string IdText(const ControlId& id);

struct Font {
    std::string name;
    double sizePoints = 0;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Color&) const = default;
};

enum class TextAlignment { Left, Center };

// The properties a handler can change; the observer is told which one changed.
enum class ControlProperty {
    Left,
    Top,
    Width,
    Height,
    Text,
    Visible,
    Enabled,
    Locked,
    Value,
    Selected
};

// Spinner values stay in this range; the up arrow lowers Value, the down arrow raises it.
inline constexpr int kSpinnerMin = -32767;
inline constexpr int kSpinnerMax = 32767;

// One control as plain data. Positions and sizes are twips, relative to the client area of the
// container. They are held in 32 bits: frames and rows below the 16-bit limit of 32767 twips
// are kept (the window itself never grows past that limit; the view scrolls to the rest).
struct Control {
    ControlId id;
    ControlKind kind = ControlKind::Label;
    std::optional<ControlName> container;  // the frame; nullopt for the window itself
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string text;  // caption of frames, labels, buttons; text of text boxes
    bool visible = true;
    bool enabled = true;    // its own setting; see frmMoltherm::takesInput for the effective one
    bool locked = false;    // text boxes: shown, focusable, but not editable by the user
    int value = -1;         // spinners: kSpinnerMin..kSpinnerMax
    bool selected = false;  // option buttons
    int tabIndex = 0;       // order only; frames and labels never take the focus
    std::optional<Font> font{};  // nullopt: the window's default font
    bool multiLine = false;
    bool verticalScrollBar = false;
    TextAlignment alignment = TextAlignment::Left;
    std::optional<Color> backColor{};  // nullopt: the platform's default
    std::optional<Color> foreColor{};

    // Frames and labels never take the focus.
    bool focusable() const { return kind != ControlKind::Frame && kind != ControlKind::Label; }
};

}  // namespace moltherm::app
