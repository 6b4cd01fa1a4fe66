// Printing through the default printer: a local CUPS server with a PDF queue of the tests' own,
// which tests/support/test-printer.sh adds and PRINTER makes this process's default printer. The
// PDF it writes is read back as text.
#include <QPrinterInfo>

#include "report/printer.h"
#include "window_driver.h"

using moltherm::gui::testing::WindowDriver;

namespace {

// Whether the command succeeded, and what it wrote.
std::pair<bool, QString> Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    return {finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            QString::fromLocal8Bit(process.readAll())};
}

// The tests' own queue; no other printer of the machine is ever printed to or changed.
QString TestQueue() {
    return qEnvironmentVariable("PRINTER");
}

// The PDF queue writes into a folder of its own, which the tests empty before each print, so
// any PDF in it is the one just printed.
QDir PdfFolder() {
    return QDir(MOLTHERM_PDF_DIR);
}

void EmptyPdfFolder() {
    for (const QFileInfo& file : PdfFolder().entryInfoList(QDir::Files))
        QFile::remove(file.filePath());
}

// What the print server says of the queue and its last jobs, for a print that never arrived.
QString PrintServerState() {
    QString state =
        Run("lpstat", {"-p", TestQueue()}).second + Run("lpstat", {"-W", "all", "-o"}).second;
    for (const QString& log :
         {QString("/var/log/cups/error_log"), "/var/log/cups/cups-pdf-" + TestQueue() + "_log"}) {
        QFile file(log);
        if (file.open(QIODevice::ReadOnly))
            state +=
                QString("-- %1:\n%2").arg(log, QString::fromLocal8Bit(file.readAll().right(2000)));
    }
    return state;
}

// Checks that the PDF, once cups-pdf has finished writing it, holds the report's lines
// with any text (trailing blanks and page feeds aside) and that every character stands in its
// column: pdftotext puts the page's left margin in front of every line as a constant indent.
void VerifyPrinted(const std::string& report, int pages) {
    QString text;
    for (qint64 tick = 0, lastSize = -1; tick < 300 && text.isEmpty(); ++tick) {
        const QFileInfoList pdfs = PdfFolder().entryInfoList({"*.pdf"}, QDir::Files);
        const qint64 size = pdfs.size() == 1 ? pdfs.first().size() : -1;
        if (size > 0 && size == lastSize)
            text = Run("pdftotext", {"-fixed", "6", pdfs.first().filePath(), "-"}).second;
        lastSize = size;
        QTest::qWait(100);
    }
    if (text.isEmpty()) qWarning().noquote() << PrintServerState();
    QVERIFY2(!text.isEmpty(), qPrintable("no PDF arrived in " + PdfFolder().path()));
    QVERIFY(text.count('\f') >= pages);
    const auto lines = [](QString text) {
        return text.remove(QRegularExpression("(?m)[ \\r]+$|\\f")).split('\n', Qt::SkipEmptyParts);
    };
    const QStringList printed = lines(text), expected = lines(QString::fromStdString(report));
    QCOMPARE(printed.size(), expected.size());
    const qsizetype indent = printed.first().size() - expected.first().size();
    for (qsizetype k = 0; k < expected.size(); ++k)
        QCOMPARE(printed[k], QString(indent, ' ') + expected[k]);
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<WindowDriver> d;

  private slots:
    void initTestCase() {
        const bool ok = TestQueue().startsWith("moltherm-test") &&
                        !QPrinterInfo::printerInfo(TestQueue()).isNull();
        const QByteArray why = "no CUPS PDF queue \"" + TestQueue().toLocal8Bit() +
                               "\" (ctest's test_printer_up adds it, as root)";
        if (!ok && qEnvironmentVariable("CI") == "true") QFAIL(why.constData());
        if (!ok) QSKIP(why.constData());
    }
    void init() { QVERIFY((d = std::make_unique<WindowDriver>())->open()); }
    void cleanup() { d.reset(); }

    void printButtonPrintsTheReportWithItsColumnsAligned() {
        d->showHclReport();
        const std::string report = d->form().summaryText() + d->form().tableText();
        EmptyPdfFolder();
        d->run("click cmdPrint; txtError !visible");
        d->verifyMode(false);  // back to data entry, as after "New Data"
        VerifyPrinted(report, 1);
    }

    void longReportBreaksIntoPagesWithoutLosingALine() {
        moltherm::gui::QtPrinter printer;
        printer.setFontName("Nimbus Sans");
        std::string table;
        for (int k = 1; k <= 150; ++k)
            table += "  line " + std::to_string(k) + " :    1.000       2.000       3.000\r\n";
        EmptyPdfFolder();
        const auto error = moltherm::PrintReport(printer, "Moltherm Calculation\r\n\r\n", table);
        QVERIFY2(!error, error ? error->c_str() : "");
        QCOMPARE(printer.fontName(), "Nimbus Sans");
        VerifyPrinted("Moltherm Calculation\r\n" + table, 3);  // 151 lines of 10 pt on A4
    }

    void missingDefaultPrinterIsReportedAndTheReportStays() {
        d->showHclReport();
        const QString shown = d->answer();
        // A default printer that does not exist is no default printer; the queue stays.
        const auto restore =
            qScopeGuard([queue = TestQueue()] { qputenv("PRINTER", queue.toLocal8Bit()); });
        qputenv("PRINTER", (TestQueue() + "-absent").toLocal8Bit());
        d->run("click cmdPrint; txtError visible; txtError = No default printer; txtError focused");
        d->verifyMode(true);
        QCOMPARE(d->answer(), shown);
        QCOMPARE(d->control("txtAns").text, d->form().summaryText() + d->form().tableText());
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
