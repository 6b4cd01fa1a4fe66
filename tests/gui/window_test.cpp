// The window driven through real widgets with real key and mouse events: the road of one
// request, the molecule types, the error box and the focus, the keyboard, rows appearing and
// going, and the window's size and position.
#include <QGroupBox>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <clocale>
#include <cmath>

#include "gui/form_surface.h"
#include "gui/spinner_bar.h"
#include "gui/twips.h"
#include "window_driver.h"

using moltherm::app::ControlId;
using moltherm::gui::TwipsToPixels;
using moltherm::gui::testing::WindowDriver;

namespace {

QStringList Lines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

// The numbers of one table line after its 17-character label.
QList<double> Cells(const QString& line) {
    QList<double> values;
    for (const QString& cell : line.mid(17).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        values.append(cell.toDouble());
    return values;
}

QString LineStartingWith(const QString& text, const QString& start, int occurrence = 0) {
    for (const QString& line : Lines(text)) {
        if (line.startsWith(start) && occurrence-- == 0) return line;
    }
    return {};
}

// Translational entropy of an ideal gas at 1 bar (Sackur-Tetrode), J/(K mol).
double TranslationalEntropy(double molarMass, double temperature) {
    return 8.314462618 * (1.5 * std::log(molarMass) + 2.5 * std::log(temperature) - 1.1517078);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<WindowDriver> d;

    void sendSurfaceMove(QPoint at, Qt::MouseButtons held) {
        QWidget* surface = d->view().surface();
        QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
    }

  private slots:
    void init() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        d = std::make_unique<WindowDriver>();
        QVERIFY(d->open());
    }
    void cleanup() { d.reset(); }

    void opensAsDesignedForAnAtom() {
        QCOMPARE(d->view().windowTitle(), QStringLiteral("Moltherm  v1.03"));
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(d->view().size(), QSize(573, 421));  // 8595 x 6315 twips
        QCOMPARE(d->lineText("txtTemp"), QStringLiteral("298.15"));
        QCOMPARE(d->buttonText("cmdCalc"), QStringLiteral("Calc"));
        QCOMPARE(d->lineText("txtN"), QStringLiteral("1"));
        QVERIFY(qobject_cast<QRadioButton*>(d->widget("optLinear"))->isChecked());
        QVERIFY(!d->widget("optLinear")->isEnabled());
        QVERIFY(!d->widget("frmRotational")->isEnabled());
        QVERIFY(!d->widget("txtFreq", 1)->isEnabled());
        QVERIFY(d->widget("txtEnergy", 0)->isEnabled());
        for (const char* hidden : {"txtAns", "txtError", "cmdNewData", "cmdPrint"})
            QVERIFY2(!d->shown(hidden), hidden);
        QVERIFY(d->focused("txtName"));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    }

    void everyControlStandsAtItsTwipsGeometry() {
        for (const moltherm::app::Control* c : d->form().controls()) {
            QWidget* w = d->view().widgetFor(c->id);
            QVERIFY2(w, c->id.name.c_str());
            const QRect expected(TwipsToPixels(c->left), TwipsToPixels(c->top),
                                 TwipsToPixels(c->width), TwipsToPixels(c->height));
            QCOMPARE(w->geometry(), expected);
            QWidget* container = c->container.empty()
                                     ? static_cast<QWidget*>(d->view().surface())
                                     : d->view().widgetFor(ControlId{c->container, -1});
            QCOMPARE(w->parentWidget(), container);
        }
        QCOMPARE(d->widget("spnN")->size(), QSize(17, 17));
        QVERIFY(qobject_cast<QGroupBox*>(d->widget("frmElectronic")));
        QCOMPARE(qobject_cast<QGroupBox*>(d->widget("frmVibrational"))->title(),
                 QStringLiteral("Vibrational"));
    }

    void roadOfOneRequest() {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("HCl"));
        d->pressEnter();
        QVERIFY(d->focused("txtMolarMass"));
        QCOMPARE(d->lineText("txtName"), QStringLiteral("HCl"));  // Enter left no trace
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("36.461"));
        d->pressEnter();
        QVERIFY(d->focused("txtN"));

