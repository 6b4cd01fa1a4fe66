// The window driven through real widgets with real key and mouse events: the road of one
// request, the molecule types, the error box and the focus, the keyboard, rows appearing and
// going, the window's size and position; and pictures of it for a person to look at.
#include <QGroupBox>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include "gui/default_font.h"
#include "gui/form_surface.h"
#include "gui/twips.h"
#include "window_driver.h"

using moltherm::app::ControlKind;
using moltherm::gui::CaptionRoom;
using moltherm::gui::ShownText;
using moltherm::gui::TwipsToPixels;
using namespace moltherm::testing;

namespace {

// The cells of the table line that starts with the label, after its 17 characters.
QStringList Cells(const QString& report, const char* label) {
    for (const QString& line : report.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String(label)))
            return line.mid(17).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return {};
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<moltherm::gui::testing::WindowDriver> d;

    // Every caption fits its control in the font it is drawn in; then the window is saved as a
    // picture under the build folder.
    void checkCaptionsAndSave(const char* file) {
        const std::map<ControlKind, CaptionRoom::Kind> kinds = {
            {ControlKind::Label, CaptionRoom::Kind::Label},
            {ControlKind::CommandButton, CaptionRoom::Kind::Button},
            {ControlKind::OptionButton, CaptionRoom::Kind::Option},
            {ControlKind::Frame, CaptionRoom::Kind::FrameTitle}};
        for (const moltherm::app::Control* c : d->form().controls()) {
            QWidget* w = d->view().widgetFor(c->id);
            if (c->text.empty() || !w || !kinds.count(c->kind)) continue;
            const QString caption = QString::fromStdString(c->text);
            const int needed = moltherm::gui::NeededWidth(
                w->font(), {kinds.at(c->kind), caption, w->width(), w->height()});
            QVERIFY2(needed <= w->width(),
                     qPrintable(caption + " needs " + QString::number(needed)));
        }
        const QString path = QStringLiteral(MOLTHERM_SCREENSHOT_DIR "/") + QLatin1String(file);
        QVERIFY2(d->view().grab().save(path), qPrintable(path));
    }

  private slots:
    void init() {
        d = std::make_unique<moltherm::gui::testing::WindowDriver>();
        QVERIFY(d->open());
    }
    void cleanup() { d.reset(); }

    void opensAsDesignedForAnAtom() {
        QCOMPARE(d->view().windowTitle(), QStringLiteral("Moltherm  v1.03"));
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        QCOMPARE(d->view().size(), QSize(573, 421));  // 8595 x 6315 twips
        d->verify({"txtTemp = 298.15", "txtN = 1", "optLinear checked", "optLinear disabled",
                   "frmRotational disabled", "txtFreq(1) disabled", "txtEnergy(0) enabled",
                   "txtError hidden", "txtName focused"});
        d->verifyMode(false);
        for (const moltherm::app::Control* c : d->form().controls()) {
            QWidget* w = d->view().widgetFor(c->id);
            QVERIFY2(w, c->id.name.c_str());
            QCOMPARE(w->geometry(), QRect(TwipsToPixels(c->left), TwipsToPixels(c->top),
                                          TwipsToPixels(c->width), TwipsToPixels(c->height)));
            QCOMPARE(w->parentWidget(), c->container.empty()
                                            ? static_cast<QWidget*>(d->view().surface())
                                            : d->widget(QString::fromStdString(c->container)));
        }
        QCOMPARE(d->widget("spnN")->size(), QSize(17, 17));
        QCOMPARE(qobject_cast<QGroupBox*>(d->widget("frmVibrational"))->title(), "Vibrational");
    }

    void roadOfOneRequest() {
        d->type("HCl");
        d->key(Qt::Key_Return);
        d->verify({"txtMolarMass focused", "txtName = HCl"});  // Enter left no trace
        d->type("36.461");
        d->key(Qt::Key_Return);
        d->verify({"txtN focused"});
        d->clickUp("spnN");
        d->verify({"txtN = 2", "frmRotational enabled", "txtFreq(1) enabled", "optLinear enabled",
                   "optNonlinear disabled", "txtDegen(1) = 1"});
        d->typeInto("txtRotationalConst(1)", HclTexts().rotConsts[0]);
        d->typeInto("txtFreq(1)", HclTexts().wavenumbers[0]);
        d->click("cmdCalc");
        d->verifyMode(true);
        QCOMPARE(d->widget("txtAns")->geometry(), QRect(8, 53, 557, 360));  // 120, 800, 8355, 5395
        const QString report = d->answer();
        QVERIFY(report.startsWith(ShownText(kHclSummary) + "298.15K        translational "
                                                           "rotational vibrational  electronic"));
        d->calcAt("1000");
        const QString twoTables = d->answer();
        QVERIFY(twoTables.startsWith(report));  // the first table stays, the second follows
        QVERIFY(twoTables.mid(report.size()).startsWith("1000.00K       translational"));
        checkCaptionsAndSave("window-results.png");

        d->click("cmdNewData");
        d->verifyMode(false);
        d->verify({"txtName = HCl", "txtFreq(1) = 2990.95"});
        // The next request starts a report of its own.
        d->clickUp("spnSigma");
        d->fill(Cl2Texts());
        d->calcAt("298.15");
        d->calcAt("1000");
        const QString cl2 = d->answer();
        QCOMPARE(cl2.count("Moltherm Calculation"), 1);
        QVERIFY(cl2.contains("\nGas phase linear molecule Cl2.\n"));
        QVERIFY(cl2.endsWith(ShownText(kCl2Tables)));
    }

