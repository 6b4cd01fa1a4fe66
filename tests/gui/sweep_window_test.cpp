// The temperature sweep window: its table and plot show what calc/sweep computes, range edits
// typed as a person types them, the exports read back, the NASA-7 export through its dialogs, and
// pictures for a person to look at. The sweep's and the fit's own refusals and texts are the
// calc tests' (tests/calc/sweep_test.cpp, nasa7_export_test.cpp).
#include <QChart>
#include <QChartView>
#include <QtTest>
#include <QtWidgets>
#include <clocale>
#include <memory>

#include "calc/nasa7_export.h"
#include "calc/sweep_text.h"
#include "gui/moltherm_window.h"
#include "gui/nasa7_export_dialog.h"
#include "gui/sweep_window.h"
#include "json_rows.h"
#include "tests/support/worked_examples.h"

namespace moltherm::gui {
namespace {

Molecule Water() {
    return testing::TypedMolecule(testing::WaterTexts());
}

std::vector<SweepRow> SweepOf(const TemperatureRange& range) {
    return *ComputeSweep({}, Water(), {}, range);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SweepWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SweepWindow> w;
    QTemporaryDir dir;

    QLineEdit& field(const QString& name) {
        return name == "tmin" ? w->tminField() : name == "tmax" ? w->tmaxField() : w->stepField();
    }
    // Selects the field's text, types over it and presses Enter, as a person would.
    void type(const QString& name, const QString& text) {
        QLineEdit& f = field(name);
        f.setFocus();
        f.selectAll();
        QTest::keyClick(&f, Qt::Key_Backspace);
        QTest::keyClicks(&f, text);
        QTest::keyClick(&f, Qt::Key_Return);
    }
    void verifyShown(const std::vector<SweepRow>& rows) {
        QCOMPARE(SweepCsv(w->table().rows()), SweepCsv(rows));
        QCOMPARE(w->table().rowCount(), static_cast<int>(rows.size()));
        const PlotCurve& total = w->plot().content().curves.back();
        QCOMPARE(total.name, "Total");
        QCOMPARE(total.points.size(), static_cast<qsizetype>(rows.size()));
        QCOMPARE(total.points.last().x(), rows.back().temperature);
    }
    QChartView& chartView() { return dynamic_cast<QChartView&>(*w->plot().widget()); }
    // Where the chart draws the total's point of a row, in the view's coordinates.
    QPoint onScreen(std::size_t row) {
        QChart& chart = *chartView().chart();
        const QPointF point = w->plot().content().curves.back().points[static_cast<qsizetype>(row)];
        return chartView().mapFromScene(
            chart.mapToScene(chart.mapToPosition(point, chart.series().back())));
    }

  private slots:
    void initTestCase() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        PrepareApplication();
        QVERIFY(dir.isValid());
    }
    void init() {
        w = std::make_unique<SweepWindow>(Water(), ThermoOptions{}, "H2O");
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    void opensOnTheDefaultRange() {
        QCOMPARE(w->windowTitle(), "H2O \u2014 Temperature Sweep");
        QCOMPARE(w->tminField().text() + " " + w->tmaxField().text() + " " + w->stepField().text(),
                 "100 3000 100");
        QCOMPARE(w->message(), "");
        verifyShown(SweepOf({100, 3000, 100}));
    }

    void tableHasUnitsAndValues_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("header");
        QTest::addColumn<double>("valueAt1000K");
        const SweepRow at1000 = SweepOf({1000, 1000, 1})[1];
        const auto value = [&](SweepPart p, SweepQuantity q) { return at1000[p][q]; };
        using P = SweepPart;
        using Q = SweepQuantity;
        // clang-format off
        QTest::newRow("T") << 0 << "T\n\n[K]" << 1000.0;
        QTest::newRow("Cp translational") << 1 << "Cp\ntranslational\n[J/(K mol)]" << value(P::kTranslational, Q::kCp);
        QTest::newRow("G total") << 25 << "G\ntotal\n[kJ/mol]" << value(P::kTotal, Q::kG);
        // clang-format on
    }
    void tableHasUnitsAndValues() {
        QFETCH(int, column);
        QFETCH(QString, header);
        QFETCH(double, valueAt1000K);
        const SweepTableModel& table = w->table();
        QCOMPARE(table.columnCount(), 26);
        QCOMPARE(table.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), header);
        const QModelIndex cell = table.index(10, column);  // 100, 200, 298.15, ..., 1000 K
        QCOMPARE(table.data(cell, Qt::UserRole).toDouble(), valueAt1000K);
        QCOMPARE(table.data(cell, Qt::DisplayRole).toString(),
                 column == 0 ? "1000" : QString::number(valueAt1000K, 'f', 3));
    }

