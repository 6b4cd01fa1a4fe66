// The platform helpers that need no window: page breaking, the display check and the clock.
#include <QtGui>
#include <QtTest>

#include "gui/display_check.h"
#include "gui/page_layout.h"
#include "gui/qt_clock.h"
#include "json_rows.h"

using moltherm::gui::PrintedPage;

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void breaksTextIntoLinesAndPages_data() { JsonRows("page_breaks"); }
    void breaksTextIntoLinesAndPages() {
        QFETCH(Json, row);
        QVERIFY(moltherm::gui::BreakIntoPages(row.at("text").get<std::string>(), row.at("columns"),
                                              row.at("linesPerPage")) ==
                row.at("pages").get<std::vector<PrintedPage>>());
    }

    // Set, perhaps empty; all unset: below.
    void missingDisplayIsReportedOnlyWithoutAnyDisplay_data() { JsonRows("display_variables"); }
    void missingDisplayIsReportedOnlyWithoutAnyDisplay() {
        QFETCH(Json, row);
        const bool missing = row.at("missing");
        const QStringList names = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
        const auto message = moltherm::gui::MissingDisplayMessage([&](const char* name) {
            const auto k = static_cast<std::size_t>(names.indexOf(name));
            return std::optional(row.at("values").at(k).get<std::string>());
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
