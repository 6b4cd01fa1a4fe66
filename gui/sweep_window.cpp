#include "gui/sweep_window.h"

#include <utility>

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSaveFile>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "calc/nasa7_export.h"
#include "calc/number_text.h"
#include "calc/sweep_text.h"
#include "gui/chart_plot_view.h"
#include "gui/sweep_print.h"

namespace moltherm::gui {

namespace {

constexpr int kStatusMilliseconds = 5000;

QString Capitalised(const char* text) {
    QString s = QString::fromUtf8(text);
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

// The whole text or nothing: a file that cannot be written keeps what it held.
bool WriteWhole(const QString& path, const std::string& text) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size()) &&
           file.commit();
}

QLineEdit* AddField(QHBoxLayout& row, const QString& label, double value, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(value), parent);
    auto* caption = new QLabel(label, parent);
    caption->setBuddy(field);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    row.addWidget(caption);
    row.addWidget(field);
    row.addSpacing(12);
    return field;
}

}  // namespace

SweepWindow::SweepWindow(Molecule molecule, const ThermoOptions& options, std::string name,
                         QWidget* parent, const PhysicalConstants& constants)
    : QMainWindow(parent),
      molecule_(std::move(molecule)),
      options_(options),
      name_(std::move(name)),
      constants_(constants),
      model_(this) {
    setWindowTitle(
        QStringLiteral("%1 \u2014 Temperature Sweep").arg(QString::fromStdString(name_)));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* fields = new QHBoxLayout;
    const TemperatureRange defaults;
    tmin_ = AddField(*fields, tr("T&min [K]"), defaults.tmin, central);
    tmax_ = AddField(*fields, tr("Tm&ax [K]"), defaults.tmax, central);
    step_ = AddField(*fields, tr("S&tep [K]"), defaults.step, central);
    fields->addStretch();
    quantity_ = new QComboBox(central);
    for (const SweepQuantity quantity : kPlotted)
        quantity_->addItem(
            QStringLiteral("%1 [%2]").arg(QString::fromUtf8(SweepQuantityLabel(quantity)),
                                          QString::fromUtf8(SweepQuantityUnit(quantity))));
    auto* quantityCaption = new QLabel(tr("&Plot"), central);
    quantityCaption->setBuddy(quantity_);
    fields->addWidget(quantityCaption);
    fields->addWidget(quantity_);
    layout->addLayout(fields);

    message_ = new QLabel(central);
    message_->setStyleSheet(QStringLiteral("color: #b00020;"));
    message_->setMinimumHeight(message_->fontMetrics().height());
    layout->addWidget(message_);

    auto* splitter = new QSplitter(Qt::Vertical, central);
    auto* chart = new ChartPlotView(splitter);
    plot_ = chart;
    tableView_ = new QTableView(splitter);
    tableView_->setModel(&model_);
    tableView_->verticalHeader()->hide();
    tableView_->setAlternatingRowColors(true);
    tableView_->verticalHeader()->setDefaultSectionSize(tableView_->fontMetrics().height() + 6);
    tableView_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    splitter->addWidget(chart);
    splitter->addWidget(tableView_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({480, 280});
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    buildMenu();
    for (QLineEdit* field : {tmin_, tmax_, step_})
        connect(field, &QLineEdit::editingFinished, this, &SweepWindow::recompute);
    connect(quantity_, &QComboBox::currentIndexChanged, this, &SweepWindow::redrawPlot);

    recompute();
    tableView_->resizeColumnsToContents();
    resize(1100, 780);
}

void SweepWindow::buildMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("Export Table as &CSV\u2026"), this, &SweepWindow::chooseFileAndExportCsv);
    file->addAction(tr("Export Plot as P&NG\u2026"), this,
                    [this] { chooseFileAndExportPlot(PlotFileFormat::kPng); });
    file->addAction(tr("Export Plot as &SVG\u2026"), this,
                    [this] { chooseFileAndExportPlot(PlotFileFormat::kSvg); });
    file->addAction(tr("Export Plot as P&DF\u2026"), this,
                    [this] { chooseFileAndExportPlot(PlotFileFormat::kPdf); });
    file->addSeparator();
    nasa7Action_ = file->addAction(tr("Export &NASA-7\u2026"), this, [this] {
        if (!nasa7Dialogs_) return;
        if (const auto choice = nasa7Dialogs_(this, name_))
            exportNasa7(choice->request, choice->path);
    });
    nasa7Action_->setEnabled(false);
    file->addSeparator();
    file->addAction(tr("&Print\u2026"), QKeySequence::Print, this, [this] { print(); });
    file->addSeparator();
    file->addAction(tr("&Close"), QKeySequence::Close, this, &QWidget::close);
}

