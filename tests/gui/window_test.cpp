// The real window on an X server of its own (Xvfb, 1280 x 1024, no window manager), driven by
// real key and mouse events: each way the user's input reaches the model, each kind of change
// the model makes reaching the screen, and the window as the window system sees it. It saves
// pictures of itself for a person to look at.
#include "window_fixture.h"

#include "gui/thermo_options_dialog.h"
#include "json_rows.h"

using namespace moltherm::gui::testing;
using moltherm::gui::MainMenu;
using moltherm::gui::ThermoOptionsDialog;
using Act = std::function<void(Window&)>;
Q_DECLARE_METATYPE(Act)
// A control as a data row names it; the name box unless told.
struct Id : ControlId {
    // Implicit, so that rows write {txtFreq, 1}.
    Id(moltherm::app::ControlName name = txtName, int index = -1) : ControlId(name, index) {}
};
Q_DECLARE_METATYPE(Id)

namespace {

QRect OnScreen(const QWidget& widget) {
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

// Text as a Qt text box holds it: one line break where the report has CR LF.
QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Window> w;

    // Every widget shows its control's Visible, Enabled, Locked, text, Value and selection.
    void verifyWidgetsShowTheModel() {
        for (const moltherm::app::Control* c : w->form.controls()) {
            QWidget* widget = w->widget(c->id);
            const QByteArray id = moltherm::app::IdText(c->id).c_str();
            QVERIFY2(widget && widget->isHidden() != c->visible, id);
            QVERIFY2(widget->isEnabledTo(widget->parentWidget()) == c->enabled, id);
            QVERIFY2(widget->property("checked").toBool() == c->selected, id);
            QVERIFY2(widget->property("readOnly").toBool() == c->locked, id);
            if (qobject_cast<QScrollBar*>(widget))
                QVERIFY2(widget->property("value") == c->value, id);
            else
                QVERIFY2(w->shown(c->id) == Shown(c->text), id);
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

    // The title bar shows the caption alone: no application name appended. The menu bar above the
    // client area: its titles leave the window's own Alt+L and Alt+N alone (the Alt+N row
    // below), Save Report As only has a report to save in results mode (and the typing case),
    // and Ctrl+Q closes the window.
    void opensUnderItsCaptionAtItsDesignPlaceBelowItsMenuBar() {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(w->view.winId()), "_NET_WM_NAME"});
        QVERIFY(xprop.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(xprop.readAll()).trimmed(),
                 "_NET_WM_NAME(UTF8_STRING) = \"Moltherm  v1.03\"");
        QCOMPARE(QApplication::style()->name(), "fusion");
        QVERIFY(!QApplication::windowIcon().isNull());
        // Client 8595 x 6315 twips below the menu bar.
        QMenuBar* bar = w->view.menuBar();
        const int high = bar->height();
        QVERIFY(bar->isVisible() && high > 0);
        QCOMPARE(bar->geometry(), QRect(0, 0, 573, high));
        QCOMPARE(w->view.frameGeometry(), QRect(184, 101, 573, 421 + high));
        QCOMPARE(w->view.scrollArea()->geometry(), QRect(0, high, 573, 421));
        QCOMPARE(w->widget(spnN)->geometry(), QRect(128, 64, 17, 17));
        QVERIFY(w->focused(txtName));
        QStringList titles;
        for (QAction* title : bar->actions()) titles << title->text();
        QCOMPARE(titles, QStringList({"&File", "&Options", "&Tools", "&Help"}));
        MainMenu& menu = w->window().menu();
        menu.refresh();
        for (const char* name : {"open", "saveMolecule", "sweep"})
            QVERIFY2(menu.action(name)->isEnabled(), name);
        QVERIFY(!menu.action("saveReport")->isEnabled());
        // The sweep reads the boxes as "Calc" does: an unnamed molecule is refused in the window.
        menu.action("sweep")->trigger();
        QCOMPARE(w->shown(txtError), "Molecule must be named");
        for (const auto& [name, keys] :
             {std::pair{"open", "Ctrl+O"}, {"saveMolecule", "Ctrl+S"}, {"sweep", "Ctrl+T"}})
            QCOMPARE(menu.action(name)->shortcut(), QKeySequence(keys));
        for (const char* licence : {"LGPL", "Mozilla Public License 2.0", "MIT", "BSD 3-clause"})
            QVERIFY2(MainMenu::aboutText().contains(licence), licence);
        w->press(QKeySequence("Ctrl+Q"));
        QTRY_VERIFY(!w->view.isVisible());
    }

    // Typed into the boxes, computed at two temperatures.
    void oneRequestFromTypingToTables() {
        QTest::keyClicks(QApplication::focusWidget(), "Cl2");
        w->press(Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "70.906");
        w->spinUp(spnN);
        w->spinUp(spnSigma);
        w->enter({txtRotationalConst, 1}, "0.244");
        w->enter({txtFreq, 1}, "560");
        w->click(cmdCalc);
        w->enter(txtTemp, "1000");
        w->click(cmdCalc);
        const QString answer = w->shown(txtAns);
        QVERIFY(
            answer.startsWith("Moltherm Calculation   12/5/2026  3:04:05 AM\n"
                              "Gas phase linear molecule Cl2.\n"));
        QVERIFY(answer.endsWith(Shown(moltherm::testing::kCl2Tables)));
        const QFont font = w->widget(txtAns)->font();
        QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
        QCOMPARE(font.pointSizeF(), 8.25);
        QCOMPARE(QFontMetrics(font).horizontalAdvance("iiii"),
                 QFontMetrics(font).horizontalAdvance("MMMM"));
        saveScreenshot("");
        w->window().menu().refresh();  // a report to save only now
        QVERIFY(w->window().menu().action("saveReport")->isEnabled());
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
        row("Enter in the name box moves on, leaving no trace", [](Window& w) { QTest::keyClicks(QApplication::focusWidget(), "HCl"); w.press(Qt::Key_Return); }, {txtMolarMass}, {txtName}, "HCl");
        row("Tab goes the model's way", [](Window& w) { w.press(QKeySequence(Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab)); }, {spnEnergyDegen, 0});
        row("Shift+Tab goes back", [](Window& w) { w.click(txtN); w.press(Qt::SHIFT | Qt::Key_Backtab); }, {cmdCalc});
        row("the down arrow counts down", [](Window& w) { w.spinUp(spnN, 2); w.spinDown(spnN); }, {spnN}, {txtN}, "2");
        row("the Up key counts up", [](Window& w) { w.spinUp({spnEnergyDegen, 0}); w.press(Qt::Key_Up); }, {spnEnergyDegen, 0}, {txtEnergyDegen, 0}, "3");
        row("Alt+N chooses non-linear", [](Window& w) { w.spinUp(spnN, 2); w.press(QKeySequence("Alt+N")); }, {optNonlinear}, {txtN}, "3");
        row("a click chooses non-linear", [](Window& w) { w.spinUp(spnN, 2); w.click(optNonlinear); }, {optNonlinear});
        row("an error stays through a label click", [](Window& w) { w.click(cmdCalc); w.click(lblName); }, {txtError}, {txtError}, "Molecule must be named");
        row("an error stays through a frame click", [](Window& w) { w.click(cmdCalc); w.click(frmElectronic, {100, 100}); }, {txtError});
        row("an error stays through a click on the bare window", [](Window& w) { w.click(cmdCalc); QTest::mouseClick(w.view.surface(), Qt::LeftButton, {}, {40, 380}); }, {txtError});
        row("a click into a box takes the focus from an error", [](Window& w) { w.click(cmdCalc); w.click(txtName); }, {txtName}, {txtError}, "Molecule must be named");
        // clang-format on
    }
    void inputReachesTheModel() {
        QFETCH(Act, act);
        QFETCH(Id, focus);
        QFETCH(Id, box);
        QFETCH(QString, shown);
        act(*w);
        QVERIFY(w->focused(focus));
        if (!shown.isEmpty()) QCOMPARE(w->shown(box), shown);
    }

    // Rows are loaded and unloaded under the widget being clicked: a degeneracy spinner whose
    // own row is rebuilt, and the electronic levels.
    void rowsComeAndGo() {
        w->spinUp(spnN, 2);
        QCOMPARE(w->widget({spnDegen, 4})->geometry(), QRect(144, 100, 17, 17));
        QCOMPARE(w->widget(frmVibrational)->height(), 130);  // 1950 twips for four rows
        w->click(optNonlinear);
        w->enter({txtFreq, 3}, "1595");
        w->spinUp({spnDegen, 3});  // a degeneracy of 2 leaves no room: row 3 comes back blank
        QVERIFY(!w->widget({txtFreq, 4}) && w->shown({txtFreq, 3}).isEmpty());
        QTest::qWait(0);  // the replaced widgets are deleted now
        w->spinUp({spnDegen, 3});
        QCOMPARE(w->shown({txtDegen, 3}), "1");
        w->click(cmdAddState);
        QVERIFY(!w->widget({txtEnergy, 1})->isHidden());
        w->click(cmdReset);
        QVERIFY(!w->widget({txtEnergy, 1}));
    }

    // Red on white, centred, from its start; the window's own messages fit the box whole.
    void messagesFitTheErrorBox_data() { JsonRows("window_messages"); }
    void messagesFitTheErrorBox() {
        QFETCH(Json, row);
        const QString message = QString::fromStdString(row.at("name"));
        auto* box = qobject_cast<QLineEdit*>(w->widget(txtError));
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

    // The user's resize reaches Form_Resize: the answer box keeps margins of 120 twips. The
    // pointer reaches the model in twips, from the bare window alone, and the window follows the
    // model's drag.
    void resizeAndDragReachTheModel() {
        w->view.resize(700, 500 + w->view.menuBar()->height());  // the client area 700 x 500
        QCOMPARE(QSize(w->form.scaleWidth(), w->form.scaleHeight()), QSize(10500, 7500));
        QCOMPARE(w->widget(txtAns)->width(), 684);  // 10260 twips
        QWidget* surface = w->view.surface();
        const auto moveTo = [&](QPoint at, Qt::MouseButtons held) {
            QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), {}, held, {});
            QApplication::sendEvent(surface, &move);
        };
        const QPoint before = w->view.pos();
        moveTo({30, 380}, Qt::NoButton);
        QCOMPARE(QPointF(w->form.lastMouseX(), w->form.lastMouseY()), QPointF(450, 5700));
        QTest::mouseMove(w->widget(lblTemp), QPoint(5, 5));  // over a control: not reported
        moveTo({50, 390}, Qt::LeftButton);                   // 300 twips right, 150 down
        QCOMPARE(w->view.pos(), before + QPoint(20, 10));
        QCOMPARE(QPoint(w->form.left(), w->form.top()), w->view.pos() * 15);
    }

