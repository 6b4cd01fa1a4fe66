#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/control.h"
#include "app/control_set.h"
#include "app/form_observer.h"
#include "calc/session.h"
#include "engine/constants.h"
#include "report/clock.h"
#include "report/printer.h"

namespace moltherm::app {

// The window's border and title bar: outer size minus client size, in twips. The view reports
// the real one with each resize; until then the client 8595 x 6315 gives an outer 8715 x 6720.
struct WindowFrame {
    int width = 120;
    int height = 405;
};

// The window as a display-free presentation model: every control as plain data, every handler
// of the window, run synchronously in the order a real window runs them. A view draws the
// controls, forwards the user's input through the entry points below and mirrors the changes it
// is told of through FormObserver. Nothing here depends on a display.
//
// Handlers nest as the platform nests them: selecting optLinear from code runs optLinear_Click,
// setting the window's Height runs Form_Resize, and moving the focus off txtError runs
// txtError_LostFocus, each before the code that caused it goes on.
class frmMoltherm {
  public:
    // Creates the controls and runs Form_Load. The clock and the printer must outlive the form.
    frmMoltherm(const Clock& clock, Printer& printer);
    frmMoltherm(const frmMoltherm&) = delete;
    frmMoltherm& operator=(const frmMoltherm&) = delete;

    void addObserver(FormObserver* observer);
    void removeObserver(FormObserver* observer);

    // ---- Controls
    const Control* find(const ControlId& id) const { return controls_.find(id); }
    std::vector<const Control*> controls() const { return controls_.all(); }  // creation order
    // Controls in Tab order (frames and labels included; they never take the focus).
    std::vector<const Control*> tabOrder() const { return controls_.inTabOrder(); }
    // Visible and enabled, inside a frame that is visible and enabled.
    bool takesInput(const ControlId& id) const;
    const Control* focus() const;  // nullptr: no control has the focus

    // ---- The window (twips; Width and Height are the outer size)
    static constexpr const char* kCaption = "Moltherm  v1.03";
    const std::string& caption() const { return caption_; }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return scaleWidth_ + frame_.width; }
    int height() const { return scaleHeight_ + frame_.height; }
    int scaleWidth() const { return scaleWidth_; }
    int scaleHeight() const { return scaleHeight_; }

    // ---- Form-level state, read-only
    const PhysicalConstants& constants() const { return session_.constants(); }
    const MolecularData& record() const { return session_.record(); }
    const ThermoResults& results() const { return session_.results(); }
    // The thermochemistry options the next "Calc" and "New T" compute with.
    const ThermoOptions& options() const { return session_.options(); }
    void setOptions(const ThermoOptions& options) { session_.SetOptions(options); }
    // The factor the wavenumbers of an opened file already carry; typing a wavenumber drops it.
    void setPrescaled(std::optional<double> factor) { session_.SetPrescaled(factor); }
    const std::string& summaryText() const { return session_.record().summaryText; }
    const std::string& tableText() const { return session_.record().tableText; }
    const std::string& molType() const { return molType_; }
    std::int16_t nModes() const { return nModes_; }
    std::int16_t lastLevel() const { return lastLevel_; }
    std::int16_t startHeight() const { return startHeight_; }
    std::int16_t startScaleHeight() const { return startScaleHeight_; }
    float lastMouseX() const { return lastMouseX_; }
    float lastMouseY() const { return lastMouseY_; }
    // The shared loop counter. A loop over 32767 rows ends with it at 32768, one past what
    // 16 bits hold, so it is held in 32 bits.
    std::int32_t i() const { return i_; }

    // ---- Input entry points for the view. Each returns whether the input reached a control
    // (false when the control does not exist, is of another kind, or takes no input).

    // First display of the window: Form_Resize, then the focus to the first control that takes it.
    void show();
    // The user changed a text box's text (ignored when Locked or not taking input).
    bool typeText(const ControlId& id, const std::string& text);
    // A character key in a text box; returns KeyAscii after the handlers, 0 when swallowed
    // (also when the box takes no input).
    int keyPress(const ControlId& id, int keyAscii);
    // A click on a command button: the focus moves to it, then its Click handler runs.
    bool click(const ControlId& id);
    // The user selects an option button: focus, selection, Click.
    bool chooseOption(const ControlId& id);
    // Alt+letter: selects the option button whose caption marks that access key.
    bool accessKey(char letter);
    // A spinner's arrows: the focus moves to it; up lowers Value by one, down raises it; a change
    // of Value (none at the ends of the range) raises the Change handler.
    bool spinUp(const ControlId& id);
    bool spinDown(const ControlId& id);
    // The focus moves to a control (Tab, click); refused for frames, labels and controls that
    // take no input. Leaving txtError runs txtError_LostFocus.
    bool moveFocus(const ControlId& id);
    // Tab / Shift+Tab: the next control in Tab order that takes the focus.
    bool tabFocus(bool backwards = false);
    // The user resized the window: new outer and client sizes; runs Form_Resize.
    void userResized(int outerWidth, int outerHeight, int newScaleWidth, int newScaleHeight);
    // The pointer moved over the window's own surface (Button 0: none held); X, Y client twips.
    void mouseMove(int button, int shift, float x, float y);
    // The user moved the window.
    void userMoved(int newLeft, int newTop);

