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

using app::ControlId;
using enum app::ControlName;

class Window {
  public:
    // Opens the window; check active() before sending keys.
    Window() {
        view.open();
        view.activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(&view); }

    QWidget* widget(ControlId id) const { return view.widgetFor(id); }
    // What a box, a button, a label or a frame shows.
    QString shown(ControlId id) const {
        QWidget* w = widget(id);
        if (auto* box = qobject_cast<QPlainTextEdit*>(w)) return box->toPlainText();
        return w ? w->property(qobject_cast<QGroupBox*>(w) ? "title" : "text").toString() : "";
    }
    // Focused on screen and in the model alike.
    bool focused(ControlId id) const {
        const app::Control* focus = form.focus();
        return QApplication::focusWidget() == widget(id) && focus && focus->id == id;
    }

    // A click at the control's centre, or at `at` inside it, after scrolling it into view.
    void click(ControlId id, QPoint at = {-1, -1}) const {
        QWidget* w = widget(id);
        view.scrollArea()->ensureWidgetVisible(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, at.x() < 0 ? w->rect().center() : at);
    }
    // Clicks into the box, selects what it holds and types the text over it.
    void enter(ControlId box, const QString& text) const {
        click(box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    void press(const QKeySequence& keys) {
        for (int k = 0; k < keys.count(); ++k)
            QTest::keyClick(QApplication::focusWidget(), keys[k].key(),
                            keys[k].keyboardModifiers());
    }
    // A spinner's arrows: up at the top of the 17-pixel bar, down at its bottom.
    void spinUp(ControlId spinner, int times = 1) const {
        for (int k = 0; k < times; ++k) click(spinner, {8, 3});
    }
    void spinDown(ControlId spinner) const { click(spinner, {8, 13}); }

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
