#pragma once

// Drives the real window through Qt's input events, the way a user does: clicks at pixels,
// typed keys. Everything the tests check is read back from the widgets on screen or from the
// window's model. The clock is fixed, so reports read exactly as the worked examples.
#include <QtTest>
#include <QtWidgets>
#include <clocale>

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

    // A control by name, an element of a control array as "txtFreq(3)".
    static app::ControlId Id(const QString& ref) {
        const qsizetype open = ref.indexOf('(');
        const auto name = app::NameFromText(ref.left(open).toStdString());
        if (!name) qFatal("no control %s", qPrintable(ref));
        return {*name, open < 0 ? -1 : ref.mid(open + 1).chopped(1).toInt()};
    }
    QWidget* widget(const QString& ref) { return view_.widgetFor(Id(ref)); }
    const app::Control& control(const QString& r) { return *form_.find(Id(r)); }
    // What a text box or button shows.
    QString text(const QString& ref) {
        QWidget* w = widget(ref);
        return w ? w->property(qobject_cast<QPlainTextEdit*>(w) ? "plainText" : "text").toString()
                 : QString();
    }
    // The answer box's text, after checking it shows the model's (Qt keeps one line break
    // where the report has CR LF).
    QString answer() {
        [&] { QCOMPARE(text("txtAns"), ShownText(control("txtAns").text)); }();
        return text("txtAns");
    }

    // Runs steps, separated by ";" or given apart, as a user takes them, checking as it goes.
    // Actions: "type KEYS" (into the focus), "press KEY" ("Return", "Shift+Tab", "Alt+N"),
    // "click REF [TIMES]", "up REF [TIMES]" and "down REF" (a spinner's arrows), "enter REF TEXT"
    // (clicks into the box, selects all it holds, types the text).
    // Checks: "REF = TEXT" (the text shown, and the model's), "REF at X,Y,W,H" (pixels), "REF
    // value V" (a spinner, on screen and in the model), "REF focused" (on screen and in the
    // model), "REF inview" (inside the scrolled area's viewport), "REF gone" (no widget), else a
    // true Qt property of the widget: "REF visible", "REF !enabled", "REF checked"...
    template <typename... Scripts>
    void run(const Scripts&... scripts) {
        for (const QString& step :
             QStringList{scripts...}.join(';').split(';', Qt::SkipEmptyParts)) {
            const QStringList words = step.trimmed().split(' ');
            const QString rest = step.trimmed().section(' ', 2);
            if (words[0] == "type") {
                QTest::keyClicks(QApplication::focusWidget(), step.trimmed().mid(5));
            } else if (words[0] == "press") {
                const QKeyCombination key = QKeySequence::fromString(words[1])[0];
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            } else if (words[0] == "click" || words[0] == "up" || words[0] == "down") {
                for (int k = 0; k < qMax(1, rest.toInt()); ++k)
                    clickAt(words[1], words[0] == "click" ? -1 : words[0] == "up" ? 3 : 13);
            } else if (words[0] == "enter") {
                clickAt(words[1], -1);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), rest);
            } else {
                QVERIFY2(holds(words[0], words[1], rest),
                         qPrintable(step + "; shows " + text(words[0])));
            }
        }
    }
    // Types a molecule's texts into their boxes; spinners and option buttons are the caller's.
    void fill(const CalcInputTexts& t) {
        std::vector<std::pair<QString, std::string>> boxes{{"txtName", t.name},
                                                           {"txtMolarMass", t.molarMass}};
        for (size_t k = 0; k < t.rotConsts.size(); ++k)
            boxes.emplace_back(QString("txtRotationalConst(%1)").arg(k + 1), t.rotConsts[k]);
        for (size_t k = 0; k < t.wavenumbers.size(); ++k)
            boxes.emplace_back(QString("txtFreq(%1)").arg(k + 1), t.wavenumbers[k]);
        for (const auto& [ref, text] : boxes)
            if (!text.empty()) run("enter " + ref + " " + text.c_str());
    }
    // HCl at 298.15 K and then at 1000 K: the window in results mode with two tables.
    void showHclReport() {
        run("up spnN");
        fill(moltherm::testing::HclTexts());
        run("click cmdCalc; enter txtTemp 1000; click cmdCalc");
    }
    // Results mode shows the answer box and its buttons; input mode the data frames.
    void verifyMode(bool results) {
        run(QString("cmdCalc = %1; txtAns %2; cmdNewData %2; cmdPrint %2; frmMolType %3;"
                    "frmRotational %3; frmVibrational %3; frmElectronic %3")
                .arg(results ? "New T" : "Calc", results ? "visible" : "!visible",
                     results ? "!visible" : "visible"));
    }

  private:
    bool holds(const QString& ref, const QString& what, const QString& arg) {
        QWidget* w = widget(ref);
        if (what == "gone" || !w) return what == "gone" && !w;
        const QRect g = w->geometry();
        const QString at =
            QString("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        QWidget* viewport = view_.scrollArea()->viewport();
        if (what == "=") return text(ref) == arg && ShownText(control(ref).text) == arg;
        if (what == "at") return at == arg;
        if (what == "inview") return viewport->rect().contains(w->mapTo(viewport, QPoint(0, 0)));
        if (what == "value")
            return w->property("value") == arg.toInt() && control(ref).value == arg.toInt();
        if (what == "focused")
            return QApplication::focusWidget() == w && form_.focus() &&
                   form_.focus()->id == Id(ref);
        const bool negated = what.startsWith('!');
        const QVariant property = w->property(qPrintable(what.mid(negated ? 1 : 0)));
        if (!property.isValid()) qFatal("%s has no property %s", qPrintable(ref), qPrintable(what));
        return property.toBool() != negated;
    }
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