    // ---- Handlers and procedures of the window. Public so that each procedure can be tested
    // on its own; a view uses the entry points above, which raise them.
    void Form_Load();
    void Form_Resize();
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    int txtName_KeyPress(int KeyAscii);
    int txtMolarMass_KeyPress(int KeyAscii);
    void txtError_LostFocus();
    void ShowError(const std::string& message);

    void spnN_Change();
    void optLinear_Click();
    void optNonlinear_Click();
    void spnSigma_Change();
    void IncreaseAtomCount();
    void DecreaseAtomCount();
    void IncreaseSigma();
    void DecreaseSigma();

    void RebuildVibrationRows();
    void spnDegen_Change(int Index);
    void IncreaseDegen(int index);
    void DecreaseDegen(int index);

    void cmdAddState_Click();
    void cmdReset_Click();
    void spnEnergyDegen_Change(int Index);
    void IncreaseEnergyDegen(int Index);
    void DecreaseEnergyDegen(int Index);
    void LayoutFrames();

    void cmdCalc_Click();
    void ComputeThermoTable();
    CalcInputTexts inputTexts() const;  // the boxes that "Calc" reads
    void cmdNewData_Click();
    void cmdPrint_Click();

    // ---- Limits the window keeps so that every count fits 16 bits.
    static constexpr int kMaxAtoms = 10924;          // 3N - 5 = 32767 modes
    static constexpr int kMaxDegeneracySum = 32767;  // vibrational modes of one molecule
    static constexpr int kMaxLastLevel = 32767;      // highest 16-bit index of a level row
    static constexpr int kMaxWindowHeight = 32767;   // twips

  protected:
    // Writes a control's property as the program does (Locked does not stop the program).
    void setText(const ControlId& id, const std::string& text);
    void setVisible(const ControlId& id, bool visible);
    void setEnabled(const ControlId& id, bool enabled);
    void setLocked(const ControlId& id, bool locked);
    void setTop(const ControlId& id, std::int32_t top);
    void setWidth(const ControlId& id, std::int32_t width);
    void setHeight(const ControlId& id, std::int32_t height);

  private:
    // The control of that name and index; a missing array element is a broken invariant.
    Control& control(const ControlId& id);
    const Control& control(const ControlId& id) const;
    // The one write behind the setters above: a new value is stored and reported, and hiding
    // or disabling a control may move the focus on.
    template <typename T>
    void write(const ControlId& id, T Control::*field, const T& value, ControlProperty property);
    void changed(Control& c, ControlProperty property);
    // Loads a new array element as a hidden copy of the array's lowest-index element, last in
    // the Tab order; unloads one (the elements created with the window stay).
    void loadElement(const ControlId& id);
    void unloadElement(const ControlId& id);
    // What a newly loaded element gets before it is shown, beyond its copy of the array's
    // lowest element.
    struct NewElement {
        ControlName array;
        const char* text = nullptr;  // nullptr: the copied text stays
        bool unlocked = false;
    };
    // Loads element `index` of each array in turn, gives it its text and lock, shows it and
    // places it `pitch` twips below element index - 1.
    void appendRow(std::initializer_list<NewElement> row, int index, int pitch);
    // Code selects an option button; the group's other button is cleared.
    void selectOption(ControlName name);
    void setFocusTo(const Control* target);
    // The first control after (or before) a Tab place, going round, that takes the focus.
    const Control* nextFocusable(int tabIndex, bool backwards) const;
    // After a change that may have closed the focused control to input, the focus moves on.
    void keepFocusValid();
    void setWindowHeight(int newHeight);
    void moveWindow(int newLeft, int newTop);
    bool spin(const ControlId& id, int delta);
    void raiseSpinnerChange(const Control& spinner);
    void raiseOptionClick(ControlName name);
    void raiseButtonClick(ControlName name);
    void switchToResultsMode();
    // The sum of the vibrational degeneracies; nothing when a box holds no number.
    std::optional<int> degeneracySum() const;
    std::vector<std::string> texts(ControlName array, int first, int last) const;

    const Clock& clock_;
    Printer& printer_;
    WindowFrame frame_;
    std::vector<FormObserver*> observers_;
    ControlSet controls_;
    std::optional<ControlId> focus_;
    int focusTab_ = -1;  // Tab place of the focused control, kept for when it is unloaded

    std::string caption_ = kCaption;
    int left_ = 0;
    int top_ = 0;
    int scaleWidth_ = 8595;
    int scaleHeight_ = 6315;

    CalcSession session_;  // the constants, the molecular data record and the last results
    std::string molType_;
    std::int16_t nModes_ = 1;
    std::int16_t lastLevel_ = 0;
    std::int16_t startHeight_ = 0;
    std::int16_t startScaleHeight_ = 0;
    float lastMouseX_ = 0;
    float lastMouseY_ = 0;
    std::int32_t i_ = 0;
};

}  // namespace moltherm::app