        d->clickUp("spnN");
        QCOMPARE(d->lineText("txtN"), QStringLiteral("2"));
        QCOMPARE(qobject_cast<QScrollBar*>(d->widget("spnN"))->value(), -2);
        QVERIFY(d->widget("frmRotational")->isEnabled());
        QVERIFY(d->widget("txtFreq", 1)->isEnabled());
        QVERIFY(d->widget("optLinear")->isEnabled());
        QVERIFY(!d->widget("optNonlinear")->isEnabled());
        QCOMPARE(d->lineText("txtDegen", 1), QStringLiteral("1"));

        d->typeInto("txtRotationalConst", QStringLiteral("10.59"), 1);
        d->typeInto("txtFreq", QStringLiteral("2990.95"), 1);
        QCOMPARE(d->control("txtFreq", 1).text, std::string("2990.95"));
        d->click("cmdCalc");

        QVERIFY(d->shown("txtAns"));
        for (const char* frame : {"frmMolType", "frmRotational", "frmVibrational", "frmElectronic"})
            QVERIFY2(!d->shown(frame), frame);
        QVERIFY(d->shown("cmdNewData"));
        QVERIFY(d->shown("cmdPrint"));
        QCOMPARE(d->buttonText("cmdCalc"), QStringLiteral("New T"));
        QCOMPARE(d->widget("txtAns")->geometry(), QRect(8, 53, 557, 360));  // 120, 800, 8355, 5395
        const QString report = d->answerText();
        QCOMPARE(report, d->modelAnswerText());
        QVERIFY(report.startsWith(QStringLiteral("Moltherm Calculation   ")));
        const QStringList lines = Lines(report);
        for (const char* expected :
             {"Gas phase linear molecule HCl.", "All data for 1 mole at 1 bar.",
              "Molar Mass = 36.461 g/mol.", "Symmetry Number = 1.",
              "Rotational Constant = 10.590000/cm.", " 1.  2990.95   (1)", "  0.        0.00   (1)",
              "298.15K        translational rotational vibrational  electronic     total"})
            QVERIFY2(lines.contains(QLatin1String(expected)), expected);
        const QList<double> entropy =
            Cells(LineStartingWith(report, QStringLiteral("  S/(J/(K mol)):")));
        QCOMPARE(entropy.size(), 5);
        QVERIFY(std::fabs(entropy[0] - TranslationalEntropy(36.461, 298.15)) < 0.01);
        const QList<double> heat =
            Cells(LineStartingWith(report, QStringLiteral(" Cp/(J/(K mol)):")));
        QCOMPARE(heat.mid(0, 2), (QList<double>{20.786, 8.315}));  // 5R/2 and R

        d->typeInto("txtTemp", QStringLiteral("1000"));
        d->click("cmdCalc");
        const QString twoTables = d->answerText();
        QCOMPARE(twoTables, d->modelAnswerText());
        QVERIFY(twoTables.startsWith(report));  // the first table stays, the second follows
        QVERIFY(Lines(twoTables).contains(QStringLiteral(
            "1000.00K       translational rotational vibrational  electronic     total")));
        QCOMPARE(twoTables.count(QStringLiteral("Moltherm Calculation")), 1);
        const QList<double> hot =
            Cells(LineStartingWith(twoTables, QStringLiteral("  S/(J/(K mol)):"), 1));
        QVERIFY(std::fabs(hot[0] - TranslationalEntropy(36.461, 1000)) < 0.01);

