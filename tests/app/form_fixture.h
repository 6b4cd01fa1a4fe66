#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/frm_moltherm.h"
#include "report/clock.h"
#include "report/printer.h"
#include "tests/support/worked_examples.h"

namespace moltherm::app::testing {

using namespace moltherm::testing;

// Records every printer operation in order, "font courier, print, "; fails where told to.
class FakePrinter final : public Printer {
  public:
    std::string font = "Arial", printed, log;
    std::optional<std::string> printFailure, endFailure;

    std::string fontName() const override { return font; }
    void setFontName(const std::string& name) override { log += "font " + (font = name) + ", "; }
    std::optional<std::string> print(const std::string& text) override {
        log += "print, ";
        if (!printFailure) printed += text;
        return printFailure;
    }
    std::optional<std::string> endDocument() override {
        log += "end, ";
        return endFailure;
    }
};

// A clock whose date and time the test moves on.
class SettableClock final : public Clock {
  public:
    std::string date = kReportDate, time = kReportTime;
    std::string dateText() const override { return date; }
    std::string timeText() const override { return time; }
};

inline std::string Name(const ControlId& id) { return IdText(id); }
struct TextId {
    std::string name;
    int index = -1;
};
inline TextId Parse(const std::string& name) {
    const std::size_t open = name.find('(');
    if (open == std::string::npos) return TextId{name};
    return TextId{name.substr(0, open), std::stoi(name.substr(open + 1))};
}
inline ControlId Id(const std::string& name, int index = -1) {
    const auto n = NameFromText(name);
    if (!n) throw std::runtime_error("no control " + name);
    return ControlId{*n, index};
}
inline ControlId Id(const TextId& t) { return Id(t.name, t.index); }

// Values written one after the other, a blank between each two: "8715 6720".
template <typename... Values>
std::string Words(const Values&... values) {
    std::ostringstream s;
    ((s << values << ' '), ...);
    return s.str().substr(0, s.str().size() - 1);
}

// A control's place, text and state in one line, "1560 960 375 285 '1' locked": the words after
// the text name only what differs from a visible, enabled, editable, unselected control.
inline std::string Describe(const Control& c) {
    return Words(c.left, c.top, c.width, c.height, "'" + c.text + "'") +
           (c.visible ? "" : " hidden") + (c.enabled ? "" : " disabled") +
           (c.locked ? " locked" : "") + (c.selected ? " selected" : "") +
           (c.kind == ControlKind::Spinner ? " value " + std::to_string(c.value) : "");
}

// Records what the view is told, one entry per notification: "Top txtFreq(2)", and the
// window's Height after each set of it, "window Height 6720".
class RecordingObserver final : public FormObserver {
  public:
    explicit RecordingObserver(const frmMoltherm& form) : form_(form) {}
    const frmMoltherm& form_;
    std::vector<std::string> events;

    void controlCreated(const Control& c) override { events.push_back("create " + Name(c.id)); }
    void controlDestroyed(const ControlId& id) override { events.push_back("destroy " + Name(id)); }
    void propertyChanged(const Control& c, ControlProperty p) override {
        static const char* const kNames[] = {"Left",    "Top",     "Width",  "Height", "Text",
                                             "Visible", "Enabled", "Locked", "Value",  "Selected"};
        events.push_back(std::string(kNames[static_cast<int>(p)]) + " " + Name(c.id));
    }
    void focusMoved(const Control* c) override {
        events.push_back("focus " + (c ? Name(c->id) : "none"));
    }
    void windowPropertySet(WindowProperty p) override {
        events.push_back(p == WindowProperty::Height
                             ? "window Height " + std::to_string(form_.height())
                             : "window Position");
    }
    // The events that contain `part`, in order, joined by ", ".
    std::string log(const std::string& part = "") const {
        std::string joined;
        for (const auto& e : events)
            if (e.find(part) != std::string::npos) joined += (joined.empty() ? "" : ", ") + e;
        return joined;
    }
};

// The form with the program's own writes opened up, to put a box into a state the user cannot.
class TestForm : public frmMoltherm {
  public:
    using frmMoltherm::frmMoltherm;
    using frmMoltherm::setText;
};

// The controls on view on the window itself, frames included, in input mode.
inline const std::string kInputMode =
    "lblTemp txtTemp cmdCalc frmMolType frmRotational frmVibrational frmElectronic";

// A window of design size with a settable clock and a fake printer, driven as a user would:
// through the input entry points only.
struct Session {
    SettableClock clock;
    FakePrinter printer;
    TestForm form;
    RecordingObserver observer{form};

