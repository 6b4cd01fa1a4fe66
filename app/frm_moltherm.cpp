#include "app/frm_moltherm.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "app/design_controls.h"

namespace moltherm::app {
namespace {

// The design places the client area at (2820, 1860) on the screen; the outer window starts a
// border to the left and a title bar plus border above it.
constexpr int kDesignClientLeft = 2820;
constexpr int kDesignClientTop = 1860;

}  // namespace

frmMoltherm::frmMoltherm(const Clock& clock, Printer& printer, WindowFrame frame)
    : clock_(clock), printer_(printer), frame_(frame) {
    for (Control& c : DesignControls()) controls_.add(std::move(c));
    const int border = frame.width / 2;
    left_ = kDesignClientLeft - border;
    top_ = kDesignClientTop - (frame.height - border);
    Form_Load();
}

void frmMoltherm::addObserver(FormObserver* observer) {
    observers_.push_back(observer);
}

void frmMoltherm::removeObserver(FormObserver* observer) {
    std::erase(observers_, observer);
}

const Control* frmMoltherm::find(std::string_view name, int index) const {
    return controls_.find(name, index);
}

Control& frmMoltherm::control(std::string_view name, int index) {
    Control* c = controls_.find(name, index);
    if (!c)
        throw std::logic_error("no control " + std::string(name) + "(" + std::to_string(index) +
                               ")");
    return *c;
}

const Control& frmMoltherm::control(std::string_view name, int index) const {
    return const_cast<frmMoltherm*>(this)->control(name, index);
}

bool frmMoltherm::takesInput(const ControlId& id) const {
    const Control* c = find(id);
    if (!c || !c->visible || !c->enabled) return false;
    if (c->container.empty()) return true;
    const Control* frame = find(c->container, -1);
    return frame && frame->visible && frame->enabled;
}

const Control* frmMoltherm::focus() const {
    return hasFocus_ ? find(focus_) : nullptr;
}

// ---- Property writes, each reported once it has happened

void frmMoltherm::changed(Control& c, ControlProperty property) {
    for (FormObserver* o : observers_) o->propertyChanged(c, property);
}

void frmMoltherm::setText(const ControlId& id, const std::string& text) {
    Control& c = control(id.name, id.index);
    if (c.text == text) return;
    c.text = text;
    changed(c, ControlProperty::Text);
}

void frmMoltherm::setVisible(const ControlId& id, bool visible) {
    Control& c = control(id.name, id.index);
    if (c.visible == visible) return;
    c.visible = visible;
    changed(c, ControlProperty::Visible);
    keepFocusValid();
}

void frmMoltherm::setEnabled(const ControlId& id, bool enabled) {
    Control& c = control(id.name, id.index);
    if (c.enabled == enabled) return;
    c.enabled = enabled;
    changed(c, ControlProperty::Enabled);
    keepFocusValid();
}

void frmMoltherm::setLocked(const ControlId& id, bool locked) {
    Control& c = control(id.name, id.index);
    if (c.locked == locked) return;
    c.locked = locked;
    changed(c, ControlProperty::Locked);
}

void frmMoltherm::setLeft(const ControlId& id, std::int32_t left) {
    Control& c = control(id.name, id.index);
    if (c.left == left) return;
    c.left = left;
    changed(c, ControlProperty::Left);
}

void frmMoltherm::setTop(const ControlId& id, std::int32_t top) {
    Control& c = control(id.name, id.index);
    if (c.top == top) return;
    c.top = top;
    changed(c, ControlProperty::Top);
}

void frmMoltherm::setWidth(const ControlId& id, std::int32_t width) {
    Control& c = control(id.name, id.index);
    if (c.width == width) return;
    c.width = width;
    changed(c, ControlProperty::Width);
}

void frmMoltherm::setHeight(const ControlId& id, std::int32_t height) {
    Control& c = control(id.name, id.index);
    if (c.height == height) return;
    c.height = height;
    changed(c, ControlProperty::Height);
}

// ---- Control arrays

Control& frmMoltherm::loadElement(std::string_view name, int index) {
    const Control* lowest = controls_.lowestElement(name);
    if (!lowest) throw std::logic_error("no control array " + std::string(name));
    if (find(name, index)) throw std::logic_error("element already loaded: " + std::string(name));
    Control copy = *lowest;
    copy.id.index = index;
    copy.visible = false;
    copy.tabIndex = controls_.nextTabIndex();
    Control& added = controls_.add(std::move(copy));
    for (FormObserver* o : observers_) o->controlCreated(added);
    return added;
}

void frmMoltherm::unloadElement(std::string_view name, int index) {
    const Control* lowest = controls_.lowestElement(name);
    if (!lowest || lowest->id.index == index || !find(name, index))
        throw std::logic_error("cannot unload " + std::string(name));
    controls_.remove(name, index);
    const ControlId id{std::string(name), index};
    for (FormObserver* o : observers_) o->controlDestroyed(id);
    keepFocusValid();
}

void frmMoltherm::selectOption(std::string_view name) {
    for (const char* member : {"optLinear", "optNonlinear"}) {
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
    const bool leavingError = hasFocus_ && focus_.name == "txtError";
    if (target && hasFocus_ && target->id == focus_) return;
    if (!target && !hasFocus_) return;
    hasFocus_ = target != nullptr;
    focus_ = target ? target->id : ControlId{};
    focusTab_ = target ? target->tabIndex : focusTab_;
    for (FormObserver* o : observers_) o->focusMoved(target);
    if (leavingError) txtError_LostFocus();
}

void frmMoltherm::keepFocusValid() {
    if (!hasFocus_) return;
    const Control* current = find(focus_);
    if (current && takesInput(current->id)) return;
    setFocusTo(controls_.nextInTabOrder(
        focusTab_, false, [this](const Control& c) { return c.focusable() && takesInput(c.id); }));
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
    setFocusTo(controls_.nextInTabOrder(
        -1, false, [this](const Control& c) { return c.focusable() && takesInput(c.id); }));
}

bool frmMoltherm::moveFocus(const ControlId& id) {
    const Control* c = find(id);
    if (!c || !c->focusable() || !takesInput(id)) return false;
    setFocusTo(c);
    return true;
}

bool frmMoltherm::tabFocus(bool backwards) {
    const int from = hasFocus_ ? focusTab_ : -1;
    const Control* next = controls_.nextInTabOrder(
        from, backwards, [this](const Control& c) { return c.focusable() && takesInput(c.id); });
    if (!next) return false;
    setFocusTo(next);
    return true;
}

bool frmMoltherm::typeText(const ControlId& id, const std::string& text) {
    const Control* c = find(id);
    if (!c || c->kind != ControlKind::TextBox || c->locked || !moveFocus(id)) return false;
    setText(id, text);
    return true;
}

int frmMoltherm::keyPress(const ControlId& id, int keyAscii) {
    const Control* c = find(id);
    if (!c || c->kind != ControlKind::TextBox || !moveFocus(id)) return 0;
    if (id.name == "txtName") return txtName_KeyPress(keyAscii);
    if (id.name == "txtMolarMass") return txtMolarMass_KeyPress(keyAscii);
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
    for (const char* name : {"optLinear", "optNonlinear"}) {
        const std::string& caption = control(name).text;
        const auto amp = caption.find('&');
        if (amp == std::string::npos || amp + 1 >= caption.size()) continue;
        if (std::tolower(static_cast<unsigned char>(caption[amp + 1])) == wanted)
            return chooseOption(ControlId{name});
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
    Control& spinner = control(id.name, id.index);
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

void frmMoltherm::setWindowFrame(WindowFrame frame) {
    const int outerWidth = width();
    const int outerHeight = height();
    frame_ = frame;
    scaleWidth_ = outerWidth - frame.width;
    scaleHeight_ = outerHeight - frame.height;
    Form_Resize();
}

void frmMoltherm::mouseMove(int button, int shift, float x, float y) {
    Form_MouseMove(button, shift, x, y);
}

void frmMoltherm::userMoved(int newLeft, int newTop) {
    left_ = newLeft;
    top_ = newTop;
}

// ---- Event dispatch

void frmMoltherm::raiseSpinnerChange(const Control& spinner) {
    const std::string& name = spinner.id.name;
    if (name == "spnN")
        spnN_Change();
    else if (name == "spnSigma")
        spnSigma_Change();
    else if (name == "spnDegen")
        spnDegen_Change(spinner.id.index);
    else if (name == "spnEnergyDegen")
        spnEnergyDegen_Change(spinner.id.index);
}

void frmMoltherm::raiseOptionClick(std::string_view name) {
    if (name == "optLinear")
        optLinear_Click();
    else if (name == "optNonlinear")
        optNonlinear_Click();
}

void frmMoltherm::raiseButtonClick(std::string_view name) {
    if (name == "cmdCalc")
        cmdCalc_Click();
    else if (name == "cmdNewData")
        cmdNewData_Click();
    else if (name == "cmdPrint")
        cmdPrint_Click();
    else if (name == "cmdAddState")
        cmdAddState_Click();
    else if (name == "cmdReset")
        cmdReset_Click();
}

}  // namespace moltherm::app
