// The platform helpers that need no window: page breaking, the display check, font matching
// and the clock.
#include <QtGui>
#include <QtTest>

#include "gui/display_check.h"
#include "gui/monospaced_font.h"
#include "gui/page_layout.h"
#include "gui/qt_clock.h"

using moltherm::gui::PrintedPage;

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void breaksTextIntoLinesAndPages() {
        // clang-format off
        const std::tuple<const char*, int, int, std::vector<PrintedPage>, const char*> cases[] = {
            {"", 80, 60, {}, "empty text prints nothing"},
            {"a\r\nbb\r\n\r\n", 80, 60, {{"a", "bb", ""}}, "CR LF; a final break opens no line"},
            {"a\nb", 80, 60, {{"a", "b"}}, "LF alone; a last line without a break"},
            {"  q  :   1.0\r\n", 80, 60, {{"  q  :   1.0"}}, "blanks are kept"},
            {"1\r\n2\r\n3\r\n4\r\n5\r\n", 80, 2, {{"1", "2"}, {"3", "4"}, {"5"}}, "full pages"},
            {"1\r\n2\r\n", 80, 2, {{"1", "2"}}, "exactly one page"},
            {"abcdefgh\r\nxy\r\n", 3, 60, {{"abc", "def", "gh", "xy"}}, "a wide line goes on below"},
            {"abc\r\n", 3, 60, {{"abc"}}, "a line as wide as the paper stays whole"},
            {"abcdef\r\n", 2, 2, {{"ab", "cd"}, {"ef"}}, "going on across a page break"},
            {"ab\r\n", 0, 0, {{"a"}, {"b"}}, "degenerate paper still prints everything"}};
        // clang-format on
        for (const auto& [text, columns, linesPerPage, pages, why] : cases)
            QVERIFY2(moltherm::gui::BreakIntoPages(text, columns, linesPerPage) == pages, why);
    }

    void missingDisplayIsReportedOnlyWithoutAnyDisplay() {
        // DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM: nullptr unset, "" set but empty.
        // clang-format off
        const std::tuple<const char*, const char*, const char*, bool> cases[] = {
            {nullptr, nullptr, nullptr, true}, {"", "", "", true}, {":0", "", "", false},
            {"", "wayland-0", "", false}, {"", "", "offscreen", false}};
        // clang-format on
        for (const auto& [display, wayland, platform, missing] : cases) {
            const std::map<std::string, const char*> environment = {
                {"DISPLAY", display}, {"WAYLAND_DISPLAY", wayland}, {"QT_QPA_PLATFORM", platform}};
            const auto message = moltherm::gui::MissingDisplayMessage([&](const char* name) {
                const char* value = environment.at(name);
                return value ? std::optional<std::string>(value) : std::nullopt;
            });
            QCOMPARE(message.has_value(), missing);
            QVERIFY(!missing || (message->find("moltherm-cli") != std::string::npos &&
                                 message->find('\n') == std::string::npos));
        }
    }

    void programWithoutDisplaySaysSoInOneLine() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(MOLTHERM_BINARY, {});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString error = program.readAllStandardError();
        QVERIFY2(error.count('\n') == 1 && error.contains("moltherm-cli"), qPrintable(error));
        QVERIFY(program.readAllStandardOutput().isEmpty());
    }

    // The printer asks for "courier", the answer box for "Courier New".
    void courierIsMatchedToAnInstalledFixedPitchFont() {
        for (const char* family : {"courier", "Courier New"}) {
            QVERIFY(moltherm::gui::IsTypewriterFamily(family));
            const QFont font = moltherm::gui::MonospacedFont(family, 8.25);
            QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
            QCOMPARE(font.pointSizeF(), 8.25);
            const QFontMetricsF metrics(font);
            QCOMPARE(metrics.horizontalAdvance("iiiii"), metrics.horizontalAdvance("MMMMM"));
        }
        QVERIFY(!moltherm::gui::IsTypewriterFamily("Sans Serif"));
    }

    void clockTellsTodayInTheShortLocaleFormats() {
        const moltherm::gui::QtClock clock;
        const QString dateText = clock.dateText().c_str(), timeText = clock.timeText().c_str();
        const QDate date = QLocale::system().toDate(dateText, QLocale::ShortFormat);
        const QTime time = QLocale::system().toTime(timeText, QLocale::ShortFormat);
        // A two-digit year reads back in another century; day and month must be today's.
        QVERIFY2(date.isValid() && time.isValid(), qPrintable(dateText + " " + timeText));
        QCOMPARE(date.toString("MM-dd"), QDate::currentDate().toString("MM-dd"));
        QVERIFY(qAbs(time.secsTo(QTime::currentTime())) < 120);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
