// The real window on an X server of its own (Xvfb, 1280 x 1024, no window manager), driven by
// real key and mouse events: each way the user's input reaches the model, each kind of change
// the model makes reaching the screen, and the window as the window system sees it. It saves
// pictures of itself for a person to look at.
#include "window_fixture.h"

#include "gui/thermo_options_dialog.h"

using moltherm::gui::MainMenu;
using moltherm::gui::ThermoOptionsDialog;
using moltherm::gui::testing::Window;
using Act = std::function<void(Window&)>;
Q_DECLARE_METATYPE(Act)

namespace {

QRect OnScreen(const QWidget& widget) {
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

// Text as a Qt text box holds it: one line break where the report has CR LF.
QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

}  // namespace
using Id = moltherm::gui::testing::TextId;
Q_DECLARE_METATYPE(Id)

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Window> w;

    // Every widget shows its control's Visible, Enabled, Locked, text, Value and selection.
    void verifyWidgetsShowTheModel() {
        for (const moltherm::app::Control* c : w->form.controls()) {
            QWidget* widget = w->view.widgetFor(c->id);
            const QByteArray id =
                QByteArray(std::string(moltherm::app::NameText(c->id.name)).c_str()) +
                QByteArray::number(c->id.index);
            QVERIFY2(widget && widget->isHidden() != c->visible, id);
            QVERIFY2(widget->isEnabledTo(widget->parentWidget()) == c->enabled, id);
            QVERIFY2(widget->property("checked").toBool() == c->selected, id);
            QVERIFY2(widget->property("readOnly").toBool() == c->locked, id);
            if (qobject_cast<QScrollBar*>(widget))
                QVERIFY2(widget->property("value") == c->value, id);
            else
                QVERIFY2(w->shown(std::string(moltherm::app::NameText(c->id.name)).c_str(),
                                  c->id.index) == Shown(c->text),
                         id);
        }
    }

    void saveScreenshot(const char* stage) {
        QString name = QString(QTest::currentTestFunction()) + QTest::currentDataTag() + stage;
        name = MOLTHERM_SCREENSHOT_DIR "/" + name.replace(QRegularExpression("\\W+"), "-") + ".png";
        QVERIFY2(w->view.grab().save(name), qPrintable(name));
    }

  private slots:
    void init() {
        w = std::make_unique<Window>();
        QVERIFY(w->active());
    }
    void cleanup() {
        verifyWidgetsShowTheModel();
        w.reset();
    }

