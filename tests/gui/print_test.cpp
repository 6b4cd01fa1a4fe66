// Printing the report through the default printer, the tests' own PDF queue; the PDF it writes
// is read back as text.
#include "print_fixture.h"
#include "report/printer.h"
#include "window_fixture.h"

using namespace moltherm::gui::testing;

namespace {

// Checks that the PDF, once cups-pdf has finished writing it, holds the report's lines
// with any text (trailing blanks and page feeds aside) and that every character stands in its
// column: pdftotext puts the page's left margin in front of every line as a constant indent.
void VerifyPrinted(const std::string& report, int pages) {
    const QString text = PrintedText();
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
    void initTestCase() { RequireTestQueue(); }

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
        const auto restore = WithoutDefaultPrinter();
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
