// Printing through the default printer: a local CUPS server with a PDF queue of the tests' own,
// which tests/support/test-printer.sh adds and PRINTER makes this process's default printer. The
// PDF it writes is read back as text.
#include <QPrinterInfo>

#include "report/printer.h"
#include "window_fixture.h"

using moltherm::gui::testing::Window;

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
const QString kPdfFolder = MOLTHERM_PDF_DIR;

void EmptyPdfFolder() {
    for (const QFileInfo& file : QDir(kPdfFolder).entryInfoList(QDir::Files))
        QFile::remove(file.filePath());
}

// Checks that the PDF, once cups-pdf has finished writing it, holds the report's lines
// with any text (trailing blanks and page feeds aside) and that every character stands in its
// column: pdftotext puts the page's left margin in front of every line as a constant indent.
void VerifyPrinted(const std::string& report, int pages) {
    QString text;
    for (qint64 tick = 0, lastSize = -1; tick < 300 && text.isEmpty(); ++tick) {
        const QFileInfoList pdfs = QDir(kPdfFolder).entryInfoList({"*.pdf"}, QDir::Files);
        const qint64 size = pdfs.size() == 1 ? pdfs.first().size() : -1;
        if (size > 0 && size == lastSize)
            text = Run("pdftotext", {"-fixed", "6", pdfs.first().filePath(), "-"}).second;
        lastSize = size;
        QTest::qWait(100);
    }
    if (text.isEmpty()) qWarning().noquote() << Run("lpstat", {"-p", "-W", "all", "-o"}).second;
    QVERIFY2(!text.isEmpty(), qPrintable("no PDF arrived in " + kPdfFolder));
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

// An atom at 298.15 K and at 1000 K: the window in results mode with two tables.
void ShowTwoTables(Window& w) {
    w.enter("txtName", -1, "Ar");
    w.enter("txtMolarMass", -1, "39.948");
    w.click("cmdCalc");
    w.enter("txtTemp", -1, "1000");
    w.click("cmdCalc");
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const bool ok = TestQueue().startsWith("moltherm-test") &&
                        !QPrinterInfo::printerInfo(TestQueue()).isNull();
        const QByteArray why = "no CUPS PDF queue \"" + TestQueue().toLocal8Bit() +
                               "\" (ctest's test_printer_up adds it, as root)";
        if (!ok && qEnvironmentVariable("CI") == "true") QFAIL(why.constData());
        if (!ok) QSKIP(why.constData());
    }

    // Printing ends results mode, as "New Data" does.
    void printButtonPrintsTheReportWithItsColumnsAligned() {
        Window w;
        QVERIFY(w.active());
        ShowTwoTables(w);
        const std::string report = w.form.summaryText() + w.form.tableText();
        EmptyPdfFolder();
        w.click("cmdPrint");
        QVERIFY(w.widget("txtError")->isHidden() && w.widget("txtAns")->isHidden());
        QCOMPARE(w.shown("cmdCalc"), "Calc");
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

    // The short message fits the error box; the reason goes to stderr and to its tooltip.
    void missingDefaultPrinterIsReportedAndTheReportStays() {
        Window w;
        QVERIFY(w.active());
        ShowTwoTables(w);
        const QString shown = w.shown("txtAns");
        // A default printer that does not exist is no default printer; the queue stays.
        const auto restore =
            qScopeGuard([queue = TestQueue()] { qputenv("PRINTER", queue.toLocal8Bit()); });
        qputenv("PRINTER", (TestQueue() + "-absent").toLocal8Bit());
        const char* reason = "the print system names no default printer";
        QTest::ignoreMessage(QtWarningMsg, QByteArray("moltherm: No default printer: ") + reason);
        w.click("cmdPrint");
        QVERIFY(!w.widget("txtError")->isHidden() && w.focused("txtError"));
        QCOMPARE(w.shown("txtError"), "No default printer");
        QCOMPARE(w.widget("txtError")->toolTip(), reason);
        QCOMPARE(w.shown("txtAns"), shown);  // still in results mode, the report whole
        w.enter("txtTemp", -1, "abc");
        w.click("cmdCalc");  // another message, no tooltip
        QCOMPARE(w.shown("txtError"), "Invalid Temperature");
        QVERIFY(w.widget("txtError")->toolTip().isEmpty());
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
