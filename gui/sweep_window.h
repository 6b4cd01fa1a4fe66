#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>

#include "calc/sweep.h"
#include "engine/constants.h"
#include "engine/molecule.h"
#include "engine/options.h"
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
    // Writes the molecule's NASA-7 polynomials, asking what it needs with `parent` as the
    // dialogs' parent.
    using Nasa7Export = std::function<void(QWidget* parent, const Molecule& molecule,
                                           const ThermoOptions& options, const std::string& name)>;

    SweepWindow(const Molecule& molecule, const ThermoOptions& options, const std::string& name,
                QWidget* parent = nullptr, const PhysicalConstants& constants = {});

    // The work behind "Export NASA-7…"; the action stays disabled while none is set.
    void setNasa7Export(Nasa7Export exportNasa7);

    // The menu's commands once the file is chosen; each returns its one-line failure, which
    // the window also shows.
    std::optional<QString> exportCsv(const QString& path);
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
    void chooseFileAndExportCsv();
    void chooseFileAndExportPlot(PlotFileFormat format);

    Molecule molecule_;
    ThermoOptions options_;
    std::string name_;
    PhysicalConstants constants_;
    Nasa7Export exportNasa7_;

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
// `parent`, computed over the default range, and returns it.
SweepWindow* OpenSweepWindow(QWidget* parent, const Molecule& molecule,
                             const ThermoOptions& options, const std::string& name);

}  // namespace moltherm::gui
