// The platform helpers that need no window: page breaking, the display check, font matching
// and the clock.
#include <QDate>
#include <QFontInfo>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <map>

#include "gui/display_check.h"
#include "gui/monospaced_font.h"
#include "gui/page_layout.h"
#include "gui/qt_clock.h"

using moltherm::gui::BreakIntoPages;
using moltherm::gui::PrintedPage;

Q_DECLARE_METATYPE(std::vector<PrintedPage>)

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void breaksTextIntoLinesAndPages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("linesPerPage");
        QTest::addColumn<std::vector<PrintedPage>>("expected");
        using Pages = std::vector<PrintedPage>;
        QTest::newRow("empty text prints nothing") << "" << 80 << 60 << Pages{};
        QTest::newRow("CR LF lines, final break opens no line")
            << "a\r\nbb\r\n\r\n"
            << 80 << 60 << Pages{{"a", "bb", ""}};
        QTest::newRow("LF alone and a last line without break")
            << "a\nb" << 80 << 60 << Pages{{"a", "b"}};
        QTest::newRow("blanks are kept, columns stay") << "  q  :   1.0\r\n"
                                                       << 80 << 60 << Pages{{"  q  :   1.0"}};
        QTest::newRow("full page, then the next page")
            << "1\r\n2\r\n3\r\n4\r\n5\r\n"
            << 80 << 2 << Pages{{"1", "2"}, {"3", "4"}, {"5"}};
        QTest::newRow("exactly one page") << "1\r\n2\r\n" << 80 << 2 << Pages{{"1", "2"}};
        QTest::newRow("a line wider than the paper continues below")
            << "abcdefgh\r\nxy\r\n"
            << 3 << 60 << Pages{{"abc", "def", "gh", "xy"}};
        QTest::newRow("a line exactly as wide as the paper stays whole")
            << "abc\r\n"
            << 3 << 60 << Pages{{"abc"}};
        QTest::newRow("continued line across a page break")
            << "abcdef\r\n"
            << 2 << 2 << Pages{{"ab", "cd"}, {"ef"}};
        QTest::newRow("degenerate paper still prints everything") << "ab\r\n"
                                                                  << 0 << 0 << Pages{{"a"}, {"b"}};
    }

    void breaksTextIntoLinesAndPages() {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(int, linesPerPage);
        QFETCH(std::vector<PrintedPage>, expected);
        QCOMPARE(BreakIntoPages(text.toStdString(), columns, linesPerPage), expected);
    }

    void missingDisplayIsReportedOnlyWithoutAnyDisplay_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("missing");
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << "" << true;
        QTest::newRow("X11 display") << ":0"
                                     << ""
                                     << "" << false;
        QTest::newRow("Wayland") << ""
                                 << "wayland-0"
                                 << "" << false;
        QTest::newRow("explicit platform") << ""
                                           << ""
                                           << "offscreen" << false;
    }

    void missingDisplayIsReportedOnlyWithoutAnyDisplay() {
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, platform);
        QFETCH(bool, missing);
        // Empty strings stand for set-but-empty variables, which count as unset.
        const std::map<std::string, std::string> environment = {
            {"DISPLAY", display.toStdString()},
            {"WAYLAND_DISPLAY", wayland.toStdString()},
            {"QT_QPA_PLATFORM", platform.toStdString()}};
        const auto message = moltherm::gui::MissingDisplayMessage(
            [&](const char* name) -> std::optional<std::string> { return environment.at(name); });
        QCOMPARE(message.has_value(), missing);
        if (missing) {
            QVERIFY(message->find("moltherm-cli") != std::string::npos);
            QVERIFY(message->find('\n') == std::string::npos);
        }
    }

    void unsetVariablesCountAsMissing() {
        const auto message = moltherm::gui::MissingDisplayMessage(
            [](const char*) -> std::optional<std::string> { return std::nullopt; });
        QVERIFY(message.has_value());
    }

    void programWithoutDisplaySaysSoInOneLine() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(MOLTHERM_BINARY), {});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QVERIFY2(error.contains(QLatin1String("moltherm-cli")), qPrintable(error));
        QVERIFY(program.readAllStandardOutput().isEmpty());
    }

    void courierIsMatchedToAnInstalledFixedPitchFont_data() {
        QTest::addColumn<QString>("family");
        QTest::newRow("printer's name") << "courier";
        QTest::newRow("answer box's name") << "Courier New";
    }

    void courierIsMatchedToAnInstalledFixedPitchFont() {
        QFETCH(QString, family);
        const QFont font = moltherm::gui::MonospacedFont(family, 8.25);
        const QFontInfo info(font);
        QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
        QCOMPARE(font.pointSizeF(), 8.25);
        const QFontMetricsF metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiii")),
                 metrics.horizontalAdvance(QStringLiteral("MMMMM")));
    }

    void typewriterFamiliesAreRecognised() {
        QVERIFY(moltherm::gui::IsTypewriterFamily(QStringLiteral("courier")));
        QVERIFY(moltherm::gui::IsTypewriterFamily(QStringLiteral("Courier New")));
        QVERIFY(!moltherm::gui::IsTypewriterFamily(QStringLiteral("Sans Serif")));
    }

    void clockTellsTodayInTheShortLocaleFormats() {
        const moltherm::gui::QtClock clock;
        const QLocale system = QLocale::system();
        const QDate date =
            system.toDate(QString::fromStdString(clock.dateText()), QLocale::ShortFormat);
        const QTime time =
            system.toTime(QString::fromStdString(clock.timeText()), QLocale::ShortFormat);
        // A two-digit year reads back in another century; day and month must be today's.
        const QDate today = QDate::currentDate();
        QVERIFY2(date.isValid(), clock.dateText().c_str());
        QCOMPARE(date.day(), today.day());
        QCOMPARE(date.month(), today.month());
        QVERIFY2(time.isValid(), clock.timeText().c_str());
        QVERIFY(qAbs(time.secsTo(QTime::currentTime())) < 120);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