    explicit Session(WindowFrame frame = {}, bool shown = true) : form(clock, printer, frame) {
        if (shown) form.show();
        form.addObserver(&observer);
    }

    const Control& c(const std::string& name, int index = -1) const {
        if (const Control* found = form.find(Id(name, index))) return *found;
        throw std::runtime_error("missing control " + name);
    }
    // Clicks a spinner's arrows ('+' up, '-' down); the text of its box after each click.
    std::string spin(const std::string& spinner, const std::string& arrows, int index = -1) {
        std::string seen;
        for (std::size_t k = 0; k < arrows.size(); ++k) {
            const ControlId id = Id(spinner, index);
            EXPECT_TRUE(arrows[k] == '+' ? form.spinUp(id) : form.spinDown(id)) << Name(id);
            seen += (k ? " " : "") + c("txt" + spinner.substr(3), index).text;
        }
        return seen;
    }
    void type(const std::string& name, const std::string& value, int index = -1) {
        ASSERT_TRUE(form.typeText(Id(name, index), value)) << name;
    }
    void press(const std::string& name) { ASSERT_TRUE(form.click(Id(name))) << name; }
    // Runs user actions, one per word, in order: "++spnN" / "-spnDegen(2)" click a spinner's
    // up / down arrow that many times, "!cmdAddState" presses a button, "@optNonlinear" chooses
    // an option, ">>" / "<" press Tab / Shift+Tab, "txtFreq(2)=1595" types a text ("txtName="
    // empties the box, "_" types a blank), "txtN:=many" writes one as only the program can, "$Cl2"
    // enters a worked example, "&IncreaseDegen(1)" runs one of the procedures below, "^txtName=13"
    // presses a key in a box (the key the handlers return is kept), "|" forgets the notifications.
    void act(const std::string& script) {
        std::istringstream words(script);
        for (std::string word; words >> word;) {
            const std::size_t start = std::min(word.find_first_not_of("+-!@$|<>&^"), word.size());
            const std::size_t eq = word.find('=');
            const std::string verb = word.substr(0, start);
            std::string value = word.substr(eq + 1);
            std::ranges::replace(value, '_', ' ');
            const bool program = eq != std::string::npos && word[eq - 1] == ':';
            const TextId id = Parse(word.substr(start, eq - start - program));
            if (verb == "|")
                observer.events.clear();
            else if (verb == "$")
                enter(kExamples.at(id.name)());
            else if (verb == "!")
                press(id.name);
            else if (verb == "&")
                kProcedures.at(id.name)(form, id.index);
            else if (verb == "^")
                key = form.keyPress(Id(id), std::stoi(value));
            else if (verb == "@")
                ASSERT_TRUE(form.chooseOption(Id(id))) << id.name;
            else if (verb.find_first_of("<>") != std::string::npos)
                for (char tab : verb) ASSERT_TRUE(form.tabFocus(tab == '<'));
            else if (!verb.empty())
                spin(id.name, verb, id.index);
            else if (program)
                form.setText(Id(id), value);
            else
                type(id.name, value, id.index);
        }
    }
    inline static const std::map<std::string, std::function<void(frmMoltherm&, int)>> kProcedures =
        {{"IncreaseAtomCount", [](frmMoltherm& f, int) { f.IncreaseAtomCount(); }},
         {"DecreaseAtomCount", [](frmMoltherm& f, int) { f.DecreaseAtomCount(); }},
         {"IncreaseSigma", [](frmMoltherm& f, int) { f.IncreaseSigma(); }},
         {"DecreaseSigma", [](frmMoltherm& f, int) { f.DecreaseSigma(); }},
         {"IncreaseDegen", [](frmMoltherm& f, int row) { f.IncreaseDegen(row); }}};
    int key = -1;
    inline static const std::map<std::string, CalcInputTexts (*)()> kExamples = {
        {"Ar", ArgonTexts}, {"HCl", HclTexts}, {"Cl2", Cl2Texts}, {"H2O", WaterTexts}};
    // A molecule entered as the user would: typed, stepped and chosen; the vibrational rows keep
    // the degeneracy 1 the worked examples have, and the ground level is the only one.
    void enter(const CalcInputTexts& t) {
        act("txtName=" + t.name + " txtTemp=" + t.temperature + " txtMolarMass=" + t.molarMass);
        spin("spnN", std::string(std::stoi(t.atomCount) - 1, '+'));
        if (t.nonlinear) act("@optNonlinear");
        spin("spnSigma", std::string(std::stoi(t.sigma) - 1, '+'));
        for (int k = 1; k <= 3; ++k)
            if (!t.rotConsts[k - 1].empty()) type("txtRotationalConst", t.rotConsts[k - 1], k);
        for (std::size_t k = 0; k < t.wavenumbers.size(); ++k)
            type("txtFreq", t.wavenumbers[k], static_cast<int>(k) + 1);
    }
    // What a test reads, one value per word, joined by " | ": a control's text ("txtDegen(2)"),
    // its Describe line ("#txtAns"), whether it takes input ("?spnSigma": "open" or "closed"),
    // how many elements its array has ("*txtFreq"), the notifications ("log", "log:Visible" for
    // those that contain "Visible") and the form's own values named below.
    std::string probe(const std::string& names) const {
        const frmMoltherm& f = form;
        const std::map<std::string, std::function<std::string()>> own = {
            {"nModes", [&] { return Words(f.nModes()); }},
            {"lastLevel", [&] { return Words(f.lastLevel()); }},
            {"molType", [&] { return f.molType(); }},
            {"i", [&] { return Words(f.i()); }},
            {"height", [&] { return Words(f.height()); }},
            {"place", [&] { return Words(f.left(), f.top()); }},
            {"start", [&] { return Words(f.startHeight(), f.startScaleHeight()); }},
            {"size", [&] { return Words(f.width(), f.height(), f.scaleWidth(), f.scaleHeight()); }},
            {"temperature", [&] { return Words(f.record().temperature); }},
            {"key", [&] { return Words(key); }},
            {"focus", [&] { return f.focus() ? Name(f.focus()->id) : "none"; }},
            {"log", [&] { return observer.log(); }},
            // The visible controls of the window itself, in creation order.
            {"shown",
             [&] {
                 std::string names;
                 for (const Control* k : form.controls())
                     if (!k->container && k->visible)
                         names += (names.empty() ? "" : " ") + Name(k->id.name);
                 return names;
             }},
            // The degeneracies of the vibrational rows, "1 2", and "extra" for a row beyond nModes.
            {"rows", [&] {
                 std::string list;
                 for (int row = 1; row <= form.nModes(); ++row)
                     list += (row > 1 ? " " : "") + c("txtDegen", row).text;
                 return list + (form.find({ControlName::txtFreq, form.nModes() + 1}) ? " extra" : "");
             }}};
        std::istringstream words(names);
        std::string out;
        for (std::string word; words >> word; out += " | ") {
            const TextId id = Parse(word.substr(1));
            if (own.contains(word))
                out += own.at(word)();
            else if (word.starts_with("log:"))
                out += observer.log(word.substr(4));
            else if (word[0] == '#')
                out += Describe(c(id.name, id.index));
            else if (word[0] == '?')
                out += NameFromText(id.name) && form.takesInput(Id(id)) ? "open" : "closed";
            else if (word[0] == '*')
                out += std::to_string(std::ranges::count_if(
                    form.controls(), [&](const Control* k) { return k->id.name == Id(id).name; }));
            else
                out += c(Parse(word).name, Parse(word).index).text;
        }
        return out.substr(0, out.size() - 3);
    }
    bool resultsMode() const { return c("cmdCalc").text == "New T" && c("txtAns").visible; }
};

// From a fresh window: a script of Session::act, and what Session::probe reads afterwards.
using Scenario = std::tuple<const char*, const char*, const char*>;

inline void ExpectScenarios(std::span<const Scenario> scenarios) {
    for (const auto& [script, probe, expected] : scenarios) {
        Session s;
        s.act(script);
        EXPECT_EQ(s.probe(probe), expected) << script;
    }
}

class FormTest : public ::testing::Test, public Session {};

}  // namespace moltherm::app::testing
