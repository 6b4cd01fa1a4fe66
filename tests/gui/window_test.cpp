// The window driven through real widgets with real key and mouse events: the road of one
// request, the molecule types, the error box and the focus, the keyboard, rows appearing and
// going, the window's size and position; and pictures of it for a person to look at.
#include "gui/default_font.h"
#include "gui/form_surface.h"
#include "gui/twips.h"
#include "window_driver.h"

using moltherm::app::ControlKind;
using namespace moltherm::gui;
using namespace moltherm::testing;

class WindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<testing::WindowDriver> d;

    // Every caption fits its control in the font it is drawn in; then the window is saved as a
    // picture under the build folder.
    void checkCaptionsAndSave(const char* file) {
        using Kind = CaptionRoom::Kind;
        // clang-format off
        const std::map<ControlKind, Kind> kinds = {
            {ControlKind::Label, Kind::Label}, {ControlKind::CommandButton, Kind::Button},
            {ControlKind::OptionButton, Kind::Option}, {ControlKind::Frame, Kind::FrameTitle}};
        // clang-format on
        for (const moltherm::app::Control* c : d->form().controls()) {
            QWidget* w = d->view().widgetFor(c->id);
            if (c->text.empty() || !w || !kinds.count(c->kind)) continue;
            const CaptionRoom room{kinds.at(c->kind), c->text.c_str(), w->width(), w->height()};
            QVERIFY2(NeededWidth(w->font(), room) <= w->width(), c->text.c_str());
        }
        const QString path = QStringLiteral(MOLTHERM_SCREENSHOT_DIR "/") + file;
        QVERIFY2(d->view().grab().save(path), qPrintable(path));
    }

  private slots:
    void init() { QVERIFY((d = std::make_unique<testing::WindowDriver>())->open()); }
    void cleanup() { d.reset(); }

    void opensAsDesignedForAnAtom() {
        QCOMPARE(d->view().windowTitle(), "Moltherm  v1.03");
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QApplication::style()->name(), "fusion");
        QCOMPARE(d->view().size(), QSize(573, 421));  // 8595 x 6315 twips
        d->run("txtTemp = 298.15; txtN = 1; optLinear checked; optLinear !enabled",
               "frmRotational !enabled; txtFreq(1) !enabled; txtEnergy(0) enabled",
               "txtError !visible; txtName focused; spnN at 128,64,17,17");
        d->verifyMode(false);
        for (const moltherm::app::Control* c : d->form().controls()) {
            QWidget* w = d->view().widgetFor(c->id);
            QVERIFY2(w, moltherm::app::IdText(c->id).c_str());
            QCOMPARE(w->geometry(), QRect(TwipsToPixels(c->left), TwipsToPixels(c->top),
                                          TwipsToPixels(c->width), TwipsToPixels(c->height)));
            QCOMPARE(w->parentWidget(),
                     c->container ? d->view().widgetFor(*c->container) : d->view().surface());
        }
        QCOMPARE(qobject_cast<QGroupBox*>(d->widget("frmVibrational"))->title(), "Vibrational");
    }

    void roadOfOneRequest() {
        d->run("type HCl; press Return; txtMolarMass focused; txtName = HCl; type 36.461",
               "press Return; txtN focused; up spnN; txtN = 2; frmRotational enabled",
               "txtFreq(1) enabled; optLinear enabled; optNonlinear !enabled; txtDegen(1) = 1",
               "enter txtRotationalConst(1) 10.59; enter txtFreq(1) 2990.95; click cmdCalc",
               "txtAns at 8,53,557,360");  // 120, 800, 8355, 5395 twips
        d->verifyMode(true);
        const QString report = d->answer();
        QVERIFY(report.startsWith(ShownText(kHclSummary) + "298.15K        translational "));
        d->run("enter txtTemp 1000; click cmdCalc");
        // The first table stays, the second follows.
        QVERIFY(d->answer().startsWith(report + "1000.00K       translational"));
        checkCaptionsAndSave("window-results.png");

        d->run("click cmdNewData; txtName = HCl; txtFreq(1) = 2990.95; up spnSigma");
        d->verifyMode(false);
        d->fill(Cl2Texts());  // the next request starts a report of its own
        d->run("enter txtTemp 298.15; click cmdCalc; enter txtTemp 1000; click cmdCalc");
        QCOMPARE(d->answer().count("Moltherm Calculation"), 1);
        QVERIFY(d->answer().contains("\nGas phase linear molecule Cl2.\n"));
        QVERIFY(d->answer().endsWith(ShownText(kCl2Tables)));
    }

    void waterEnteredAsNonlinearThroughSpinnersAndOptions() {
        // Alt+N and Alt+L choose the type only while the option buttons are enabled.
        d->run("press Alt+N; optLinear checked; up spnN; optNonlinear !enabled; up spnN; txtN = 3",
               "txtFreq(4) visible; txtFreq(5) gone; press Alt+N; optNonlinear checked",
               "optNonlinear focused; press Alt+L; optLinear checked; optNonlinear !checked",
               "click optNonlinear; optNonlinear checked; optLinear !checked; txtFreq(3) visible",
               "txtFreq(4) gone; txtRotationalConst(2) visible; txtRotationalConst(3) visible",
               "up spnSigma; txtSigma = 2");
        d->fill(WaterTexts());
        d->run("click cmdCalc");
        // 5R/2 and 3R/2 for the heat capacity; Sackur-Tetrode at 1 bar gives 144.914 J/(K mol).
        for (const char* line :
             {"Gas phase nonlinear molecule H2O.\n", "Molar Mass = 18.015 g/mol.\n",
              "Symmetry Number = 2.\n",
              "Rotational Constants: 27.877000/cm,  14.512000/cm,  9.285000/cm.\n",
              " 1.  3657.00   (1)\n", " 2.  1595.00   (1)\n", " 3.  3756.00   (1)\n",
              " Cp/(J/(K mol)):   20.786      12.472 ", "  S/(J/(K mol)):  144.914 "})
            QVERIFY2(d->answer().contains(QString("\n") + line), line);
    }

    void badFieldShowsItsMessageUntilTheFocusLeaves() {
        d->run(
            "click cmdCalc; txtError = Molecule must be named; press Tab; txtError !visible",
            "txtName focused; enter txtName HCl; enter txtMolarMass abc; click cmdCalc",
            "txtError visible; txtError = Invalid molar mass; txtError focused; txtAns !visible");
        auto* error = qobject_cast<QLineEdit*>(d->widget("txtError"));
        QCOMPARE(error->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(error->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(error->palette().color(QPalette::Base), QColor(255, 255, 255));
        // A label, a frame or the bare surface takes no focus: the message stays.
        d->run("click lblName");
        QTest::mouseClick(d->widget("frmElectronic"), Qt::LeftButton, {}, QPoint(100, 140));
        QTest::mouseClick(d->view().surface(), Qt::LeftButton, {}, QPoint(40, 380));
        d->run("txtError visible; txtError focused; click txtName; txtError !visible",
               "txtName focused");
        QVERIFY(!d->control("txtError").visible);
    }

    void keyboardMovesTheFocusAsTheModelSays() {
        d->run(
            "press Tab; txtMolarMass focused; press Tab; spnN focused; press Tab",
            "txtEnergy(0) focused; press Tab; spnEnergyDegen(0) focused; press Tab",
            "cmdAddState focused; press Tab; cmdCalc focused; press Tab; txtN focused",
            "press Shift+Backtab; cmdCalc focused",
            // Enter moves on only from the name and the molar mass.
            "enter txtTemp 300; press Return; txtTemp focused; txtTemp = 300",
            // A spinner's arrows, and the keyboard's, step its value.
            "up spnEnergyDegen(0); spnEnergyDegen(0) value -2; txtEnergyDegen(0) = 2",
            "spnEnergyDegen(0) focused; down spnEnergyDegen(0); spnEnergyDegen(0) value -1",
            "txtEnergyDegen(0) = 1; press Up; spnEnergyDegen(0) value -2; txtEnergyDegen(0) = 2");
    }

    void rowsAppearAndGoWithTheModel() {
        // 600 + 300 (row - 1) twips down the frame, which is 1950 high for four rows.
        d->run("up spnN 2; txtFreq(2) visible; spnDegen(2) at 144,60,17,17; txtFreq(4) visible",
               "spnDegen(3) at 144,80,17,17; spnDegen(4) at 144,100,17,17");
        QCOMPARE(d->widget("frmVibrational")->height(), TwipsToPixels(1950));
        // A spinner whose own row is rebuilt by its click: row 3 comes back blank.
        d->run("click optNonlinear; txtFreq(4) gone; spnDegen(4) gone; enter txtFreq(3) 1595",
               "up spnDegen(3); txtFreq(3) visible; txtFreq(3) =; txtDegen(3) = 1");
        QTest::qWait(0);  // the replaced widgets are deleted now
        d->run("up spnDegen(3); txtFreq(3) visible; txtFreq(4) gone; click cmdAddState",
               "txtEnergy(1) visible; txtEnergy(1) !readOnly; txtEnergy(0) readOnly");
        checkCaptionsAndSave("window-input.png");
        d->run("click cmdReset; txtEnergy(1) gone");
    }

    void windowSizeAndPositionFollowTheModel() {
        d->run("click cmdAddState 12");
        // 1800 + 1575 + 12 * 350 + 500 twips outer, less the 405 of title bar and border.
        QCOMPARE(d->form().height(), 8075);
        QCOMPARE(d->view().height(), TwipsToPixels(8075 - 405));
        QVERIFY(!d->view().scrollArea()->verticalScrollBar()->isVisible());
        d->run("click cmdReset");
        QCOMPARE(d->view().height(), 421);
        d->view().resize(700, 500);  // reaches the model through Form_Resize
        QCOMPARE(QSize(d->form().scaleWidth(), d->form().scaleHeight()), QSize(700, 500) * 15);
        const moltherm::app::Control& answer = d->control("txtAns");
        QCOMPARE(QSize(answer.width, answer.height), QSize(700 * 15 - 240, 500 * 15 - 4440 - 120));
        QCOMPARE(d->widget("txtAns")->width(), 684);

        // Dragging the body moves the window once the mouse went 50 twips along both axes.
        QWidget* surface = d->view().surface();
        const auto moveTo = [&](QPoint at, Qt::MouseButtons held) {
            QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, held,
                             Qt::NoModifier);
            QApplication::sendEvent(surface, &move);
        };
        const QPoint before = d->view().pos();
        moveTo({30, 380}, Qt::NoButton);
        QCOMPARE(QPointF(d->form().lastMouseX(), d->form().lastMouseY()), QPointF(450, 5700));
        moveTo({50, 383}, Qt::LeftButton);  // 300 twips right but only 45 down
        QCOMPARE(d->view().pos(), before);
        moveTo({50, 390}, Qt::LeftButton);  // 300 right, 150 down
        QCOMPARE(d->view().pos(), before + QPoint(20, 10));
        const float x = d->form().lastMouseX();  // over a control nothing is reported
        QTest::mouseMove(d->widget("lblTemp"), QPoint(5, 5));
        QCOMPARE(d->form().lastMouseX(), x);
    }

    void manyRowsStayReachableBelowTheScreen() {
        d->run("up spnN 40; txtFreq(118) visible; txtFreq(119) gone");  // 3 * 41 - 5 rows
        QVERIFY(d->view().frameGeometry().height() <=
                d->view().screen()->availableGeometry().height());
        QScrollArea* area = d->view().scrollArea();
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QWidget* last = d->widget("txtFreq(118)");
        QVERIFY(d->view().surface()->height() >=
                last->mapTo(d->view().surface(), QPoint(0, last->height())).y());
        d->run("enter txtFreq(118) 123; txtFreq(118) = 123; txtFreq(118) inview",
               "click txtFreq(1); txtFreq(1) inview");  // and back up to the first row
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        checkCaptionsAndSave("window-many-rows-scrolled.png");
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
