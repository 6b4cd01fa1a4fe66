#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/frm_moltherm.h"
#include "report/clock.h"
#include "report/printer.h"
#include "tests/support/worked_examples.h"

namespace moltherm::app::testing {

using namespace moltherm::testing;
using enum ControlName;

// Records every printer operation in order, "font courier, print, "; fails where told to.
class FakePrinter final : public Printer {
  public:
    std::string font = "Arial", printed, log;
    std::optional<std::string> printFailure;

    std::string fontName() const override { return font; }
    void setFontName(const std::string& name) override {
        ((log += "font ") += font = name) += ", ";
    }
    std::optional<std::string> print(const std::string& text) override {
        log += "print, ";
        if (!printFailure) printed += text;
        return printFailure;
    }
    std::optional<std::string> endDocument() override { return (log += "end, ", std::nullopt); }
};

// A clock whose date and time the test moves on.
class SettableClock final : public Clock {
  public:
    std::string date = kReportDate, time = kReportTime;
    std::string dateText() const override { return date; }
    std::string timeText() const override { return time; }
};

// Values joined by " | ": Join(1, "a") is "1 | a". (Texts are built by appending to a string
// throughout: GCC 12 at -O3 misreads "literal" + string as an overlapping copy.)
template <typename... Values>
std::string Join(const Values&... values) {
    std::ostringstream s;
    ((s << values << " | "), ...);
    return s.str().substr(0, s.str().size() - 3);
}

// A window of design size, shown, with a settable clock and a fake printer. It records what the
// view is told, one entry per notification ("Top txtFreq(2)", "focus txtName", "window Height
// 6720" with the height after the set), and the readings a case notes.
struct Session final : FormObserver {
    // The program's own writes opened up, to put a box into a state the user cannot.
    struct Form : frmMoltherm {
        using frmMoltherm::frmMoltherm;
        using frmMoltherm::setText;
    };
    SettableClock clock;
    FakePrinter printer;
    Form form{clock, printer};
    std::vector<std::string> events, noted;

    Session() {
        form.show();
        form.addObserver(this);
    }
    Session(const Session&) = delete;
    const Control& c(const ControlId& id) const { return *form.find(id); }  // that must exist

