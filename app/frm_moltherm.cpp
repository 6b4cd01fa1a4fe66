#include "app/frm_moltherm.h"

#include <algorithm>
#include <cctype>

#include "app/design_controls.h"
#include "engine/assert.h"

namespace moltherm::app {
namespace {

using enum ControlName;

// The design places the client area at (2820, 1860) on the screen; the outer window starts a
// border to the left and a title bar plus border above it.
constexpr int kDesignClientLeft = 2820;
constexpr int kDesignClientTop = 1860;

}  // namespace

frmMoltherm::frmMoltherm(const Clock& clock, Printer& printer) : clock_(clock), printer_(printer) {
    for (Control& c : DesignControls()) controls_.add(std::move(c));
    const int border = frame_.width / 2;
    left_ = kDesignClientLeft - border;
    top_ = kDesignClientTop - (frame_.height - border);
    Form_Load();
}

void frmMoltherm::addObserver(FormObserver* observer) {
    observers_.push_back(observer);
}

void frmMoltherm::removeObserver(FormObserver* observer) {
    std::erase(observers_, observer);
}

Control& frmMoltherm::control(const ControlId& id) {
    Control* c = controls_.find(id);
    MOLTHERM_ASSERT(c != nullptr);  // every name the program uses is in the design table
    return *c;
}

const Control& frmMoltherm::control(const ControlId& id) const {
    return const_cast<frmMoltherm*>(this)->control(id);
}

bool frmMoltherm::takesInput(const ControlId& id) const {
    const Control* c = find(id);
    if (!c || !c->visible || !c->enabled) return false;
    if (!c->container) return true;
    const Control& frame = control(*c->container);
    return frame.visible && frame.enabled;
}

const Control* frmMoltherm::focus() const {
    return focus_ ? find(*focus_) : nullptr;
}

// ---- Property writes, each reported once it has happened

void frmMoltherm::changed(Control& c, ControlProperty property) {
    for (FormObserver* o : observers_) o->propertyChanged(c, property);
}

template <typename T>
void frmMoltherm::write(const ControlId& id, T Control::*field, const T& value,
                        ControlProperty property) {
    Control& c = control(id);
    if (c.*field == value) return;
    c.*field = value;
    changed(c, property);
    if (property == ControlProperty::Visible || property == ControlProperty::Enabled)
        keepFocusValid();
}

void frmMoltherm::setText(const ControlId& id, const std::string& text) {
    write(id, &Control::text, text, ControlProperty::Text);
}
void frmMoltherm::setVisible(const ControlId& id, bool visible) {
    write(id, &Control::visible, visible, ControlProperty::Visible);
}
void frmMoltherm::setEnabled(const ControlId& id, bool enabled) {
    write(id, &Control::enabled, enabled, ControlProperty::Enabled);
}
void frmMoltherm::setLocked(const ControlId& id, bool locked) {
    write(id, &Control::locked, locked, ControlProperty::Locked);
}
void frmMoltherm::setTop(const ControlId& id, std::int32_t top) {
    write(id, &Control::top, top, ControlProperty::Top);
}
void frmMoltherm::setWidth(const ControlId& id, std::int32_t width) {
    write(id, &Control::width, width, ControlProperty::Width);
}
void frmMoltherm::setHeight(const ControlId& id, std::int32_t height) {
    write(id, &Control::height, height, ControlProperty::Height);
}

// ---- Control arrays

void frmMoltherm::loadElement(const ControlId& id) {
    const Control* lowest = controls_.lowestElement(id.name);
    MOLTHERM_ASSERT(lowest && lowest->id.index >= 0 && !find(id));
    Control copy = *lowest;
    copy.id = id;
    copy.visible = false;
    copy.tabIndex = controls_.nextTabIndex();
    const Control& added = controls_.add(std::move(copy));
    for (FormObserver* o : observers_) o->controlCreated(added);
}

void frmMoltherm::unloadElement(const ControlId& id) {
    const Control* lowest = controls_.lowestElement(id.name);
    MOLTHERM_ASSERT(lowest && lowest->id != id && find(id));
    controls_.remove(id);
    for (FormObserver* o : observers_) o->controlDestroyed(id);
    keepFocusValid();
}

void frmMoltherm::appendRow(std::initializer_list<NewElement> row, int index, int pitch) {
    for (const NewElement& element : row) {
        const ControlId id{element.array, index};
        loadElement(id);
        if (element.text) setText(id, element.text);
        if (element.unlocked) setLocked(id, false);
        setVisible(id, true);
        setTop(id, control({element.array, index - 1}).top + pitch);
    }
}

void frmMoltherm::selectOption(ControlName name) {
    for (ControlName member : {optLinear, optNonlinear}) {
        Control& c = control(member);
        const bool selected = c.id.name == name;
        if (c.selected == selected) continue;
        c.selected = selected;
        changed(c, ControlProperty::Selected);
    }
    raiseOptionClick(name);
}

// ---- Focus

void frmMoltherm::setFocusTo(const Control* target) {
    const std::optional<ControlId> next =
        target ? std::optional<ControlId>(target->id) : std::nullopt;
    if (next == focus_) return;
    const bool leavingError = focus_ && focus_->name == txtError;
    focus_ = next;
    if (target) focusTab_ = target->tabIndex;
    for (FormObserver* o : observers_) o->focusMoved(target);
    if (leavingError) txtError_LostFocus();
}

const Control* frmMoltherm::nextFocusable(int tabIndex, bool backwards) const {
    return controls_.nextInTabOrder(tabIndex, backwards, [this](const Control& c) {
        return c.focusable() && takesInput(c.id);
    });
}

void frmMoltherm::keepFocusValid() {
    if (!focus_ || takesInput(*focus_)) return;
    setFocusTo(nextFocusable(focusTab_, false));
}

// ---- The window

void frmMoltherm::setWindowHeight(int newHeight) {
    scaleHeight_ = newHeight - frame_.height;
    for (FormObserver* o : observers_) o->windowPropertySet(WindowProperty::Height);
    Form_Resize();
}

void frmMoltherm::moveWindow(int newLeft, int newTop) {
    left_ = newLeft;
    top_ = newTop;
    for (FormObserver* o : observers_) o->windowPropertySet(WindowProperty::Position);
}

// ---- Input entry points

void frmMoltherm::show() {
    Form_Resize();
    setFocusTo(nextFocusable(-1, false));
}

bool frmMoltherm::moveFocus(const ControlId& id) {
    const Control* c = find(id);
    if (!c || !c->focusable() || !takesInput(id)) return false;
    setFocusTo(c);
    return true;
}

bool frmMoltherm::tabFocus(bool backwards) {
    const Control* next = nextFocusable(focus_ ? focusTab_ : -1, backwards);
    if (!next) return false;
    setFocusTo(next);
    return true;
}

bool frmMoltherm::typeText(const ControlId& id, const std::string& text) {
    const Control* c = find(id);
    if (!c || c->kind != ControlKind::TextBox || c->locked || !moveFocus(id)) return false;
    // A wavenumber typed is no longer the file's, scaled or not.
    if (id.name == txtFreq) session_.SetPrescaled(std::nullopt);
    setText(id, text);
    return true;
}

int frmMoltherm::keyPress(const ControlId& id, int keyAscii) {
    const Control* c = find(id);
    if (!c || c->kind != ControlKind::TextBox || !moveFocus(id)) return 0;
    // Only these two boxes have a KeyPress handler; every other box keeps its keys.
    if (id.name == txtName) return txtName_KeyPress(keyAscii);
    if (id.name == txtMolarMass) return txtMolarMass_KeyPress(keyAscii);
    return keyAscii;
}

bool frmMoltherm::click(const ControlId& id) {
    const Control* c = find(id);
    if (!c || c->kind != ControlKind::CommandButton || !moveFocus(id)) return false;
    raiseButtonClick(id.name);
    return true;
}

bool frmMoltherm::chooseOption(const ControlId& id) {
    const Control* c = find(id);
    if (!c || c->kind != ControlKind::OptionButton || !moveFocus(id)) return false;
    selectOption(id.name);
    return true;
}

bool frmMoltherm::accessKey(char letter) {
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (ControlName name : {optLinear, optNonlinear}) {
        const std::string& caption = control(name).text;
        const auto amp = caption.find('&');
        if (amp == std::string::npos || amp + 1 >= caption.size()) continue;
        if (std::tolower(static_cast<unsigned char>(caption[amp + 1])) == wanted)
            return chooseOption(name);
    }
    return false;
}

bool frmMoltherm::spinUp(const ControlId& id) {
    return spin(id, -1);
}
bool frmMoltherm::spinDown(const ControlId& id) {
    return spin(id, +1);
}

bool frmMoltherm::spin(const ControlId& id, int delta) {
    const Control* c = find(id);
    if (!c || c->kind != ControlKind::Spinner || !moveFocus(id)) return false;
    Control& spinner = control(id);
    const int value = std::clamp(spinner.value + delta, kSpinnerMin, kSpinnerMax);
    if (value == spinner.value) return true;
    spinner.value = value;
    changed(spinner, ControlProperty::Value);
    raiseSpinnerChange(spinner);
    return true;
}

void frmMoltherm::userResized(int outerWidth, int outerHeight, int newScaleWidth,
                              int newScaleHeight) {
    frame_ = WindowFrame{outerWidth - newScaleWidth, outerHeight - newScaleHeight};
    scaleWidth_ = newScaleWidth;
    scaleHeight_ = newScaleHeight;
    Form_Resize();
}

void frmMoltherm::mouseMove(int button, int shift, float x, float y) {
    Form_MouseMove(button, shift, x, y);
}

void frmMoltherm::userMoved(int newLeft, int newTop) {
    left_ = newLeft;
    top_ = newTop;
}

// ---- Event dispatch: each control that raises an event has its handler; a control that raises
// one without a handler is a broken invariant.

void frmMoltherm::raiseSpinnerChange(const Control& spinner) {
    switch (spinner.id.name) {
        case spnN:
            return spnN_Change();
        case spnSigma:
            return spnSigma_Change();
        case spnDegen:
            return spnDegen_Change(spinner.id.index);
        case spnEnergyDegen:
            return spnEnergyDegen_Change(spinner.id.index);
        default:
            MOLTHERM_ASSERT(!"a spinner without a Change handler");
    }
}

void frmMoltherm::raiseOptionClick(ControlName name) {
    switch (name) {
        case optLinear:
            return optLinear_Click();
        case optNonlinear:
            return optNonlinear_Click();
        default:
            MOLTHERM_ASSERT(!"a control without a Click handler");
    }
}

void frmMoltherm::raiseButtonClick(ControlName name) {
    switch (name) {
        case cmdCalc:
            return cmdCalc_Click();
        case cmdNewData:
            return cmdNewData_Click();
        case cmdPrint:
            return cmdPrint_Click();
        case cmdAddState:
            return cmdAddState_Click();
        case cmdReset:
            return cmdReset_Click();
        default:
            MOLTHERM_ASSERT(!"a control without a Click handler");
    }
}

}  // namespace moltherm::app
