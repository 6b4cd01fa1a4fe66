#pragma once

// The real window on a fixed clock, driven through Qt's input events as a user drives it: clicks
// at pixels, typed keys. The tests read back what the widgets show and what the model holds.
#include <QtTest>
#include <QtWidgets>
#include <clocale>

#include "app/frm_moltherm.h"
#include "gui/form_surface.h"
#include "gui/moltherm_window.h"
#include "tests/support/worked_examples.h"

namespace moltherm::gui::testing {

// A control named as the tests write it: "txtName", with its index; a misspelt name stops the test.
struct TextId {
    TextId(const char* text = "", int index = -1) : name(text), index(index) {}  // NOLINT
    operator app::ControlId() const {                                            // NOLINT
        const auto control = app::NameFromText(name);
        if (!control) qFatal("no control named %s", name);
        return {*control, index};
    }
    const char* name;
    int index;
};

class Window {
  public:
    // Opens the window; check active() before sending keys.
    Window() {
        view.open();
        view.activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(&view); }

    QWidget* widget(const char* name, int index = -1) const {
        return view.widgetFor(TextId(name, index));
    }
    // What a box, a button, a label or a frame shows.
    QString shown(const char* name, int index = -1) const {
        QWidget* w = widget(name, index);
        if (auto* box = qobject_cast<QPlainTextEdit*>(w)) return box->toPlainText();
        return w ? w->property(qobject_cast<QGroupBox*>(w) ? "title" : "text").toString() : "";
    }
    // Focused on screen and in the model alike.
    bool focused(const char* name, int index = -1) const {
        const app::Control* focus = form.focus();
        return QApplication::focusWidget() == widget(name, index) && focus &&
               focus->id == app::ControlId(TextId(name, index));
    }

    // A click at the control's centre, or at `at` inside it, after scrolling it into view.
    void click(const char* name, int index = -1, QPoint at = {-1, -1}) const {
        QWidget* w = widget(name, index);
        view.scrollArea()->ensureWidgetVisible(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, at.x() < 0 ? w->rect().center() : at);
    }
    // Clicks into the box, selects what it holds and types the text over it.
    void enter(const char* name, int index, const QString& text) const {
        click(name, index);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    void press(const QKeySequence& keys) {
        for (int k = 0; k < keys.count(); ++k)
            QTest::keyClick(QApplication::focusWidget(), keys[k].key(),
                            keys[k].keyboardModifiers());
    }
    // A spinner's arrows: up at the top of the 17-pixel bar, down at its bottom.
    void spinUp(const char* name, int index = -1, int times = 1) const {
        for (int k = 0; k < times; ++k) click(name, index, {8, 3});
    }
    void spinDown(const char* name, int index = -1) const { click(name, index, {8, 13}); }

  private:
    // Numbers read and print with a point; the style and icon precede the first widget.
    bool prepared_ = (std::setlocale(LC_ALL, "C"), QLocale::setDefault(QLocale::c()),
                      PrepareApplication(), true);
    FixedClock clock_{moltherm::testing::kReportDate, moltherm::testing::kReportTime};
    MolthermWindow window_{&clock_};

  public:
    MolthermWindow& window() { return window_; }
    app::frmMoltherm& form = window_.form();
    FormView& view = window_.view();
};

}  // namespace moltherm::gui::testing
