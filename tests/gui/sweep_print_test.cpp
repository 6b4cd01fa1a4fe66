// The sweep window's Print through the system's real default printer: a local CUPS server with
// a PDF queue, brought up by scripts/setup-cups.sh. The PDF it writes is read back as text.
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QtTest>
#include <clocale>

#include "calc/sweep_text.h"
#include "gui/moltherm_window.h"
#include "gui/sweep_window.h"
#include "tests/support/worked_examples.h"

namespace {

std::pair<bool, QString> Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    return {finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            QString::fromLocal8Bit(process.readAll())};
}

// The tests' own queue (PRINTER); no other printer of the machine is printed to or changed.
QString TestQueue() {
    return qEnvironmentVariable("PRINTER");
}

// The text of the one PDF in the queue's folder once cups-pdf has finished writing it.
QString PrintedText() {
    const QDir folder(MOLTHERM_PDF_DIR);
    for (qint64 tick = 0, lastSize = -1; tick < 300; ++tick) {
        const QFileInfoList pdfs = folder.entryInfoList({"*.pdf"}, QDir::Files);
        const qint64 size = pdfs.size() == 1 ? pdfs.first().size() : -1;
        if (size > 0 && size == lastSize)
            return Run("pdftotext", {"-fixed", "6", pdfs.first().filePath(), "-"}).second;
        lastSize = size;
        QTest::qWait(100);
    }
    return {};
}

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
        const bool ok = TestQueue().startsWith("moltherm-test") &&
                        !QPrinterInfo::printerInfo(TestQueue()).isNull();
        const QByteArray why = "no CUPS PDF queue \"" + TestQueue().toLocal8Bit() +
                               "\" (ctest's test_printer_up adds it, as root)";
        if (!ok && qEnvironmentVariable("CI") == "true") QFAIL(why.constData());
        if (!ok) QSKIP(why.constData());
    }

    // Heading, plot (its axis titles and legend are text in the PDF) and every line of the
    // table in its columns, on as many pages as it takes.
    void printsHeadingPlotAndTable() {
        moltherm::gui::SweepWindow w(Hcl(), {}, "HCl");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const QFileInfo& file : QDir(MOLTHERM_PDF_DIR).entryInfoList(QDir::Files))
            QFile::remove(file.filePath());
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
        // A default printer that does not exist is no default printer; the queue stays.
        const auto restore =
            qScopeGuard([queue = TestQueue()] { qputenv("PRINTER", queue.toLocal8Bit()); });
        qputenv("PRINTER", (TestQueue() + "-absent").toLocal8Bit());
        QCOMPARE(w.print(), "No default printer");
        QCOMPARE(w.message(), "No default printer");
    }
};

QTEST_MAIN(SweepPrintTest)
#include "sweep_print_test.moc"