    void record(const char* kind, const std::string& what) {
        (events.emplace_back(kind) += ' ') += what;
    }
    void controlCreated(const Control& c) override { record("create", IdText(c.id)); }
    void controlDestroyed(const ControlId& id) override { record("destroy", IdText(id)); }
    void propertyChanged(const Control& c, ControlProperty p) override {
        static const char* const kNames[] = {"Left",    "Top",     "Width",  "Height", "Text",
                                             "Visible", "Enabled", "Locked", "Value",  "Selected"};
        record(kNames[static_cast<int>(p)], IdText(c.id));
    }
    void focusMoved(const Control* c) override { record("focus", c ? IdText(c->id) : "none"); }
    void windowPropertySet(WindowProperty p) override {
        if (p == WindowProperty::Height) record("window Height", std::to_string(form.height()));
        if (p == WindowProperty::Position) record("window", "Position");
    }
};

// One step of a case: an action of the user or of the program, or a reading it notes.
using Step = std::function<void(Session&)>;

inline Step Note(std::function<std::string(Session&)> reading) {
    return [reading = std::move(reading)](Session& s) { s.noted.push_back(reading(s)); };
}

// ---- Actions of the user, which the window must take.
inline Step Up(ControlId spinner, int clicks = 1, bool up = true) {
    return [=](Session& s) {
        for (int k = 0; k < clicks; ++k)
            EXPECT_TRUE(up ? s.form.spinUp(spinner) : s.form.spinDown(spinner)) << IdText(spinner);
    };
}
inline Step Down(ControlId spinner, int clicks = 1) {
    return Up(spinner, clicks, false);
}
inline Step Type(ControlId box, std::string text) {
    return [box, text = std::move(text)](Session& s) {
        EXPECT_TRUE(s.form.typeText(box, text)) << IdText(box);
    };
}
inline Step Press(ControlName button) {
    return [=](Session& s) { EXPECT_TRUE(s.form.click(button)) << IdText(button); };
}
inline Step Choose(ControlName option) {
    return [=](Session& s) { EXPECT_TRUE(s.form.chooseOption(option)) << IdText(option); };
}
inline Step Tab(int presses = 1) {
    return [=](Session& s) {
        for (int k = 0; k < presses; ++k) EXPECT_TRUE(s.form.tabFocus());
    };
}
// A worked example entered as the user enters it: typed, stepped and chosen. Its vibrational
// rows have degeneracy 1, and the ground level is its only level.
inline Step Enter(CalcInputTexts (*example)()) {
    return [=](Session& s) {
        const CalcInputTexts t = example();
        for (const Step& step :
             {Type(txtName, t.name), Type(txtTemp, t.temperature), Type(txtMolarMass, t.molarMass),
              Up(spnN, std::stoi(t.atomCount) - 1)})
            step(s);
        if (t.nonlinear) Choose(optNonlinear)(s);
        Up(spnSigma, std::stoi(t.sigma) - 1)(s);
        for (int k = 1; k <= 3; ++k)
            if (!t.rotConsts[k - 1].empty()) Type({txtRotationalConst, k}, t.rotConsts[k - 1])(s);
        for (std::size_t k = 0; k < t.wavenumbers.size(); ++k)
            Type({txtFreq, static_cast<int>(k) + 1}, t.wavenumbers[k])(s);
    };
}

// ---- Actions of the program.
inline Step Write(ControlId box, std::string text) {
    return [box, text = std::move(text)](Session& s) { s.form.setText(box, text); };
}
// The notifications so far are forgotten.
inline Step Forget() {
    return [](Session& s) { s.events.clear(); };
}

// ---- Readings.
// One property of a control: Read(spnN, &Control::value) is "-1".
template <typename T>
Step Read(ControlId id, T Control::*property) {
    return Note([=](Session& s) { return Join(s.c(id).*property); });
}
inline Step Text(ControlId id) {
    return Read(id, &Control::text);
}
// A control's place, text and state in one line, "1560 960 375 285 '1' locked": the words after
// the text name only what differs from a visible, enabled, editable, unselected control.
inline Step Describe(ControlId id) {
    return Note([=](Session& s) {
        const Control& k = s.c(id);
        std::ostringstream line;
        line << k.left << ' ' << k.top << ' ' << k.width << ' ' << k.height << " '" << k.text << "'"
             << (k.visible ? "" : " hidden") << (k.enabled ? "" : " disabled")
             << (k.locked ? " locked" : "") << (k.selected ? " selected" : "");
        if (k.kind == ControlKind::Spinner) line << " value " << k.value;
        return line.str();
    });
}
// Every notification, joined by ", "; or those that begin with `kind`, without it, joined by
// blanks: Log("focus ") is "txtName txtMolarMass".
inline Step Log(std::string kind = "") {
    return Note([kind = std::move(kind)](Session& s) {
        std::string joined;
        for (const std::string& e : s.events) {
            if (!kind.empty() && !e.starts_with(kind)) continue;
            if (!joined.empty()) joined += kind.empty() ? ", " : " ";
            joined += e.substr(kind.size());
        }
        return joined;
    });
}
// Whether a control takes input: "open" or "closed".
inline Step Open(ControlId id) {
    return Note([=](Session& s) { return s.form.takesInput(id) ? "open" : "closed"; });
}
inline Step Focus() {
    return Note([](Session& s) { return s.form.focus() ? IdText(s.form.focus()->id) : "none"; });
}
// The degeneracies of the vibrational rows, "1 2".
inline Step Rows() {
    return Note([](Session& s) {
        std::string list;
        for (int row = 1; row <= s.form.nModes(); ++row)
            (list += row > 1 ? " " : "") += s.c({txtDegen, row}).text;
        return list;
    });
}
// The visible controls of the window itself, in creation order.
inline Step Shown() {
    return Note([](Session& s) {
        std::string names;
        for (const Control* k : s.form.controls())
            if (!k->container && k->visible) (names += names.empty() ? "" : " ") += IdText(k->id);
        return names;
    });
}

// What the window itself shows in input mode.
inline const std::string kInputMode =
    "lblTemp txtTemp cmdCalc frmMolType frmRotational frmVibrational frmElectronic";

// One case of a table: what it shows, in plain words (its test name and its printed parameter);
// its steps from a fresh window; and the readings they must note, joined by " | ".
struct Case {
    const char* what;
    std::vector<Step> steps;
    std::string expected;
};
inline void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}
inline std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

// Runs the cases of a table; each file instantiates it with its own tables.
class Scenario : public ::testing::TestWithParam<Case> {};

}  // namespace moltherm::app::testing
