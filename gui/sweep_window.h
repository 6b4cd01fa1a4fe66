#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>

#include "calc/sweep.h"
#include "engine/constants.h"
#include "engine/molecule.h"
#include "engine/options.h"
#include "gui/nasa7_export_dialog.h"
#include "gui/plot_export.h"
#include "gui/plot_view.h"
#include "gui/sweep_table_model.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace moltherm::gui {

// The temperature sweep of one molecule: the range's fields, the quantity to plot, the plot
// (a line per contribution and the total) and the table of every quantity. Editing a field
// recomputes; a refused range shows its message and leaves table and plot as they were.
class SweepWindow final : public QMainWindow {
    Q_OBJECT

  public:
    // Asks what "Export NASA-7…" needs for the molecule named `name`, with `parent` as the
    // dialogs' parent; nothing when the person cancels.
    using Nasa7Dialogs =
        std::function<std::optional<Nasa7Choice>(QWidget* parent, const std::string& name)>;

    SweepWindow(Molecule molecule, const ThermoOptions& options, std::string name,
                QWidget* parent = nullptr, const PhysicalConstants& constants = {});

    // The dialogs of "Export NASA-7…"; the action stays disabled while none are set.
    void setNasa7Dialogs(Nasa7Dialogs dialogs);

    // The menu's commands once the file is chosen; each returns its one-line failure, which
    // the window also shows until a command succeeds or the range is edited.
    std::optional<QString> exportCsv(const QString& path);
    // The window's molecule and options fitted as calc/nasa7_export.h says; nothing is written
    // on a refusal.
    std::optional<QString> exportNasa7(const Nasa7Request& request, const QString& path);
    std::optional<QString> exportPlot(const QString& path, PlotFileFormat format);
    std::optional<QString> print();

    // The parts a test or the caller looks at.
    QLineEdit& tminField() { return *tmin_; }
    QLineEdit& tmaxField() { return *tmax_; }
    QLineEdit& stepField() { return *step_; }
    QComboBox& quantityBox() { return *quantity_; }
    const SweepTableModel& table() const { return model_; }
    QTableView& tableView() { return *tableView_; }
    PlotView& plot() { return *plot_; }
    QString message() const;
    QAction& nasa7Action() { return *nasa7Action_; }

    // The quantities the plot can show, in the selector's order.
    static constexpr SweepQuantity kPlotted[] = {SweepQuantity::kCp, SweepQuantity::kS,
                                                 SweepQuantity::kHMinusHRef};

  private:
    void buildMenu();
    void recompute();
    void redrawPlot();
    void showMessage(const QString& text);
    // A command's failure in the message area, or its success in the status bar.
    std::optional<QString> refuse(const QString& failure);
    void succeed(const QString& status);
    void chooseFileAndExportCsv();
    void chooseFileAndExportPlot(PlotFileFormat format);

    Molecule molecule_;
    ThermoOptions options_;
    std::string name_;
    PhysicalConstants constants_;
    Nasa7Dialogs nasa7Dialogs_;
    QString commandFailure_;  // the failure of a command that the message area shows

    SweepTableModel model_;
    QLineEdit* tmin_;
    QLineEdit* tmax_;
    QLineEdit* step_;
    QComboBox* quantity_;
    QLabel* message_;
    PlotView* plot_;
    QTableView* tableView_;
    QAction* nasa7Action_ = nullptr;
};

// Opens the sweep window of a molecule as a window of its own (deleted when closed) over
// `parent`, computed over the default range, with its NASA-7 export, and returns it.
SweepWindow* OpenSweepWindow(QWidget* parent, const Molecule& molecule,
                             const ThermoOptions& options, const std::string& name);

}  // namespace moltherm::gui
