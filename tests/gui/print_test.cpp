// Printing through the system's real default printer: a local CUPS server with a PDF queue,
// brought up by scripts/setup-cups.sh. The PDF it writes is read back as text.
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <clocale>

#include "gui/qt_printer.h"
#include "report/printer.h"
#include "window_driver.h"

using moltherm::gui::testing::EnterHydrogenChloride;
using moltherm::gui::testing::WindowDriver;

namespace {

struct CommandResult {
    bool ok = false;
    QString output;
};

CommandResult Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {false, program + QStringLiteral(" did not finish")};
    const QString output = QString::fromLocal8Bit(process.readAll());
    return {process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, output};
}

CommandResult SetUpCups() {
    return Run(QStringLiteral("bash"), {QStringLiteral(MOLTHERM_SETUP_CUPS)});
}

// cups-pdf writes into PDF/ under the home folder of the job's user.
QDir PdfFolder() {
    const passwd* user = getpwuid(getuid());
    return QDir(QString::fromLocal8Bit(user ? user->pw_dir : "/root") + QStringLiteral("/PDF"));
}

QSet<QString> PdfFiles() {
    const QStringList names = PdfFolder().entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

// The lines with any text, trailing blanks and page feeds removed.
QStringList TextLines(const QString& text) {
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f')).remove(QLatin1Char('\r'));
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        if (!line.isEmpty()) lines.append(line);
    }
    return lines;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<WindowDriver> d;

    void enterReport() {
        EnterHydrogenChloride(*d);
        d->click("cmdCalc");
        d->typeInto("txtTemp", QStringLiteral("1000"));
        d->click("cmdCalc");
        QVERIFY(d->shown("cmdPrint"));
    }

    // The newest PDF that was not there before, once cups-pdf has finished writing it.
    QString waitForNewPdf(const QSet<QString>& before) {
        QString found;
        qint64 lastSize = -1;
        for (int tick = 0; tick < 300; ++tick) {
            for (const QString& name : PdfFiles()) {
                if (!before.contains(name)) found = PdfFolder().filePath(name);
            }
            if (!found.isEmpty()) {
                const qint64 size = QFileInfo(found).size();
                if (size > 0 && size == lastSize) return found;
                lastSize = size;
            }
            QTest::qWait(100);
        }
        return found;
    }

  private slots:
    void initTestCase() {
        const CommandResult cups = SetUpCups();
        if (!cups.ok) {
            const QByteArray why =
                "no CUPS server with a PDF printer: " + cups.output.trimmed().toLocal8Bit();
            if (qEnvironmentVariable("CI") == QLatin1String("true")) QFAIL(why.constData());
            QSKIP(why.constData());
        }
    }

    void init() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        d = std::make_unique<WindowDriver>();
        QVERIFY(d->open());
    }
    void cleanup() { d.reset(); }

    void printButtonPrintsTheReportWithItsColumnsAligned() {
        enterReport();
        const std::string report = d->form().summaryText() + d->form().tableText();
        const QSet<QString> before = PdfFiles();

        d->click("cmdPrint");
        QVERIFY2(!d->shown("txtError"), qPrintable(d->lineText("txtError")));
        // Back to data entry, as after "New Data".
        QCOMPARE(d->buttonText("cmdCalc"), QStringLiteral("Calc"));
        QVERIFY(!d->shown("txtAns"));
        QVERIFY(!d->shown("cmdPrint"));
        QVERIFY(d->shown("frmMolType"));

        const QString pdf = waitForNewPdf(before);
        QVERIFY2(!pdf.isEmpty(), "no new PDF from the printer");
        const CommandResult text =
            Run(QStringLiteral("pdftotext"),
                {QStringLiteral("-fixed"), QStringLiteral("6"), pdf, QStringLiteral("-")});
        QVERIFY2(text.ok, qPrintable(text.output));

        const QStringList printed = TextLines(text.output);
        const QStringList expected = TextLines(QString::fromStdString(report));
        QCOMPARE(printed.size(), expected.size());
        // pdftotext puts the page's left margin in front of every line as a constant indent;
        // beyond it every character, blanks included, must stand in its column.
        const qsizetype indent = printed.first().size() - expected.first().size();
        QVERIFY(indent >= 0);
        for (qsizetype k = 0; k < expected.size(); ++k) {
            QCOMPARE(printed[k].left(indent), QString(indent, QLatin1Char(' ')));
            QCOMPARE(printed[k].mid(indent), expected[k]);
        }
        QVERIFY(expected.contains(QStringLiteral(
            "1000.00K       translational rotational vibrational  electronic     total")));
    }

    void longReportBreaksIntoPagesWithoutLosingALine() {
        moltherm::gui::QtPrinter printer;
        printer.setFontName("Nimbus Sans");
        std::string table;
        for (int k = 1; k <= 150; ++k)
            table += "  line " + std::to_string(k) + " :    1.000       2.000       3.000\r\n";
        const QSet<QString> before = PdfFiles();
        const auto error = moltherm::PrintReport(printer, "Moltherm Calculation\r\n\r\n", table);
        QVERIFY2(!error, error ? error->c_str() : "");
        QCOMPARE(printer.fontName(), std::string("Nimbus Sans"));

        const QString pdf = waitForNewPdf(before);
        QVERIFY2(!pdf.isEmpty(), "no new PDF from the printer");
        const CommandResult text =
            Run(QStringLiteral("pdftotext"),
                {QStringLiteral("-fixed"), QStringLiteral("6"), pdf, QStringLiteral("-")});
        QVERIFY2(text.ok, qPrintable(text.output));
        QVERIFY(text.output.count(QLatin1Char('\f')) >= 3);  // 151 lines of 10 points on A4
        const QStringList printed = TextLines(text.output);
        QCOMPARE(printed.size(), 151);
        const qsizetype indent = printed.first().indexOf(QLatin1Char('M'));
        for (int k = 1; k <= 150; ++k) {
            QCOMPARE(printed[k].mid(indent),
                     QStringLiteral("  line %1 :    1.000       2.000       3.000").arg(k));
        }
    }

    void missingDefaultPrinterIsReportedAndTheReportStays() {
        enterReport();
        const QString shownReport = d->answerText();
        struct RestorePrinter {
            ~RestorePrinter() { SetUpCups(); }
        } restore;
        const CommandResult removed =
            Run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("PDF")});
        QVERIFY2(removed.ok, qPrintable(removed.output));

        d->click("cmdPrint");
        QVERIFY(d->shown("txtError"));
        QCOMPARE(d->lineText("txtError"), QStringLiteral("No default printer"));
        QVERIFY(d->focused("txtError"));
        // Still in results mode, the report on view.
        QCOMPARE(d->buttonText("cmdCalc"), QStringLiteral("New T"));
        QVERIFY(d->shown("txtAns"));
        QVERIFY(d->shown("cmdPrint"));
        QVERIFY(!d->shown("frmMolType"));
        QCOMPARE(d->answerText(), shownReport);
        QCOMPARE(d->control("txtAns").text, d->form().summaryText() + d->form().tableText());

        const CommandResult back = SetUpCups();
        QVERIFY2(back.ok, qPrintable(back.output));
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
