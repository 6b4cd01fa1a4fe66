#pragma once

// Printing to the tests' own CUPS PDF queue, which tests/support/test-printer.sh adds and PRINTER
// makes this process's default printer; no other printer of the machine is printed to or
// changed. The queue writes into MOLTHERM_PDF_DIR, which a test empties before each print, so any
// PDF in it is the one just printed.
#include <QPrinterInfo>
#include <QtTest>

namespace moltherm::gui::testing {

inline const QString kPdfFolder = MOLTHERM_PDF_DIR;

inline QString TestQueue() {
    return qEnvironmentVariable("PRINTER");
}

// Fails under CI, and skips elsewhere, when the queue is missing.
inline void RequireTestQueue() {
    const bool ok =
        TestQueue().startsWith("moltherm-test") && !QPrinterInfo::printerInfo(TestQueue()).isNull();
    const QByteArray why = "no CUPS PDF queue \"" + TestQueue().toLocal8Bit() +
                           "\" (ctest's test_printer_up adds it, as root)";
    if (!ok && qEnvironmentVariable("CI") == "true") QFAIL(why.constData());
    if (!ok) QSKIP(why.constData());
}

inline void EmptyPdfFolder() {
    for (const QFileInfo& file : QDir(kPdfFolder).entryInfoList(QDir::Files))
        QFile::remove(file.filePath());
}

// What the program wrote to its standard output and error.
inline QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAll());
}

// The text of the one PDF in the folder once cups-pdf has finished writing it (pdftotext
// -fixed 6 gives 10 pt Courier back column-exact apart from a constant indent); empty if none
// arrived within 30 s, with the queue's state as a warning.
inline QString PrintedText() {
    for (qint64 tick = 0, lastSize = -1; tick < 300; ++tick) {
        const QFileInfoList pdfs = QDir(kPdfFolder).entryInfoList({"*.pdf"}, QDir::Files);
        const qint64 size = pdfs.size() == 1 ? pdfs.first().size() : -1;
        if (size > 0 && size == lastSize)
            return Run("pdftotext", {"-fixed", "6", pdfs.first().filePath(), "-"});
        lastSize = size;
        QTest::qWait(100);
    }
    qWarning().noquote() << Run("lpstat", {"-p", "-W", "all", "-o"});
    return {};
}

// With PRINTER naming a queue that does not exist there is no default printer; the queue stays.
inline auto WithoutDefaultPrinter() {
    const QByteArray queue = TestQueue().toLocal8Bit();
    qputenv("PRINTER", queue + "-absent");
    return qScopeGuard([queue] { qputenv("PRINTER", queue); });
}

}  // namespace moltherm::gui::testing