    // The title bar shows the caption alone: no application name appended.
    void opensUnderItsCaptionAtItsDesignPlace() {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(w->view.winId()), "_NET_WM_NAME"});
        QVERIFY(xprop.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(xprop.readAll()).trimmed(),
                 "_NET_WM_NAME(UTF8_STRING) = \"Moltherm  v1.03\"");
        QCOMPARE(QApplication::style()->name(), "fusion");
        QVERIFY(!QApplication::windowIcon().isNull());
        // Client 8595 x 6315 twips below the menu bar.
        const int menu = w->view.menuBar()->height();
        QCOMPARE(w->view.frameGeometry(), QRect(184, 101, 573, 421 + menu));
        QCOMPARE(w->view.scrollArea()->geometry(), QRect(0, menu, 573, 421));
        QCOMPARE(w->widget("spnN")->geometry(), QRect(128, 64, 17, 17));
        QVERIFY(w->focused("txtName"));
    }

    // Typed into the boxes, computed at two temperatures, back to the data.
    void oneRequestFromTypingToTables() {
        QTest::keyClicks(QApplication::focusWidget(), "Cl2");
        w->press(Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "70.906");
        w->spinUp("spnN");
        w->spinUp("spnSigma");
        w->enter("txtRotationalConst", 1, "0.244");
        w->enter("txtFreq", 1, "560");
        w->click("cmdCalc");
        QCOMPARE(w->widget("txtAns")->geometry(), QRect(8, 53, 557, 360));  // 8355 x 5395 twips
        w->enter("txtTemp", -1, "1000");
        w->click("cmdCalc");
        const QString answer = w->shown("txtAns");
        QVERIFY(
            answer.startsWith("Moltherm Calculation   12/5/2026  3:04:05 AM\n"
                              "Gas phase linear molecule Cl2.\n"));
        QVERIFY(answer.endsWith(Shown(moltherm::testing::kCl2Tables)));
        const QFont font = w->widget("txtAns")->font();
        QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
        QCOMPARE(font.pointSizeF(), 8.25);
        QCOMPARE(QFontMetrics(font).horizontalAdvance("iiii"),
                 QFontMetrics(font).horizontalAdvance("MMMM"));
        saveScreenshot("");
        w->window().menu().refresh();  // a report to save only now
        QVERIFY(w->window().menu().action("saveReport")->isEnabled());
        w->click("cmdNewData");
        QVERIFY(w->widget("txtAns")->isHidden() && w->shown("txtFreq", 1) == "560");
    }

    void inputReachesTheModel_data() {
        QTest::addColumn<Act>("act");
        QTest::addColumn<Id>("focus");
        QTest::addColumn<Id>("box");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* what, const Act& act, Id focus, Id box = {},
                            const QString& shown = {}) {
            QTest::newRow(what) << act << focus << box << shown;
        };
        // clang-format off
        row("Enter in the name box moves on, leaving no trace", [](Window& w) { QTest::keyClicks(QApplication::focusWidget(), "HCl"); w.press(Qt::Key_Return); }, {"txtMolarMass"}, {"txtName"}, "HCl");
        row("Tab goes the model's way", [](Window& w) { w.press(QKeySequence(Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab)); }, {"spnEnergyDegen", 0});
        row("Shift+Tab goes back", [](Window& w) { w.click("txtN"); w.press(Qt::SHIFT | Qt::Key_Backtab); }, {"cmdCalc"});
        row("the down arrow counts down", [](Window& w) { w.spinUp("spnN", -1, 2); w.spinDown("spnN"); }, {"spnN"}, {"txtN"}, "2");
        row("the Up key counts up", [](Window& w) { w.spinUp("spnEnergyDegen", 0); w.press(Qt::Key_Up); }, {"spnEnergyDegen", 0}, {"txtEnergyDegen", 0}, "3");
        row("Alt+N chooses non-linear", [](Window& w) { w.spinUp("spnN", -1, 2); w.press(QKeySequence("Alt+N")); }, {"optNonlinear"}, {"txtN"}, "3");
        row("a click chooses non-linear", [](Window& w) { w.spinUp("spnN", -1, 2); w.click("optNonlinear"); }, {"optNonlinear"});
        row("an error stays through a label click", [](Window& w) { w.click("cmdCalc"); w.click("lblName"); }, {"txtError"}, {"txtError"}, "Molecule must be named");
        row("an error stays through a frame click", [](Window& w) { w.click("cmdCalc"); w.click("frmElectronic", -1, {100, 100}); }, {"txtError"});
        row("an error stays through a click on the bare window", [](Window& w) { w.click("cmdCalc"); QTest::mouseClick(w.view.surface(), Qt::LeftButton, {}, {40, 380}); }, {"txtError"});
        row("a click into a box takes the focus from an error", [](Window& w) { w.click("cmdCalc"); w.click("txtName"); }, {"txtName"}, {"txtError"}, "Molecule must be named");
        // clang-format on
    }
    void inputReachesTheModel() {
        QFETCH(Act, act);
        QFETCH(Id, focus);
        QFETCH(Id, box);
        QFETCH(QString, shown);
        act(*w);
        QVERIFY(w->focused(focus.name, focus.index));
        if (*box.name) QCOMPARE(w->shown(box.name, box.index), shown);
    }

    // Rows are loaded and unloaded under the widget being clicked: a degeneracy spinner whose
    // own row is rebuilt, and the electronic levels.
    void rowsComeAndGo() {
        w->spinUp("spnN", -1, 2);
        QCOMPARE(w->widget("spnDegen", 4)->geometry(), QRect(144, 100, 17, 17));
        QCOMPARE(w->widget("frmVibrational")->height(), 130);  // 1950 twips for four rows
        w->click("optNonlinear");
        w->enter("txtFreq", 3, "1595");
        w->spinUp("spnDegen", 3);  // a degeneracy of 2 leaves no room: row 3 comes back blank
        QVERIFY(!w->widget("txtFreq", 4) && w->shown("txtFreq", 3).isEmpty());
        QTest::qWait(0);  // the replaced widgets are deleted now
        w->spinUp("spnDegen", 3);
        QCOMPARE(w->shown("txtDegen", 3), "1");
        w->click("cmdAddState");
        QVERIFY(!w->widget("txtEnergy", 1)->isHidden());
        w->click("cmdReset");
        QVERIFY(!w->widget("txtEnergy", 1));
    }

    // Red on white, centred, from its start; the window's own messages fit the box whole.
    void messagesFitTheErrorBox_data() {
        QTest::addColumn<QString>("message");
        for (const char* message :
             {"Molecule must be named", "No molar mass entered", "Invalid molar mass",
              "Invalid number of atoms", "Invalid symmetry number", "Invalid rotational constant",
              "Invalid vibrational frequency", "Invalid degeneracy", "Invalid electronic energy",
              "No temperature entered", "Invalid Temperature", "Negative temperature",
              "No default printer", "Printing failed"})
            QTest::newRow(message) << message;
    }
    void messagesFitTheErrorBox() {
        QFETCH(QString, message);
        auto* box = qobject_cast<QLineEdit*>(w->widget("txtError"));
        for (const QString& text :
             {QString("The printer could not finish the document"), message}) {
            w->form.ShowError(text.toStdString());
            QCOMPARE(box->cursorPosition(), 0);
        }
        QCOMPARE(box->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 255));
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        // Inside the frame and Qt's inner margin of 2 pixels a side.
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        QVERIFY(box->fontMetrics().horizontalAdvance(message) <= box->width() - 2 * (frame + 2));
    }

    // The user's resize reaches Form_Resize: the answer box keeps margins of 120 twips.
    void userResizeFitsTheAnswerBox() {
        w->view.resize(700, 500 + w->view.menuBar()->height());  // the client area 700 x 500
        QCOMPARE(QSize(w->form.scaleWidth(), w->form.scaleHeight()), QSize(10500, 7500));
        const moltherm::app::Control& answer = *w->form.find(moltherm::app::ControlName::txtAns);
        QCOMPARE(QSize(answer.width, answer.height), QSize(10260, 2940));
        QCOMPARE(w->widget("txtAns")->width(), 684);
    }

    // The window follows the mouse once it went more than 50 twips along both axes.
    void dragOnTheBareWindowMovesIt() {
        QWidget* surface = w->view.surface();
        const auto moveTo = [&](QPoint at, Qt::MouseButtons held) {
            QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), {}, held, {});
            QApplication::sendEvent(surface, &move);
        };
        const QPoint before = w->view.pos();
        moveTo({30, 380}, Qt::NoButton);
        QCOMPARE(QPointF(w->form.lastMouseX(), w->form.lastMouseY()), QPointF(450, 5700));
        QTest::mouseMove(w->widget("lblTemp"), QPoint(5, 5));  // over a control: not reported
        moveTo({50, 383}, Qt::LeftButton);                     // 300 twips right, 45 down
        QCOMPARE(w->view.pos(), before);
        moveTo({50, 390}, Qt::LeftButton);  // 300 right, 150 down
        QCOMPARE(w->view.pos(), before + QPoint(20, 10));
        QCOMPARE(QPoint(w->form.left(), w->form.top()), w->view.pos() * 15);
    }

    // The menu bar: its access keys leave the window's own Alt+L and Alt+N alone, Save Report
    // As only has a report to save in results mode, and Ctrl+Q closes the window.
    void menuBarAboveTheClientArea() {
        QMenuBar* bar = w->view.menuBar();
        QVERIFY(bar && bar->isVisible() && bar->height() > 0);
        QCOMPARE(bar->geometry(), QRect(0, 0, 573, bar->height()));
        QStringList titles;
        for (QAction* menu : bar->actions()) titles << menu->text();
        QCOMPARE(titles, QStringList({"&File", "&Options", "&Tools", "&Help"}));
        MainMenu& menu = w->window().menu();
        const auto enabled = [&](const char* name) {
            menu.refresh();
            return menu.action(name)->isEnabled();
        };
        QVERIFY(enabled("open") && enabled("saveMolecule"));
        QVERIFY(!enabled("saveReport"));
        QVERIFY(enabled("sweep"));
        // The sweep reads the boxes as "Calc" does: an unnamed molecule is refused in the window.
        menu.action("sweep")->trigger();
        QCOMPARE(w->shown("txtError"), "Molecule must be named");
        for (const auto& [name, keys] :
             {std::pair{"open", "Ctrl+O"}, {"saveMolecule", "Ctrl+S"}, {"sweep", "Ctrl+T"}})
            QCOMPARE(menu.action(name)->shortcut(), QKeySequence(keys));
        for (const char* licence : {"LGPL", "Mozilla Public License 2.0", "MIT", "BSD 3-clause"})
            QVERIFY2(MainMenu::aboutText().contains(licence), licence);

        w->spinUp("spnN", -1, 2);
        w->press(QKeySequence("Alt+N"));
        QVERIFY(w->form.find(moltherm::app::ControlName::optNonlinear)->selected);
        QVERIFY(!bar->activeAction());
        w->press(QKeySequence("Ctrl+Q"));
        QTRY_VERIFY(!w->view.isVisible());
    }

    void optionsDialogReadsItsFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");  // empty: accepted
        // clang-format off
        QTest::newRow("1 atm")                  << "pressure" << "1atm" << "";
        QTest::newRow("pressure without unit")  << "pressure" << "1"    << "pressure needs a unit: bar, atm, Pa, kPa, MPa or torr";
        QTest::newRow("scale 0.96")             << "scale"    << "0.96" << "";
        QTest::newRow("scale 3")                << "scale"    << "3"    << "frequency scale factor must be at most 2";
        QTest::newRow("cutoff 0")               << "cutoff"   << "0"    << "quasi-RRHO entropy cutoff must be greater than 0";
        // clang-format on
    }
    // A bad value keeps the dialog open with its message; a good one becomes the options of
    // the next "Calc", and the menu item is checked while any option differs from the default.
    void optionsDialogReadsItsFields() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        moltherm::ThermoOptions options;
        ThermoOptionsDialog dialog(options);
        auto edits = dialog.findChildren<QLineEdit*>();
        auto boxes = dialog.findChildren<QCheckBox*>();
        // Fields in creation order: pressure, concentration, scale, ZPE factor, three cutoffs.
        if (field == "pressure") edits[0]->setText(text);
        if (field == "scale") edits[2]->setText(text);
        if (field == "cutoff") {
            boxes[1]->setChecked(true);
            edits[4]->setText(text);
        }
        dialog.accept();
        QCOMPARE(dialog.message(), message);
        QCOMPARE(dialog.result(), message.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
        if (!message.isEmpty()) return;
        const moltherm::ThermoOptions& got = dialog.accepted();
        QVERIFY(!got.isDefault());
        if (field == "pressure") QCOMPARE(got.standardState.pascal(), 101325.0);
        if (field == "scale") QCOMPARE(got.frequencyScale, 0.96);

        MainMenu& menu = w->window().menu();
        menu.refresh();
        QVERIFY(!menu.action("thermochemistry")->isChecked());
        w->form.setOptions(got);
        menu.refresh();
        QVERIFY(menu.action("thermochemistry")->isChecked());
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::RestoreDefaults)->click();
        dialog.accept();
        QVERIFY(dialog.accepted().isDefault());
    }

    void manyRowsStayReachable_data() {
        QTest::addColumn<int>("atoms");
        QTest::addColumn<int>("levels");
        QTest::addColumn<QRect>("frame");
        // clang-format off
        QTest::newRow("12 levels added: taller")                << 1  << 12 << QRect(184, 101, 573, 530);
        QTest::newRow("15 linear atoms, 40 rows: moved up")     << 15 << 0  << QRect(184, 29, 573, 995);
        QTest::newRow("40 linear atoms, 115 rows: screen high") << 40 << 0  << QRect(184, 0, 587, 1024);
        // clang-format on
    }
    // A tall window stays on the screen, its lowest row in reach of the scroll bar; the answer
    // box then gets 8355 x 5395 twips whatever the scroll bar did, and the window no bar.
    void manyRowsStayReachable() {
        QFETCH(int, atoms);
        QFETCH(int, levels);
        QFETCH(QRect, frame);
        w->enter("txtName", -1, "X");
        w->enter("txtMolarMass", -1, "100");
        w->spinUp("spnN", -1, atoms - 1);
        for (int k = 0; k < levels; ++k) w->click("cmdAddState");
        QTRY_COMPARE(w->view.frameGeometry(), frame);
        const QRect screen = w->view.screen()->availableGeometry();
        QVERIFY(screen.contains(frame));
        QScrollArea* area = w->view.scrollArea();
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QWidget* lowest = w->widget("txtName");
        for (QWidget* row : w->view.surface()->findChildren<QLineEdit*>())
            if (row->isVisible() && OnScreen(*row).bottom() > OnScreen(*lowest).bottom())
                lowest = row;
        QVERIFY(OnScreen(*area->viewport()).contains(OnScreen(*lowest)));
        saveScreenshot("-input");

        if (atoms > 1) w->enter("txtRotationalConst", 1, "1");
        for (int row = 1; row <= 3 * atoms - 5; ++row) w->enter("txtFreq", row, "1000");
        w->click("cmdCalc");
        const moltherm::app::Control& box = *w->form.find(moltherm::app::ControlName::txtAns);
        QCOMPARE(QRect(box.left, box.top, box.width, box.height), QRect(120, 800, 8355, 5395));
        QCOMPARE(w->widget("txtAns")->geometry(), QRect(8, 53, 557, 360));
        QVERIFY(screen.contains(OnScreen(*w->widget("txtAns"))));
        QCOMPARE(area->viewport()->size(), w->view.size() - QSize(0, w->view.menuBar()->height()));
        saveScreenshot("-results");
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
