// The platform helpers that need no window: page breaking, the display check, font matching
// and the clock.
#include <QDate>
#include <QFontInfo>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <array>
#include <map>

#include "gui/display_check.h"
#include "gui/monospaced_font.h"
#include "gui/page_layout.h"
#include "gui/qt_clock.h"

using moltherm::gui::PrintedPage;

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void breaksTextIntoLinesAndPages() {
        struct Case {
            const char* why;
            const char* text;
            int columns, linesPerPage;
            std::vector<PrintedPage> pages;
        };
        const Case cases[] = {
            {"empty text prints nothing", "", 80, 60, {}},
            {"CR LF lines, final break opens no line",
             "a\r\nbb\r\n\r\n",
             80,
             60,
             {{"a", "bb", ""}}},
            {"LF alone, last line without break", "a\nb", 80, 60, {{"a", "b"}}},
            {"blanks are kept", "  q  :   1.0\r\n", 80, 60, {{"  q  :   1.0"}}},
            {"full pages, then the rest",
             "1\r\n2\r\n3\r\n4\r\n5\r\n",
             80,
             2,
             {{"1", "2"}, {"3", "4"}, {"5"}}},
            {"exactly one page", "1\r\n2\r\n", 80, 2, {{"1", "2"}}},
            {"a wide line continues below",
             "abcdefgh\r\nxy\r\n",
             3,
             60,
             {{"abc", "def", "gh", "xy"}}},
            {"a line as wide as the paper stays whole", "abc\r\n", 3, 60, {{"abc"}}},
            {"continued across a page break", "abcdef\r\n", 2, 2, {{"ab", "cd"}, {"ef"}}},
            {"degenerate paper prints everything", "ab\r\n", 0, 0, {{"a"}, {"b"}}},
        };
        for (const Case& c : cases)
            QVERIFY2(moltherm::gui::BreakIntoPages(c.text, c.columns, c.linesPerPage) == c.pages,
                     c.why);
    }

    void missingDisplayIsReportedOnlyWithoutAnyDisplay() {
        // DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM; nullptr is unset, "" set but empty.
        const std::pair<std::array<const char*, 3>, bool> cases[] = {
            {{nullptr, nullptr, nullptr}, true},
            {{"", "", ""}, true},
            {{":0", "", ""}, false},
            {{"", "wayland-0", ""}, false},
            {{"", "", "offscreen"}, false}};
        for (const auto& [values, missing] : cases) {
            const std::map<std::string, const char*> environment = {{"DISPLAY", values[0]},
                                                                    {"WAYLAND_DISPLAY", values[1]},
                                                                    {"QT_QPA_PLATFORM", values[2]}};
            const auto message = moltherm::gui::MissingDisplayMessage(
                [&](const char* name) -> std::optional<std::string> {
                    const char* value = environment.at(name);
                    return value ? std::optional<std::string>(value) : std::nullopt;
                });
            QCOMPARE(message.has_value(), missing);
            if (!missing) continue;
            QVERIFY(message->find("moltherm-cli") != std::string::npos);
            QVERIFY(message->find('\n') == std::string::npos);
        }
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

    // The printer asks for "courier", the answer box for "Courier New".
    void courierIsMatchedToAnInstalledFixedPitchFont() {
        for (const char* family : {"courier", "Courier New"}) {
            QVERIFY(moltherm::gui::IsTypewriterFamily(QLatin1String(family)));
            const QFont font = moltherm::gui::MonospacedFont(QLatin1String(family), 8.25);
            QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
            QCOMPARE(font.pointSizeF(), 8.25);
            const QFontMetricsF metrics(font);
            QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiii")),
                     metrics.horizontalAdvance(QStringLiteral("MMMMM")));
        }
        QVERIFY(!moltherm::gui::IsTypewriterFamily(QStringLiteral("Sans Serif")));
    }

    void clockTellsTodayInTheShortLocaleFormats() {
        const moltherm::gui::QtClock clock;
        const QString dateText = QString::fromStdString(clock.dateText());
        const QString timeText = QString::fromStdString(clock.timeText());
        const QDate date = QLocale::system().toDate(dateText, QLocale::ShortFormat);
        const QTime time = QLocale::system().toTime(timeText, QLocale::ShortFormat);
        // A two-digit year reads back in another century; day and month must be today's.
        QVERIFY2(date.isValid(), qPrintable(dateText));
        QCOMPARE(date.day(), QDate::currentDate().day());
        QCOMPARE(date.month(), QDate::currentDate().month());
        QVERIFY2(time.isValid(), qPrintable(timeText));
        QVERIFY(qAbs(time.secsTo(QTime::currentTime())) < 120);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