    // A throw out of the model is a broken invariant: the program names it on stderr in one
    // line and stops; nothing unwinds through Qt's event loop. The test runs itself again as a
    // process of its own, which throws from a timer's slot.
    void aThrowFromTheModelStopsTheProgram() {
        if (qEnvironmentVariableIsSet("MOLTHERM_THROW")) {
            QTimer::singleShot(0,
                               [&] { w->view.runModel([] { throw std::logic_error("torn"); }); });
            QTest::qWait(2000);
            QFAIL("the program went on");
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MOLTHERM_THROW", "1");
        environment.insert("QTEST_DISABLE_STACK_DUMP", "1");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QTest::currentTestFunction()});
        QVERIFY(child.waitForFinished(30000));
        const QString error = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::CrashExit, qPrintable(error));
        QVERIFY2(error.contains(QRegularExpression("^moltherm: internal error: torn$",
                                                   QRegularExpression::MultilineOption)),
                 qPrintable(error));
    }

    // A bad value keeps the dialog open with its message, under the dialog's own name for the
    // field; good ones become the options of the next "Calc", and the menu item is checked while
    // any option differs from the default.
    void optionsDialogReadsItsFields_data() { JsonRows("thermo_option_fields"); }
    void optionsDialogReadsItsFields() {
        QFETCH(Json, row);
        const int field = row.at("field");
        ThermoOptionsDialog dialog(moltherm::ThermoOptions{});
        dialog.findChildren<QCheckBox*>()[1]->setChecked(field == 4);
        dialog.findChildren<QLineEdit*>()[field]->setText(QString::fromStdString(row.at("text")));
        dialog.accept();
        const moltherm::ThermoOptions& got = dialog.accepted();
        QCOMPARE(dialog.result() == QDialog::Rejected ? "refused: " + dialog.message()
                                                      : QString("%1 Pa, scale %2")
                                                                .arg(got.standardState.pascal())
                                                                .arg(got.frequencyScale) +
                                                            dialog.message(),
                 QString::fromStdString(row.at("outcome")));
        if (dialog.result() == QDialog::Rejected) return;
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

    void manyRowsStayReachable_data() { JsonRows("tall_windows"); }
    // A tall window stays on the screen, its lowest row in reach of the scroll bar; the answer
    // box then gets 8355 x 5395 twips whatever the scroll bar did, and the window no bar.
    void manyRowsStayReachable() {
        QFETCH(Json, row);
        const int atoms = row.at("atoms"), levels = row.at("levels");
        const Json& f = row.at("frame");
        const QRect frame(f.at(0), f.at(1), f.at(2), f.at(3));
        w->enter(txtName, "X");
        w->enter(txtMolarMass, "100");
        w->spinUp(spnN, atoms - 1);
        for (int k = 0; k < levels; ++k) w->click(cmdAddState);
        QTRY_COMPARE(w->view.frameGeometry(), frame);
        const QRect screen = w->view.screen()->availableGeometry();
        QVERIFY(screen.contains(frame));
        QScrollArea* area = w->view.scrollArea();
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QWidget* lowest = w->widget(txtName);
        for (QWidget* row : w->view.surface()->findChildren<QLineEdit*>())
            if (row->isVisible() && OnScreen(*row).bottom() > OnScreen(*lowest).bottom())
                lowest = row;
        QVERIFY(OnScreen(*area->viewport()).contains(OnScreen(*lowest)));
        saveScreenshot("-input");

        if (atoms > 1) w->enter({txtRotationalConst, 1}, "1");
        for (int row = 1; row <= 3 * atoms - 5; ++row) w->enter({txtFreq, row}, "1000");
        w->click(cmdCalc);
        QCOMPARE(w->widget(txtAns)->geometry(), QRect(8, 53, 557, 360));  // 8355 x 5395 twips
        QVERIFY(screen.contains(OnScreen(*w->widget(txtAns))));
        QCOMPARE(area->viewport()->size(), w->view.size() - QSize(0, w->view.menuBar()->height()));
        saveScreenshot("-results");
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
