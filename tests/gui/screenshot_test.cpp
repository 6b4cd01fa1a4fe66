// Pictures of the window for a person to look at (written under the build folder), and the
// checks that go with them: captions fit their controls, nothing drawn outside the window.
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <clocale>

#include "gui/default_font.h"
#include "gui/form_surface.h"
#include "window_driver.h"

using moltherm::gui::CaptionRoom;
using moltherm::gui::testing::WindowDriver;

class ScreenshotTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<WindowDriver> d;

    void save(const char* file) {
        const QString path = QStringLiteral(MOLTHERM_SCREENSHOT_DIR "/") + QLatin1String(file);
        QVERIFY2(d->view().grab().save(path), qPrintable(path));
    }

    // Every caption of the window at its design size, measured in the font it is drawn in.
    void verifyCaptionsFit() {
        for (const moltherm::app::Control* c : d->form().controls()) {
            QWidget* w = d->view().widgetFor(c->id);
            if (c->text.empty() || !w) continue;
            CaptionRoom::Kind kind;
            switch (c->kind) {
                case moltherm::app::ControlKind::Label:
                    kind = CaptionRoom::Kind::Label;
                    break;
                case moltherm::app::ControlKind::CommandButton:
                    kind = CaptionRoom::Kind::Button;
                    break;
                case moltherm::app::ControlKind::OptionButton:
                    kind = CaptionRoom::Kind::Option;
                    break;
                case moltherm::app::ControlKind::Frame:
                    kind = CaptionRoom::Kind::FrameTitle;
                    break;
                default:
                    continue;
            }
            const CaptionRoom room{kind, QString::fromStdString(c->text), w->width(), w->height()};
            const int needed = moltherm::gui::NeededWidth(w->font(), room);
            QVERIFY2(needed <= w->width(), qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                                          .arg(QString::fromStdString(c->id.name))
                                                          .arg(needed)
                                                          .arg(w->width())));
        }
    }

  private slots:
    void init() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        d = std::make_unique<WindowDriver>();
        QVERIFY(d->open());
    }
    void cleanup() { d.reset(); }

    void inputMode() {
        d->clickUpTimes(3, "spnN");
        d->click("optNonlinear");
        d->click("cmdAddState");
        verifyCaptionsFit();
        save("window-input.png");
    }

    void resultsMode() {
        moltherm::gui::testing::EnterHydrogenChloride(*d);
        d->click("cmdCalc");
        d->typeInto("txtTemp", QStringLiteral("1000"));
        d->click("cmdCalc");
        QVERIFY(d->shown("txtAns"));
        verifyCaptionsFit();
        save("window-results.png");
    }

    void manyVibrationalRowsScrolled() {
        d->clickUpTimes(40, "spnN");  // 3 * 41 - 5 = 118 rows
        QCOMPARE(d->form().nModes(), 118);
        QScrollBar* bar = d->view().scrollArea()->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        bar->setValue(bar->maximum());
        save("window-many-rows-scrolled.png");
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