void SweepWindow::setNasa7Dialogs(Nasa7Dialogs dialogs) {
    nasa7Dialogs_ = std::move(dialogs);
    nasa7Action_->setEnabled(static_cast<bool>(nasa7Dialogs_));
}

QString SweepWindow::message() const {
    return message_->text();
}

void SweepWindow::showMessage(const QString& text) {
    message_->setText(text);
}

std::optional<QString> SweepWindow::refuse(const QString& failure) {
    showMessage(failure);
    commandFailure_ = failure;
    return failure;
}

void SweepWindow::succeed(const QString& status) {
    if (message() == commandFailure_) showMessage({});
    statusBar()->showMessage(status, kStatusMilliseconds);
}

void SweepWindow::recompute() {
    TemperatureRange range;
    const std::pair<QLineEdit*, double*> fields[] = {
        {tmin_, &range.tmin}, {tmax_, &range.tmax}, {step_, &range.step}};
    const QString names[] = {QStringLiteral("Tmin"), QStringLiteral("Tmax"),
                             QStringLiteral("step")};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const auto value = ParseNumber(fields[i].first->text().toStdString());
        if (!value) return showMessage(QStringLiteral("Invalid %1").arg(names[i]));
        *fields[i].second = *value;
    }
    auto rows = ComputeSweep(constants_, molecule_, options_, range);
    if (!rows) return showMessage(QString::fromStdString(rows.error()));
    showMessage({});
    model_.setRows(std::move(*rows));
    redrawPlot();
}

void SweepWindow::redrawPlot() {
    const SweepQuantity quantity = kPlotted[std::max(0, quantity_->currentIndex())];
    PlotContent content{QStringLiteral("T"),
                        QStringLiteral("K"),
                        QString::fromUtf8(SweepQuantityLabel(quantity)),
                        QString::fromUtf8(SweepQuantityUnit(quantity)),
                        {}};
    for (std::size_t p = 0; p < kSweepPartCount; ++p) {
        const auto part = static_cast<SweepPart>(p);
        PlotCurve curve{Capitalised(SweepPartName(part)), {}, part == SweepPart::kTotal};
        curve.points.reserve(static_cast<qsizetype>(model_.rows().size()));
        for (const SweepRow& row : model_.rows())
            curve.points.append(QPointF(row.temperature, row[part][quantity]));
        content.curves.push_back(std::move(curve));
    }
    plot_->setContent(content);
}

std::optional<QString> SweepWindow::exportCsv(const QString& path) {
    if (!WriteWhole(path, SweepCsv(model_.rows())))
        return refuse(QStringLiteral("Could not write %1").arg(path));
    succeed(tr("Wrote %1").arg(path));
    return std::nullopt;
}

std::optional<QString> SweepWindow::exportNasa7(const Nasa7Request& request, const QString& path) {
    const auto text = Nasa7ExportText(constants_, molecule_, options_, name_, request);
    if (!text) return refuse(QString::fromStdString(text.error()));
    if (!WriteWhole(path, *text)) return refuse(QStringLiteral("Could not write %1").arg(path));
    succeed(tr("Wrote %1").arg(path));
    return std::nullopt;
}

std::optional<QString> SweepWindow::exportPlot(const QString& path, PlotFileFormat format) {
    if (auto failure = ExportPlot(*plot_, path, format, windowTitle())) return refuse(*failure);
    succeed(tr("Wrote %1").arg(path));
    return std::nullopt;
}

std::optional<QString> SweepWindow::print() {
    const std::string heading = "Temperature sweep of " + name_ + ", Tr = 298.15 K";
    if (auto failure = PrintSweep(*plot_, heading, SweepPrintedText(model_.rows())))
        return refuse(QString::fromStdString(*failure));
    succeed(tr("Printed"));
    return std::nullopt;
}

void SweepWindow::chooseFileAndExportCsv() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Table as CSV"),
                                                      QString::fromStdString(name_) + "-sweep.csv",
                                                      tr("CSV files (*.csv)"));
    if (!path.isEmpty()) exportCsv(path);
}

void SweepWindow::chooseFileAndExportPlot(PlotFileFormat format) {
    static const char* const kSuffixes[] = {"png", "svg", "pdf"};
    const QString suffix = QString::fromLatin1(kSuffixes[static_cast<int>(format)]);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Plot as %1").arg(suffix.toUpper()),
        QStringLiteral("%1-sweep.%2").arg(QString::fromStdString(name_), suffix),
        tr("%1 files (*.%2)").arg(suffix.toUpper(), suffix));
    if (!path.isEmpty()) exportPlot(path, format);
}

SweepWindow* OpenSweepWindow(QWidget* parent, const Molecule& molecule,
                             const ThermoOptions& options, const std::string& name) {
    auto* window = new SweepWindow(molecule, options, name, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setNasa7Dialogs(AskNasa7Choice);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace moltherm::gui
