#pragma once

// Drives the real window through Qt's input events, the way a user does: clicks at pixels,
// typed keys. Everything the tests check is read back from the widgets on screen or from the
// window's model.
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <memory>
#include <string>

#include "app/frm_moltherm.h"
#include "gui/control_widgets.h"
#include "gui/moltherm_window.h"

namespace moltherm::gui::testing {

class WindowDriver {
  public:
    WindowDriver() {
        PrepareApplication();
        window_ = std::make_unique<MolthermWindow>();
    }

    // Opens the window and waits until it has the keyboard focus.
    bool open() {
        view().open();
        view().activateWindow();
        return QTest::qWaitForWindowActive(&view());
    }

    app::frmMoltherm& form() { return window_->form(); }
    FormView& view() { return window_->view(); }

    QWidget* widget(const char* name, int index = -1) {
        return view().widgetFor(app::ControlId{name, index});
    }
    const app::Control& control(const char* name, int index = -1) {
        const app::Control* c = form().find(name, index);
        if (!c) qFatal("no control %s(%d)", name, index);
        return *c;
    }
    QString lineText(const char* name, int index = -1) {
        return qobject_cast<QLineEdit*>(widget(name, index))->text();
    }
    QString answerText() { return qobject_cast<QPlainTextEdit*>(widget("txtAns"))->toPlainText(); }
    QString buttonText(const char* name) {
        return qobject_cast<QAbstractButton*>(widget(name))->text();
    }
    bool focused(const char* name, int index = -1) {
        return QApplication::focusWidget() == widget(name, index);
    }
    bool shown(const char* name, int index = -1) { return widget(name, index)->isVisible(); }

    // A click in the middle of a control (scrolled into view first).
    void click(const char* name, int index = -1) {
        QWidget* w = widget(name, index);
        view().scrollArea()->ensureWidgetVisible(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    // A click on a spinner's arrow: Fusion draws the up arrow in rows 0-7 and the down arrow
    // in rows 9-16 of the 17-pixel bar.
    void clickUp(const char* name, int index = -1) { clickArrow(name, index, 3); }
    void clickDown(const char* name, int index = -1) { clickArrow(name, index, 13); }
    void clickUpTimes(int times, const char* name, int index = -1) {
        for (int k = 0; k < times; ++k) clickUp(name, index);
    }

    // Clicks into a text box, selects what it holds and types the text over it.
    void typeInto(const char* name, const QString& text, int index = -1) {
        click(name, index);
        QWidget* w = widget(name, index);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, text);
    }
    void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    // The answer box's text as the model holds it, line breaks as Qt shows them.
    QString modelAnswerText() { return ShownText(control("txtAns").text); }

  private:
    void clickArrow(const char* name, int index, int row) {
        QWidget* w = widget(name, index);
        view().scrollArea()->ensureWidgetVisible(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, row));
    }

    std::unique_ptr<MolthermWindow> window_;
};

// The HCl request of the user's guide, typed and clicked into the open window up to "Calc".
inline void EnterHydrogenChloride(WindowDriver& d) {
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("HCl"));
    d.pressEnter();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("36.461"));
    d.pressEnter();
    d.clickUp("spnN");
    d.typeInto("txtRotationalConst", QStringLiteral("10.59"), 1);
    d.typeInto("txtFreq", QStringLiteral("2990.95"), 1);
}

// Puts the whole test program in the C locale, so numbers read and print with a point.
inline void UseCLocale() {
    QLocale::setDefault(QLocale::c());
}

}  // namespace moltherm::gui::testing
