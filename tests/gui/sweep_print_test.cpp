// The sweep window's Print through the default printer, the tests' own PDF queue; the PDF it
// writes is read back as text.
#include <clocale>

#include "calc/sweep_text.h"
#include "gui/moltherm_window.h"
#include "gui/sweep_window.h"
#include "print_fixture.h"
#include "tests/support/worked_examples.h"

using namespace moltherm::gui::testing;

namespace {

moltherm::Molecule Hcl() {
    return moltherm::testing::TypedMolecule(moltherm::testing::HclTexts());
}

}  // namespace

class SweepPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        moltherm::gui::PrepareApplication();
        RequireTestQueue();
    }

    // Heading, plot (its axis titles and legend are text in the PDF) and every line of the
    // table in its columns, on as many pages as it takes.
    void printsHeadingPlotAndTable() {
        moltherm::gui::SweepWindow w(Hcl(), {}, "HCl");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        EmptyPdfFolder();
        QCOMPARE(w.print(), std::nullopt);
        const QString text = PrintedText();
        QVERIFY2(!text.isEmpty(), "no PDF arrived in " MOLTHERM_PDF_DIR);
        QVERIFY(text.count('\f') >= 2);
        for (const char* shown :
             {"Temperature sweep of HCl, Tr = 298.15 K", "T [K]", "Total", "Translational"})
            QVERIFY2(text.contains(shown), shown);
        const QStringList lines =
            QString::fromStdString(moltherm::SweepPrintedText(w.table().rows())).split('\n');
        const QStringList printed = text.split('\n');
        qsizetype at = 0;
        for (const QString& line : lines) {
            if (line.isEmpty()) continue;
            while (at < printed.size() && !printed[at].endsWith(line)) ++at;
            QVERIFY2(at < printed.size(), qPrintable("missing or out of order: " + line));
        }
    }

    void missingDefaultPrinterIsReported() {
        moltherm::gui::SweepWindow w(Hcl(), {}, "HCl");
        const auto restore = WithoutDefaultPrinter();
        QCOMPARE(w.print(), "No default printer");
        QCOMPARE(w.message(), "No default printer");
    }
};

QTEST_MAIN(SweepPrintTest)
#include "sweep_print_test.moc"