    void waterEnteredAsNonlinearThroughSpinnersAndOptions() {
        d->clickUp("spnN");
        d->verify({"optNonlinear disabled"});
        d->clickUp("spnN");
        d->verify({"txtN = 3", "txtFreq(4) shown"});  // linear: 3N - 5
        d->click("optNonlinear");
        d->verify({"optNonlinear checked", "optLinear unchecked", "txtFreq(3) shown",
                   "txtFreq(4) gone", "txtRotationalConst(2) shown",
                   "txtRotationalConst(3) shown"});
        d->clickUp("spnSigma");
        d->verify({"txtSigma = 2"});
        d->fill(WaterTexts());
        d->click("cmdCalc");
        const QString report = d->answer();
        for (const char* expected :
             {"Gas phase nonlinear molecule H2O.", "Molar Mass = 18.015 g/mol.",
              "Symmetry Number = 2.",
              "Rotational Constants: 27.877000/cm,  14.512000/cm,  9.285000/cm.",
              " 1.  3657.00   (1)", " 2.  1595.00   (1)", " 3.  3756.00   (1)"})
            QVERIFY2(report.split('\n').contains(expected), expected);
        // 5R/2 and 3R/2; Sackur-Tetrode at 1 bar gives 144.914 J/(K mol).
        QCOMPARE(Cells(report, " Cp/(J/(K mol)):").mid(0, 2), QStringList({"20.786", "12.472"}));
        QCOMPARE(Cells(report, "  S/(J/(K mol)):").value(0), "144.914");
    }

    void accessKeysChooseTheTypeOnlyWhileEnabled() {
        QTest::keyClick(&d->view(), Qt::Key_N, Qt::AltModifier);
        d->verify({"optLinear checked"});
        d->clickUp("spnN", 2);
        QTest::keyClick(&d->view(), Qt::Key_N, Qt::AltModifier);
        QVERIFY(d->control("optNonlinear").selected);
        d->verify({"optNonlinear checked", "optNonlinear focused"});
        QTest::keyClick(&d->view(), Qt::Key_L, Qt::AltModifier);
        QVERIFY(d->control("optLinear").selected);
        d->verify({"optNonlinear unchecked"});
        QCOMPARE(d->form().molType(), "linear");
    }

