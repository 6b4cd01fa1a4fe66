// The platform helpers that need no window: page breaking, the display check and the clock.
#include <QtGui>
#include <QtTest>

#include "gui/display_check.h"
#include "gui/page_layout.h"
#include "gui/qt_clock.h"

using moltherm::gui::PrintedPage;
Q_DECLARE_METATYPE(std::vector<PrintedPage>)

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void breaksTextIntoLinesAndPages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("linesPerPage");
        QTest::addColumn<std::vector<PrintedPage>>("pages");
        // clang-format off
        QTest::newRow("empty text prints nothing") << "" << 80 << 60 << std::vector<PrintedPage>{};
        QTest::newRow("CR LF; a final break opens no line") << "a\r\nbb\r\n\r\n" << 80 << 60 << std::vector<PrintedPage>{{"a", "bb", ""}};
        QTest::newRow("LF alone; a last line without a break") << "a\nb" << 80 << 60 << std::vector<PrintedPage>{{"a", "b"}};
        QTest::newRow("blanks are kept") << "  q  :   1.0\r\n" << 80 << 60 << std::vector<PrintedPage>{{"  q  :   1.0"}};
        QTest::newRow("full pages") << "1\r\n2\r\n3\r\n4\r\n5\r\n" << 80 << 2 << std::vector<PrintedPage>{{"1", "2"}, {"3", "4"}, {"5"}};
        QTest::newRow("a wide line goes on below") << "abcdefgh\r\nxy\r\n" << 3 << 60 << std::vector<PrintedPage>{{"abc", "def", "gh", "xy"}};
        QTest::newRow("a line as wide as the paper stays whole") << "abc\r\n" << 3 << 60 << std::vector<PrintedPage>{{"abc"}};
        QTest::newRow("going on across a page break") << "abcdef\r\n" << 2 << 2 << std::vector<PrintedPage>{{"ab", "cd"}, {"ef"}};
        QTest::newRow("degenerate paper still prints everything") << "ab\r\n" << 0 << 0 << std::vector<PrintedPage>{{"a"}, {"b"}};
        // clang-format on
    }
    void breaksTextIntoLinesAndPages() {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(int, linesPerPage);
        QFETCH(std::vector<PrintedPage>, pages);
        QVERIFY(moltherm::gui::BreakIntoPages(text.toStdString(), columns, linesPerPage) == pages);
    }

    // DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM; "" is set but empty. (All unset: below.)
    void missingDisplayIsReportedOnlyWithoutAnyDisplay_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("missing");
        QTest::newRow("all empty") << QStringList{"", "", ""} << true;
        QTest::newRow("X11") << QStringList{":0", "", ""} << false;
        QTest::newRow("Wayland") << QStringList{"", "wayland-0", ""} << false;
        QTest::newRow("a Qt platform") << QStringList{"", "", "offscreen"} << false;
    }
    void missingDisplayIsReportedOnlyWithoutAnyDisplay() {
        QFETCH(QStringList, values);
        QFETCH(bool, missing);
        const QStringList names = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
        const auto message = moltherm::gui::MissingDisplayMessage([&](const char* name) {
            const qsizetype k = names.indexOf(name);
            return k < values.size() ? std::optional(values[k].toStdString()) : std::nullopt;
        });
        QCOMPARE(message.has_value(), missing);
        QVERIFY(!missing || (message->find("moltherm-cli") != std::string::npos &&
                             message->find('\n') == std::string::npos));
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