        d->click("cmdNewData");
        QVERIFY(!d->shown("txtAns"));
        QVERIFY(d->shown("frmMolType"));
        QVERIFY(!d->shown("cmdPrint"));
        QCOMPARE(d->buttonText("cmdCalc"), QStringLiteral("Calc"));
        QCOMPARE(d->lineText("txtName"), QStringLiteral("HCl"));
        QCOMPARE(d->lineText("txtFreq", 1), QStringLiteral("2990.95"));
    }

    void waterEnteredAsNonlinearThroughSpinnersAndOptions() {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("H2O"));
        d->typeInto("txtMolarMass", QStringLiteral("18.015"));
        d->clickUp("spnN");
        QVERIFY(!d->widget("optNonlinear")->isEnabled());
        d->clickUp("spnN");
        QCOMPARE(d->lineText("txtN"), QStringLiteral("3"));
        QCOMPARE(d->form().nModes(), 4);  // linear: 3N - 5
        d->click("optNonlinear");
        QVERIFY(qobject_cast<QRadioButton*>(d->widget("optNonlinear"))->isChecked());
        QVERIFY(!qobject_cast<QRadioButton*>(d->widget("optLinear"))->isChecked());
        QCOMPARE(d->form().nModes(), 3);
        QVERIFY(d->widget("txtFreq", 4) == nullptr);
        QVERIFY(d->shown("txtRotationalConst", 2));
        QVERIFY(d->shown("txtRotationalConst", 3));
        d->clickUp("spnSigma");
        QCOMPARE(d->lineText("txtSigma"), QStringLiteral("2"));

        const char* constants[] = {"27.877", "14.512", "9.285"};
        const char* wavenumbers[] = {"3657", "1595", "3756"};
        for (int k = 0; k < 3; ++k) {
            d->typeInto("txtRotationalConst", QLatin1String(constants[k]), k + 1);
            d->typeInto("txtFreq", QLatin1String(wavenumbers[k]), k + 1);
        }
        d->click("cmdCalc");
        const QString report = d->answerText();
        QCOMPARE(report, d->modelAnswerText());
        const QStringList lines = Lines(report);
        for (const char* expected :
             {"Gas phase nonlinear molecule H2O.", "Symmetry Number = 2.",
              "Rotational Constants: 27.877000/cm,  14.512000/cm,  9.285000/cm.",
              " 1.  3657.00   (1)", " 2.  1595.00   (1)", " 3.  3756.00   (1)"})
            QVERIFY2(lines.contains(QLatin1String(expected)), expected);
        const QList<double> heat =
            Cells(LineStartingWith(report, QStringLiteral(" Cp/(J/(K mol)):")));
        QCOMPARE(heat.mid(0, 2), (QList<double>{20.786, 12.472}));  // 5R/2 and 3R/2
        const QList<double> entropy =
            Cells(LineStartingWith(report, QStringLiteral("  S/(J/(K mol)):")));
        QVERIFY(std::fabs(entropy[0] - TranslationalEntropy(18.015, 298.15)) < 0.01);
    }

    void accessKeysChooseTheTypeOnlyWhileEnabled() {
        QTest::keyClick(&d->view(), Qt::Key_N, Qt::AltModifier);
        QVERIFY(qobject_cast<QRadioButton*>(d->widget("optLinear"))->isChecked());
        d->clickUpTimes(2, "spnN");
        QTest::keyClick(&d->view(), Qt::Key_N, Qt::AltModifier);
        QVERIFY(d->control("optNonlinear").selected);
        QVERIFY(qobject_cast<QRadioButton*>(d->widget("optNonlinear"))->isChecked());
        QVERIFY(d->focused("optNonlinear"));
        QTest::keyClick(&d->view(), Qt::Key_L, Qt::AltModifier);
        QVERIFY(d->control("optLinear").selected);
        QVERIFY(!qobject_cast<QRadioButton*>(d->widget("optNonlinear"))->isChecked());
        QCOMPARE(d->form().molType(), std::string("linear"));
    }

    void badFieldShowsItsMessageUntilTheFocusLeaves() {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("HCl"));
        d->typeInto("txtMolarMass", QStringLiteral("abc"));
        d->click("cmdCalc");
        QVERIFY(d->shown("txtError"));
        QCOMPARE(d->lineText("txtError"), QStringLiteral("Invalid molar mass"));
        QVERIFY(d->focused("txtError"));
        auto* error = qobject_cast<QLineEdit*>(d->widget("txtError"));
        QCOMPARE(error->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(error->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(error->palette().color(QPalette::Base), QColor(255, 255, 255));
        QVERIFY(!d->shown("txtAns"));

        // A label, a frame or the bare surface takes no focus: the message stays.
        d->click("lblName");
        QVERIFY(d->shown("txtError"));
        QTest::mouseClick(d->widget("frmElectronic"), Qt::LeftButton, {}, QPoint(100, 140));
        QVERIFY(d->shown("txtError"));
        QTest::mouseClick(d->view().surface(), Qt::LeftButton, {}, QPoint(40, 380));
        QVERIFY(d->shown("txtError"));
        QVERIFY(d->focused("txtError"));

        d->click("txtName");
        QVERIFY(!d->shown("txtError"));
        QVERIFY(!d->control("txtError").visible);
        QVERIFY(d->focused("txtName"));
    }

    void errorBoxHidesWhenTabLeavesIt() {
        d->click("cmdCalc");  // no name
        QCOMPARE(d->lineText("txtError"), QStringLiteral("Molecule must be named"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!d->shown("txtError"));
        QCOMPARE(QApplication::focusWidget(), d->view().widgetFor(d->form().focus()->id));
    }

    void tabOrderFollowsTheModelBothWays() {
        const char* forward[] = {"txtMolarMass", "spnN",    "txtEnergy", "spnEnergyDegen",
                                 "cmdAddState",  "cmdCalc", "txtN"};
        for (const char* name : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QString::fromStdString(d->form().focus()->id.name), QLatin1String(name));
            QCOMPARE(QApplication::focusWidget(), d->view().widgetFor(d->form().focus()->id));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(d->focused("cmdCalc"));
    }

    void enterMovesOnOnlyFromNameAndMolarMass() {
        d->typeInto("txtTemp", QStringLiteral("300"));
        d->pressEnter();
        QVERIFY(d->focused("txtTemp"));
        QCOMPARE(d->lineText("txtTemp"), QStringLiteral("300"));
        d->click("txtName");
        d->pressEnter();
        QVERIFY(d->focused("txtMolarMass"));
        d->pressEnter();
        QVERIFY(d->focused("txtN"));
        QCOMPARE(d->lineText("txtName"), QString());
    }

    void spinnerArrowsStepItsValue() {
        auto* spinner = qobject_cast<QScrollBar*>(d->widget("spnEnergyDegen", 0));
        d->clickUp("spnEnergyDegen", 0);
        QCOMPARE(spinner->value(), -2);
        QCOMPARE(d->control("spnEnergyDegen", 0).value, -2);
        QCOMPARE(d->lineText("txtEnergyDegen", 0), QStringLiteral("2"));
        QVERIFY(d->focused("spnEnergyDegen", 0));
        d->clickDown("spnEnergyDegen", 0);
        QCOMPARE(spinner->value(), -1);
        QCOMPARE(d->lineText("txtEnergyDegen", 0), QStringLiteral("1"));
        // The keyboard's arrows do what the arrow buttons do.
        QTest::keyClick(spinner, Qt::Key_Up);
        QCOMPARE(d->control("spnEnergyDegen", 0).value, -2);
        QCOMPARE(d->lineText("txtEnergyDegen", 0), QStringLiteral("2"));
    }

    void rowsAppearAndGoWithTheModel() {
        d->clickUpTimes(2, "spnN");
        for (int row = 2; row <= 4; ++row) {
            QVERIFY(d->shown("txtFreq", row));
            QCOMPARE(d->widget("spnDegen", row)->geometry(),
                     QRect(144, TwipsToPixels(600 + 300 * (row - 1)), 17, 17));
        }
        QCOMPARE(d->widget("frmVibrational")->height(), TwipsToPixels(1950));
        d->click("optNonlinear");
        QVERIFY(d->widget("txtFreq", 4) == nullptr);
        QVERIFY(d->widget("spnDegen", 4) == nullptr);

        // A spinner whose own row is rebuilt by its click: row 3 goes and comes back blank.
        d->typeInto("txtFreq", QStringLiteral("1595"), 3);
        d->clickUp("spnDegen", 3);
        QVERIFY(d->shown("txtFreq", 3));
        QCOMPARE(d->lineText("txtFreq", 3), QString());
        QCOMPARE(d->lineText("txtDegen", 3), QStringLiteral("1"));
        QTest::qWait(0);  // the replaced widgets are deleted now
        d->clickUp("spnDegen", 3);
        QCOMPARE(d->form().nModes(), 3);

        d->click("cmdAddState");
        QVERIFY(d->shown("txtEnergy", 1));
        QVERIFY(!qobject_cast<QLineEdit*>(d->widget("txtEnergy", 1))->isReadOnly());
        QVERIFY(qobject_cast<QLineEdit*>(d->widget("txtEnergy", 0))->isReadOnly());
        d->click("cmdReset");
        QVERIFY(d->widget("txtEnergy", 1) == nullptr);
    }

    void modelHeightSizesTheWindow() {
        for (int k = 0; k < 12; ++k) d->click("cmdAddState");
        // 1800 + 1575 + 12 * 350 + 500 twips outer, less the 405 of title bar and border.
        QCOMPARE(d->form().height(), 8075);
        QCOMPARE(d->view().height(), TwipsToPixels(8075 - 405));
        QVERIFY(!d->view().scrollArea()->verticalScrollBar()->isVisible());
        d->click("cmdReset");
        QCOMPARE(d->view().height(), 421);
    }

    void resizingGoesThroughFormResize() {
        d->view().resize(700, 500);
        QCOMPARE(d->form().scaleWidth(), 700 * 15);
        QCOMPARE(d->form().scaleHeight(), 500 * 15);
        QCOMPARE(d->control("txtAns").width, 700 * 15 - 240);
        QCOMPARE(d->control("txtAns").height, 500 * 15 - 4440 - 120);
        QCOMPARE(d->widget("txtAns")->width(), 684);
    }

    void draggingTheBodyMovesTheWindow() {
        const QPoint before = d->view().pos();
        sendSurfaceMove({30, 380}, Qt::NoButton);
        QCOMPARE(d->form().lastMouseX(), 450.0f);
        QCOMPARE(d->form().lastMouseY(), 5700.0f);
        // 300 twips right but only 45 down: not more than 50 along both axes.
        sendSurfaceMove({50, 383}, Qt::LeftButton);
        QCOMPARE(d->view().pos(), before);
        sendSurfaceMove({50, 390}, Qt::LeftButton);  // 300 right, 150 down
        QCOMPARE(d->view().pos(), before + QPoint(20, 10));
        // Over a control nothing is reported.
        const float x = d->form().lastMouseX();
        QTest::mouseMove(d->widget("lblTemp"), QPoint(5, 5));
        QCOMPARE(d->form().lastMouseX(), x);
    }

    void manyRowsStayReachableBelowTheScreen() {
        d->clickUpTimes(40, "spnN");
        const int rows = d->form().nModes();
        QCOMPARE(rows, 118);
        const QRect available = d->view().screen()->availableGeometry();
        QVERIFY(d->view().frameGeometry().height() <= available.height());
        QScrollArea* area = d->view().scrollArea();
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QWidget* last = d->widget("txtFreq", rows);
        QVERIFY(d->view().surface()->height() >=
                last->mapTo(d->view().surface(), QPoint(0, last->height())).y());
        d->typeInto("txtFreq", QStringLiteral("123"), rows);
        QCOMPARE(d->control("txtFreq", rows).text, std::string("123"));
        const QPoint inViewport = last->mapTo(area->viewport(), QPoint(0, 0));
        QVERIFY(area->viewport()->rect().contains(inViewport));
        // Tab from the first row's box scrolls the focus into view as well.
        d->click("txtFreq", 1);
        QVERIFY(area->viewport()->rect().contains(
            d->widget("txtFreq", 1)->mapTo(area->viewport(), QPoint(0, 0))));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
