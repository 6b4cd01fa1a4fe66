#pragma once

// Drives the real window through Qt's input events, the way a user does: clicks at pixels,
// typed keys. Everything the tests check is read back from the widgets on screen or from the
// window's model. The clock is fixed, so reports read exactly as the worked examples.
// Controls are named as "txtName", elements of a control array as "txtFreq(3)".
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTest>
#include <clocale>
#include <map>

#include "app/frm_moltherm.h"
#include "gui/control_widgets.h"
#include "gui/moltherm_window.h"
#include "tests/support/worked_examples.h"

namespace moltherm::gui::testing {

class WindowDriver {
  public:
    // Opens the window and waits until it has the keyboard focus.
    bool open() {
        view_.open();
        view_.activateWindow();
        return QTest::qWaitForWindowActive(&view_);
    }

    app::frmMoltherm& form() { return form_; }
    FormView& view() { return view_; }

    static app::ControlId Id(const QString& ref) {
        const qsizetype open = ref.indexOf(QLatin1Char('('));
        if (open < 0) return {ref.toStdString(), -1};
        return {ref.left(open).toStdString(), ref.mid(open + 1).chopped(1).toInt()};
    }
    QWidget* widget(const QString& ref) { return view_.widgetFor(Id(ref)); }
    const app::Control& control(const QString& ref) {
        const app::Control* c = form_.find(Id(ref).name, Id(ref).index);
        if (!c) qFatal("no control %s", qPrintable(ref));
        return *c;
    }
    // What a text box or button shows.
    QString text(const QString& ref) {
        QWidget* w = widget(ref);
        if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
        if (auto* box = qobject_cast<QPlainTextEdit*>(w)) return box->toPlainText();
        return qobject_cast<QAbstractButton*>(w)->text();
    }
    bool focused(const QString& ref) { return QApplication::focusWidget() == widget(ref); }
    // The focus on screen is where the model has it.
    bool focusInSync() {
        return form_.focus() && QApplication::focusWidget() == view_.widgetFor(form_.focus()->id);
    }

    // Checks of the form "txtN = 2" (the text shown) or "optLinear checked" (also unchecked,
    // enabled, disabled, shown, hidden, focused, gone).
    void verify(std::initializer_list<const char*> checks) {
        for (const QString check : checks) {
            const QString ref = check.section(QLatin1Char(' '), 0, 0);
            const QString what = check.section(QLatin1Char(' '), 1);
            QWidget* w = widget(ref);
            auto* button = qobject_cast<QAbstractButton*>(w);
            QVERIFY2(w || what == QLatin1String("gone"), qPrintable(check));
            const std::map<QString, bool> states = {{"gone", !w},
                                                    {"shown", w && w->isVisible()},
                                                    {"hidden", w && !w->isVisible()},
                                                    {"enabled", w && w->isEnabled()},
                                                    {"disabled", w && !w->isEnabled()},
                                                    {"focused", w && focused(ref)},
                                                    {"checked", button && button->isChecked()},
                                                    {"unchecked", button && !button->isChecked()}};
            if (what.startsWith(QLatin1String("= ")))
                QVERIFY2(text(ref) == what.mid(2), qPrintable(check + " but is " + text(ref)));
            else
                QVERIFY2(states.at(what), qPrintable(check));
        }
    }
    // Results mode shows the answer box and its buttons; input mode the data frames.
    void verifyMode(bool results) {
        if (results)
            verify({"cmdCalc = New T", "txtAns shown", "cmdNewData shown", "cmdPrint shown",
                    "frmMolType hidden", "frmRotational hidden", "frmVibrational hidden",
                    "frmElectronic hidden"});
        else
            verify({"cmdCalc = Calc", "txtAns hidden", "cmdNewData hidden", "cmdPrint hidden",
                    "frmMolType shown", "frmRotational shown", "frmVibrational shown",
                    "frmElectronic shown"});
    }
    // The answer box's text, after checking it shows the model's (Qt keeps one line break
    // where the report has CR LF).
    QString answer() {
        [&] { QCOMPARE(text("txtAns"), ShownText(control("txtAns").text)); }();
        return text("txtAns");
    }

    // A click in the middle of a control (scrolled into view first).
    void click(const QString& ref) { clickAt(ref, -1); }
    // Fusion draws a spinner's up arrow in rows 0-7 and its down arrow in rows 9-16.
    void clickUp(const QString& ref, int times = 1) {
        for (int k = 0; k < times; ++k) clickAt(ref, 3);
    }
    void clickDown(const QString& ref) { clickAt(ref, 13); }
    // Keys typed into whatever has the focus.
    void type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Clicks into a text box, selects what it holds and types the text over it.
    void typeInto(const QString& ref, const std::string& text) {
        click(ref);
        key(Qt::Key_A, Qt::ControlModifier);
        type(QString::fromStdString(text));
    }
    // Types a molecule's texts into their boxes; spinners and option buttons are the caller's.
    void fill(const CalcInputTexts& t) {
        typeInto("txtName", t.name);
        typeInto("txtMolarMass", t.molarMass);
        for (size_t k = 0; k < t.rotConsts.size(); ++k)
            if (!t.rotConsts[k].empty())
                typeInto(QStringLiteral("txtRotationalConst(%1)").arg(k + 1), t.rotConsts[k]);
        for (size_t k = 0; k < t.wavenumbers.size(); ++k)
            typeInto(QStringLiteral("txtFreq(%1)").arg(k + 1), t.wavenumbers[k]);
    }
    void calcAt(const std::string& temperature) {
        typeInto("txtTemp", temperature);
        click("cmdCalc");
    }
    // HCl at 298.15 K and then at 1000 K: the window in results mode with two tables.
    void showHclReport() {
        clickUp("spnN");
        fill(moltherm::testing::HclTexts());
        calcAt("298.15");
        calcAt("1000");
    }

  private:
    void clickAt(const QString& ref, int row) {
        QWidget* w = widget(ref);
        view_.scrollArea()->ensureWidgetVisible(w);
        QTest::mouseClick(w, Qt::LeftButton, {},
                          row < 0 ? w->rect().center() : QPoint(w->width() / 2, row));
    }

    // Numbers read and print with a point; the style and icon precede the first widget.
    bool prepared_ = (std::setlocale(LC_ALL, "C"), QLocale::setDefault(QLocale::c()),
                      PrepareApplication(), true);
    FixedClock clock_{moltherm::testing::kReportDate, moltherm::testing::kReportTime};
    QtPrinter printer_;
    app::frmMoltherm form_{clock_, printer_};
    FormView view_{form_};
};

}  // namespace moltherm::gui::testing
