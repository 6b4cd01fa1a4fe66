#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/frm_moltherm.h"
#include "report/clock.h"
#include "report/printer.h"

namespace moltherm::app::testing {

// Records every printer operation in order; fails where told to.
class FakePrinter final : public Printer {
  public:
    std::string font = "Arial";
    std::vector<std::string> log;
    std::optional<std::string> printFailure;
    std::optional<std::string> endFailure;
    std::string printed;

    std::string fontName() const override { return font; }
    void setFontName(const std::string& name) override {
        log.push_back("font " + name);
        font = name;
    }
    std::optional<std::string> print(const std::string& text) override {
        log.push_back("print");
        if (printFailure) return printFailure;
        printed += text;
        return std::nullopt;
    }
    std::optional<std::string> endDocument() override {
        log.push_back("end");
        return endFailure;
    }
};

// A clock whose date and time the test moves on.
class SettableClock final : public Clock {
  public:
    std::string date = "12/5/2026";
    std::string time = "3:04:05 AM";
    std::string dateText() const override { return date; }
    std::string timeText() const override { return time; }
};

// Records what the view is told, one line per notification, e.g. "Top txtFreq(2)".
class RecordingObserver final : public FormObserver {
  public:
    explicit RecordingObserver(const frmMoltherm& form) : form_(form) {}
    std::vector<std::string> events;
    int heightSets = 0;
    std::vector<int> heights;  // the window's Height at each set

    void controlCreated(const Control& c) override { events.push_back("create " + Name(c.id)); }
    void controlDestroyed(const ControlId& id) override { events.push_back("destroy " + Name(id)); }
    void propertyChanged(const Control& c, ControlProperty p) override {
        events.push_back(std::string(PropertyName(p)) + " " + Name(c.id));
    }
    void focusMoved(const Control* c) override {
        events.push_back("focus " + (c ? Name(c->id) : std::string("none")));
    }
    void windowPropertySet(WindowProperty p) override {
        if (p == WindowProperty::Height) {
            ++heightSets;
            heights.push_back(form_.height());
            events.push_back("window Height");
        } else {
            events.push_back("window Position");
        }
    }
    void clear() {
        events.clear();
        heightSets = 0;
        heights.clear();
    }
    // The events that name this control or window property, in order.
    std::vector<std::string> matching(const std::string& part) const {
        std::vector<std::string> found;
        for (const auto& e : events)
            if (e.find(part) != std::string::npos) found.push_back(e);
        return found;
    }

    static std::string Name(const ControlId& id) {
        return id.index < 0 ? id.name : id.name + "(" + std::to_string(id.index) + ")";
    }
    static const char* PropertyName(ControlProperty p) {
        switch (p) {
            case ControlProperty::Left:
                return "Left";
            case ControlProperty::Top:
                return "Top";
            case ControlProperty::Width:
                return "Width";
            case ControlProperty::Height:
                return "Height";
            case ControlProperty::Text:
                return "Text";
            case ControlProperty::Visible:
                return "Visible";
            case ControlProperty::Enabled:
                return "Enabled";
            case ControlProperty::Locked:
                return "Locked";
            case ControlProperty::Value:
                return "Value";
            case ControlProperty::Selected:
                return "Selected";
        }
        return "?";
    }

  private:
    const frmMoltherm& form_;
};

// The form with the program's own writes opened up, to put a box into a state the user cannot.
class TestForm : public frmMoltherm {
  public:
    using frmMoltherm::frmMoltherm;
    using frmMoltherm::setText;
};

// A shown window of design size with a settable clock and a fake printer, driven as a user
// would: through the input entry points only.
struct Session {
    SettableClock clock;
    FakePrinter printer;
    TestForm form{clock, printer};
    RecordingObserver observer{form};

    Session() {
        form.show();
        form.addObserver(&observer);
    }

    const Control& c(const std::string& name, int index = -1) const {
        const Control* found = form.find(name, index);
        if (!found) throw std::runtime_error("missing control " + name);
        return *found;
    }
    bool exists(const std::string& name, int index = -1) const {
        return form.find(name, index) != nullptr;
    }
    const std::string& text(const std::string& name, int index = -1) const {
        return c(name, index).text;
    }
    void up(const std::string& name, int index = -1, int times = 1) {
        for (int k = 0; k < times; ++k) ASSERT_TRUE(form.spinUp(ControlId{name, index}));
    }
    void down(const std::string& name, int index = -1, int times = 1) {
        for (int k = 0; k < times; ++k) ASSERT_TRUE(form.spinDown(ControlId{name, index}));
    }
    void type(const std::string& name, const std::string& value, int index = -1) {
        ASSERT_TRUE(form.typeText(ControlId{name, index}, value)) << name;
    }
    void press(const std::string& name) { ASSERT_TRUE(form.click(ControlId{name})) << name; }
    void choose(const std::string& name) { ASSERT_TRUE(form.chooseOption(ControlId{name})); }
    // The atom count stepped up from the start to n.
    void atoms(int n) { up("spnN", -1, n - 1); }
    std::string focusName() const {
        const Control* f = form.focus();
        return f ? RecordingObserver::Name(f->id) : "none";
    }
    bool resultsMode() const { return text("cmdCalc") == "New T" && c("txtAns").visible; }
};

class FormTest : public ::testing::Test, public Session {};

}  // namespace moltherm::app::testing
