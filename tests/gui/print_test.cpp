// Printing through the system's real default printer: a local CUPS server with a PDF queue,
// brought up by scripts/setup-cups.sh. The PDF it writes is read back as text.
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include "report/printer.h"
#include "window_driver.h"

using moltherm::gui::testing::WindowDriver;

namespace {

// Whether the command succeeded, and what it wrote.
std::pair<bool, QString> Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return {false, program + QStringLiteral(" hangs")};
    return {process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            QString::fromLocal8Bit(process.readAll())};
}

std::pair<bool, QString> SetUpCups() {
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

// The text of the first PDF not in `before`, once cups-pdf has finished writing it, as
// pdftotext gives it back column-exact; empty when no PDF comes.
QString NextPdfText(const QSet<QString>& before) {
    QString found;
    qint64 lastSize = -1;
    for (int tick = 0; tick < 300; ++tick, QTest::qWait(100)) {
        for (const QString& name : PdfFiles())
            if (!before.contains(name)) found = PdfFolder().filePath(name);
        if (found.isEmpty()) continue;
        const qint64 size = QFileInfo(found).size();
        if (size > 0 && size == lastSize) break;
        lastSize = size;
    }
    if (found.isEmpty()) return {};
    const auto [ok, text] = Run(QStringLiteral("pdftotext"),
                                {QStringLiteral("-fixed"), QStringLiteral("6"), found, "-"});
    return ok ? text : QString();
}

// The lines with any text, trailing blanks and page feeds removed.
QStringList TextLines(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\f\\r]")));
    text.remove(QRegularExpression(QStringLiteral(" +$"), QRegularExpression::MultilineOption));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<WindowDriver> d;

  private slots:
    void initTestCase() {
        const auto [ok, output] = SetUpCups();
        if (ok) return;
        const QByteArray why =
            "no CUPS server with a PDF printer: " + output.trimmed().toLocal8Bit();
        if (qEnvironmentVariable("CI") == QLatin1String("true")) QFAIL(why.constData());
        QSKIP(why.constData());
    }
    void init() {
        d = std::make_unique<WindowDriver>();
        QVERIFY(d->open());
    }
    void cleanup() { d.reset(); }

    void printButtonPrintsTheReportWithItsColumnsAligned() {
        d->showHclReport();
        const QStringList expected =
            TextLines(QString::fromStdString(d->form().summaryText() + d->form().tableText()));
        const QSet<QString> before = PdfFiles();
        d->click("cmdPrint");
        d->verify({"txtError hidden"});
        d->verifyMode(false);  // back to data entry, as after "New Data"

        const QStringList printed = TextLines(NextPdfText(before));
        QCOMPARE(printed.size(), expected.size());
        // pdftotext puts the page's left margin in front of every line as a constant indent;
        // beyond it every character, blanks included, must stand in its column.
        const qsizetype indent = printed.first().size() - expected.first().size();
        QVERIFY(indent >= 0);
        for (qsizetype k = 0; k < expected.size(); ++k)
            QCOMPARE(printed[k], QString(indent, QLatin1Char(' ')) + expected[k]);
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

        const QString text = NextPdfText(before);
        QVERIFY(text.count(QLatin1Char('\f')) >= 3);  // 151 lines of 10 points on A4
        const QStringList printed = TextLines(text);
        QCOMPARE(printed.size(), 151);
        const qsizetype indent = printed.first().indexOf(QLatin1Char('M'));
        for (int k = 1; k <= 150; ++k)
            QCOMPARE(printed[k].mid(indent),
                     QStringLiteral("  line %1 :    1.000       2.000       3.000").arg(k));
    }

    void missingDefaultPrinterIsReportedAndTheReportStays() {
        d->showHclReport();
        const QString shownReport = d->answer();
        struct RestorePrinter {
            ~RestorePrinter() { SetUpCups(); }
        } restore;
        const auto [removed, output] = Run(QStringLiteral("lpadmin"), {"-x", "PDF"});
        QVERIFY2(removed, qPrintable(output));

        d->click("cmdPrint");
        d->verify({"txtError shown", "txtError = No default printer", "txtError focused"});
        d->verifyMode(true);
        QCOMPARE(d->answer(), shownReport);
        QCOMPARE(d->control("txtAns").text, d->form().summaryText() + d->form().tableText());
        QVERIFY2(SetUpCups().first, "the PDF printer does not come back");
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