    // A good edit recomputes on the new range; a refusal, a field's own or the sweep's, shows its
    // message and keeps the table and plot, and the next good edit takes the message away.
    void rangeEdits_data() { JsonRows("sweep_range_edits"); }
    void rangeEdits() {
        QFETCH(Json, row);
        const QString name = QString::fromStdString(row.at("field"));
        type("tmax", "1000");
        const auto before = SweepOf({100, 1000, 100});
        type(name, QString::fromStdString(row.at("text")));
        QCOMPARE(w->message(), QString::fromStdString(row.value("message", "")));
        if (const Json& r = row.value("range", Json()); r.is_array())
            return verifyShown(SweepOf({r.at(0), r.at(1), r.at(2)}));
        verifyShown(before);
        field(name).setText(name == "tmin" ? "100" : name == "tmax" ? "1000" : "100");
        type("tmin", "200");
        QCOMPARE(w->message(), "");
        verifyShown(SweepOf({200, 1000, 100}));
    }

    void quantitySelectorRedrawsThePlot_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("axis");
        QTest::addColumn<int>("quantity");
        // clang-format off
        QTest::newRow("S") << 1 << "S [J/(K mol)]" << static_cast<int>(SweepQuantity::kS);
        QTest::newRow("H-H(298.15)") << 2 << "H\u2212H(298.15) [kJ/mol]" << static_cast<int>(SweepQuantity::kHMinusHRef);
        // clang-format on
    }
    void quantitySelectorRedrawsThePlot() {
        QFETCH(int, index);
        QFETCH(QString, axis);
        QFETCH(int, quantity);
        w->quantityBox().setCurrentIndex(index);
        QCOMPARE(w->quantityBox().currentText(), axis);
        const PlotContent& content = w->plot().content();
        QCOMPARE(content.yName + " [" + content.yUnit + "]", axis);
        QCOMPARE(content.curves.size(), kSweepPartCount);
        const auto rows = SweepOf({100, 3000, 100});
        for (std::size_t p = 0; p < kSweepPartCount; ++p)
            for (std::size_t r = 0; r < rows.size(); ++r)
                QCOMPARE(content.curves[p].points[static_cast<qsizetype>(r)].y(),
                         rows[r][static_cast<SweepPart>(p)][static_cast<SweepQuantity>(quantity)]);
    }

    void exportsWriteTheirFiles_data() {
        QTest::addColumn<QString>("file");
        for (const char* file : {"sweep.csv", "sweep.png", "sweep.svg", "sweep.pdf"})
            QTest::newRow(file) << QString(file);
    }
    void exportsWriteTheirFiles() {
        QFETCH(QString, file);
        const QString path = dir.filePath(file);
        const QString missing = dir.filePath("missing/" + file);
        const QString suffix = QFileInfo(file).suffix();
        const auto write = [&](const QString& to) {
            if (suffix == "csv") return w->exportCsv(to);
            return w->exportPlot(to, suffix == "png"   ? PlotFileFormat::kPng
                                     : suffix == "svg" ? PlotFileFormat::kSvg
                                                       : PlotFileFormat::kPdf);
        };
        QCOMPARE(write(missing), "Could not write " + missing);
        QCOMPARE(w->message(), "Could not write " + missing);
        QCOMPARE(write(path), std::nullopt);
        QCOMPARE(w->message() + w->statusBar()->currentMessage(), "Wrote " + path);
        const QByteArray content = ReadAll(path);
        if (suffix == "csv") {
            QCOMPARE(content.toStdString(), SweepCsv(SweepOf({100, 3000, 100})));
        } else if (suffix == "png") {
            const QImage image(path);
            QCOMPARE(image.size(), w->plot().widget()->size() * 2);
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); y += 7)
                for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
        } else if (suffix == "svg") {
            QVERIFY(content.contains("<svg") && content.contains("T [K]") &&
                    content.contains("Cp [J/(K mol)]"));
        } else {
            QVERIFY(content.startsWith("%PDF"));
        }
    }

    // The action asks its dialogs, over the window, for its molecule's name; a cancel writes and
    // shows nothing; without dialogs the action is off. A refusal of the fit or of the file shows
    // its message, writes nothing and says nothing in the status bar.
    void nasa7ActionAndRefusals() {
        QAction& action = w->nasa7Action();
        QVERIFY(!action.isEnabled());
        QStringList asked;
        w->setNasa7Dialogs([&](QWidget* parent, const std::string& name) {
            asked << QString("%1 %2").arg(parent == w.get()).arg(name.c_str());
            return std::optional<Nasa7Choice>();
        });
        QVERIFY(action.isEnabled());
        action.trigger();
        QCOMPARE(asked, QStringList{"1 H2O"});
        QCOMPARE(w->message() + w->statusBar()->currentMessage(), "");
        w->setNasa7Dialogs({});
        QVERIFY(!action.isEnabled());
        const QString path = dir.filePath("h2o.dat"), missing = dir.filePath("no/h2o.dat");
        QCOMPARE(w->exportNasa7({}, path), "No formula entered");
        QCOMPARE(w->message(), "No formula entered");
        QCOMPARE(w->exportNasa7({Nasa7Format::kChemkin, "H2O", ""}, missing),
                 "Could not write " + missing);
        QCOMPARE(w->message(), "Could not write " + missing);
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(w->statusBar()->currentMessage(), "");
    }

    // The menu of a window as Tools > Temperature Sweep opens it, through both real dialogs:
    // the formula taken from the name, Cantera and the numbers chosen; the file dialog offers
    // "H2O.yaml" in the working folder, which is written with the window's molecule, options and
    // name, and an earlier refusal's message goes. The window opens over its parent and is
    // deleted when closed.
    void nasa7MenuThroughItsDialogs() {
        QWidget parent;
        ThermoOptions scaled;
        scaled.frequencyScale = 0.96;
        QPointer<SweepWindow> opened = OpenSweepWindow(&parent, Water(), scaled, "H2O");
        QVERIFY(opened->isVisible() && opened->isWindow());
        QCOMPARE(opened->parentWidget(), &parent);
        QCOMPARE(opened->table().rowCount(), 31);
        QVERIFY(opened->exportNasa7({}, dir.filePath("none.dat")).has_value());
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QString offered;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<Nasa7ExportDialog*>(modal)) {
                QVERIFY(dialog->okButton().isEnabled());
                dialog->formatBox().setCurrentIndex(1);
                dialog->enthalpyField().setText("-241.826");
                dialog->tlowField().setText("300");
                dialog->tmidField().setText("1200");
                dialog->thighField().setText("5000");
                dialog->accept();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                offered = files->selectedFiles().value(0) + " " + files->selectedNameFilter();
                static_cast<QDialog*>(files)->accept();  // QFileDialog makes it protected
            }
        });
        answer.start(10);
        opened->nasa7Action().trigger();
        answer.stop();
        QDir::setCurrent(working);
        const QString path = dir.filePath("H2O.yaml");
        QCOMPARE(offered, path + " Cantera YAML files (*.yaml)");
        QCOMPARE(
            ReadAll(path).toStdString(),
            *Nasa7ExportText({}, Water(), scaled, "H2O",
                             {Nasa7Format::kCantera, "H2O", "-241.826", "300", "1200", "5000"}));
        QCOMPARE(opened->message() + opened->statusBar()->currentMessage(), "Wrote " + path);
        opened->close();
        QTRY_VERIFY(opened.isNull());
    }

    // The pointer's label shows the nearest point's value, and nothing away from the curves.
    // The export dialog's name stands in the formula field only when it is a formula (a formula
    // name: the menu case above); the field is checked as it is typed, and OK waits for a good
    // formula. Pictures for a person: the window as opened, then with the pointer on the plot,
    // and the dialog with its longest formula message. The second run of this test
    // (QT_SCALE_FACTOR=2) saves them at twice the pixels.
    void pointerLabelFormulaFieldAndScreenshots() {
        const qreal ratio = w->devicePixelRatioF();
        const QString tag = ratio == 1 ? "" : QString("@%1x").arg(ratio);
        const QString folder = QStringLiteral(MOLTHERM_SCREENSHOT_DIR "/");
        QVERIFY(w->grab().save(folder + "sweep-light" + tag + ".png"));
        const auto rows = SweepOf({100, 3000, 100});
        QTest::mouseMove(chartView().viewport(), onScreen(10) + QPoint(3, -2));
        QCOMPARE(w->plot().pointerText(),
                 "Total\nT = 1000 K\nCp = " +
                     QString::number(rows[10][SweepPart::kTotal].cp, 'f', 3) + " J/(K mol)");
        QTest::mouseMove(chartView().viewport(), QPoint(2, 2));
        QCOMPARE(w->plot().pointerText(), "");
        QTest::mouseMove(chartView().viewport(), onScreen(14));
        QVERIFY(!w->plot().pointerText().isEmpty());
        QVERIFY(w->grab().save(folder + "sweep-pointer" + tag + ".png"));
        Nasa7ExportDialog dialog("water", w.get());
        QLineEdit& formula = dialog.formulaField();
        QCOMPARE(formula.text() + "|" + dialog.message(), "|No formula entered");
        QVERIFY(!dialog.okButton().isEnabled());
        QTest::keyClicks(&formula, "h2o");
        QCOMPARE(dialog.message(),
                 "Invalid formula: an element symbol is a capital letter and an "
                 "optional small one");
        QVERIFY(!dialog.okButton().isEnabled());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.grab().save(folder + "nasa7-dialog" + tag + ".png"));
        formula.clear();
        QTest::keyClicks(&formula, "C2H6");
        QCOMPARE(dialog.message(), "");
        QVERIFY(dialog.okButton().isEnabled());
    }
};

}  // namespace moltherm::gui

QTEST_MAIN(moltherm::gui::SweepWindowTest)
#include "sweep_window_test.moc"