    void badFieldShowsItsMessageUntilTheFocusLeaves() {
        d->click("cmdCalc");
        d->verify({"txtError = Molecule must be named"});
        d->key(Qt::Key_Tab);
        d->verify({"txtError hidden"});
        QVERIFY(d->focusInSync());

        d->typeInto("txtName", "HCl");
        d->typeInto("txtMolarMass", "abc");
        d->click("cmdCalc");
        d->verify({"txtError shown", "txtError = Invalid molar mass", "txtError focused",
                   "txtAns hidden"});
        auto* error = qobject_cast<QLineEdit*>(d->widget("txtError"));
        QCOMPARE(error->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(error->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(error->palette().color(QPalette::Base), QColor(255, 255, 255));
        // A label, a frame or the bare surface takes no focus: the message stays.
        d->click("lblName");
        QTest::mouseClick(d->widget("frmElectronic"), Qt::LeftButton, {}, QPoint(100, 140));
        QTest::mouseClick(d->view().surface(), Qt::LeftButton, {}, QPoint(40, 380));
        d->verify({"txtError shown", "txtError focused"});
        d->click("txtName");
        d->verify({"txtError hidden", "txtName focused"});
        QVERIFY(!d->control("txtError").visible);
    }

    void tabFollowsTheModelAndEnterStaysOutsideNameAndMass() {
        for (const char* name : {"txtMolarMass", "spnN", "txtEnergy(0)", "spnEnergyDegen(0)",
                                 "cmdAddState", "cmdCalc", "txtN"}) {
            d->key(Qt::Key_Tab);
            QVERIFY2(d->focusInSync() && d->focused(name), name);
        }
        d->key(Qt::Key_Backtab, Qt::ShiftModifier);
        d->verify({"cmdCalc focused"});
        d->typeInto("txtTemp", "300");
        d->key(Qt::Key_Return);
        d->verify({"txtTemp focused", "txtTemp = 300"});
    }

    void spinnerArrowsStepItsValue() {
        auto* spinner = qobject_cast<QScrollBar*>(d->widget("spnEnergyDegen(0)"));
        d->clickUp("spnEnergyDegen(0)");
        QCOMPARE(spinner->value(), -2);
        QCOMPARE(d->control("spnEnergyDegen(0)").value, -2);
        d->verify({"txtEnergyDegen(0) = 2", "spnEnergyDegen(0) focused"});
        d->clickDown("spnEnergyDegen(0)");
        QCOMPARE(spinner->value(), -1);
        d->verify({"txtEnergyDegen(0) = 1"});
        QTest::keyClick(spinner, Qt::Key_Up);  // the keyboard's arrows do what the buttons do
        QCOMPARE(d->control("spnEnergyDegen(0)").value, -2);
        d->verify({"txtEnergyDegen(0) = 2"});
    }

    void rowsAppearAndGoWithTheModel() {
        d->clickUp("spnN", 2);
        for (int row = 2; row <= 4; ++row)
            QCOMPARE(d->widget(QStringLiteral("spnDegen(%1)").arg(row))->geometry(),
                     QRect(144, TwipsToPixels(600 + 300 * (row - 1)), 17, 17));
        d->verify({"txtFreq(2) shown", "txtFreq(3) shown", "txtFreq(4) shown"});
        QCOMPARE(d->widget("frmVibrational")->height(), TwipsToPixels(1950));
        d->click("optNonlinear");
        d->verify({"txtFreq(4) gone", "spnDegen(4) gone"});
        // A spinner whose own row is rebuilt by its click: row 3 goes and comes back blank.
        d->typeInto("txtFreq(3)", "1595");
        d->clickUp("spnDegen(3)");
        d->verify({"txtFreq(3) shown", "txtFreq(3) = ", "txtDegen(3) = 1"});
        QTest::qWait(0);  // the replaced widgets are deleted now
        d->clickUp("spnDegen(3)");
        QCOMPARE(d->form().nModes(), 3);

        d->click("cmdAddState");
        d->verify({"txtEnergy(1) shown"});
        QVERIFY(!qobject_cast<QLineEdit*>(d->widget("txtEnergy(1)"))->isReadOnly());
        QVERIFY(qobject_cast<QLineEdit*>(d->widget("txtEnergy(0)"))->isReadOnly());
        checkCaptionsAndSave("window-input.png");
        d->click("cmdReset");
        d->verify({"txtEnergy(1) gone"});
    }

    void windowSizeFollowsTheModelBothWays() {
        for (int k = 0; k < 12; ++k) d->click("cmdAddState");
        // 1800 + 1575 + 12 * 350 + 500 twips outer, less the 405 of title bar and border.
        QCOMPARE(d->form().height(), 8075);
        QCOMPARE(d->view().height(), TwipsToPixels(8075 - 405));
        QVERIFY(!d->view().scrollArea()->verticalScrollBar()->isVisible());
        d->click("cmdReset");
        QCOMPARE(d->view().height(), 421);

        d->view().resize(700, 500);  // reaches the model through Form_Resize
        QCOMPARE(d->form().scaleWidth(), 700 * 15);
        QCOMPARE(d->form().scaleHeight(), 500 * 15);
        QCOMPARE(d->control("txtAns").width, 700 * 15 - 240);
        QCOMPARE(d->control("txtAns").height, 500 * 15 - 4440 - 120);
        QCOMPARE(d->widget("txtAns")->width(), 684);
    }

    void draggingTheBodyMovesTheWindow() {
        QWidget* surface = d->view().surface();
        const auto moveTo = [&](QPoint at, Qt::MouseButtons held) {
            QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, held,
                             Qt::NoModifier);
            QApplication::sendEvent(surface, &move);
        };
        const QPoint before = d->view().pos();
        moveTo({30, 380}, Qt::NoButton);
        QCOMPARE(d->form().lastMouseX(), 450.0f);
        QCOMPARE(d->form().lastMouseY(), 5700.0f);
        moveTo({50, 383}, Qt::LeftButton);  // 300 twips right but only 45 down: not both > 50
        QCOMPARE(d->view().pos(), before);
        moveTo({50, 390}, Qt::LeftButton);  // 300 right, 150 down
        QCOMPARE(d->view().pos(), before + QPoint(20, 10));
        const float x = d->form().lastMouseX();  // over a control nothing is reported
        QTest::mouseMove(d->widget("lblTemp"), QPoint(5, 5));
        QCOMPARE(d->form().lastMouseX(), x);
    }

    void manyRowsStayReachableBelowTheScreen() {
        d->clickUp("spnN", 40);
        QCOMPARE(d->form().nModes(), 118);  // 3 * 41 - 5
        QVERIFY(d->view().frameGeometry().height() <=
                d->view().screen()->availableGeometry().height());
        QScrollArea* area = d->view().scrollArea();
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QWidget* last = d->widget("txtFreq(118)");
        QVERIFY(d->view().surface()->height() >=
                last->mapTo(d->view().surface(), QPoint(0, last->height())).y());
        const auto inView = [&](QWidget* w) {
            return area->viewport()->rect().contains(w->mapTo(area->viewport(), QPoint(0, 0)));
        };
        d->typeInto("txtFreq(118)", "123");
        QCOMPARE(d->control("txtFreq(118)").text, "123");
        QVERIFY(inView(last));
        d->click("txtFreq(1)");  // and back up to the first row
        QVERIFY(inView(d->widget("txtFreq(1)")));
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        checkCaptionsAndSave("window-many-rows-scrolled.png");
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
