#include "gui/moltherm_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QIcon>

#include "app/molecule_file_commands.h"
#include "gui/sweep_window.h"
#include "gui/thermo_options_dialog.h"

namespace moltherm::gui {

void PrepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    // No display name: Qt would append it to every title the window system shows, and the
    // title is the caption alone.
    QApplication::setApplicationName(QStringLiteral("moltherm"));
    QGuiApplication::setDesktopFileName(QStringLiteral("moltherm"));
    QIcon icon(QStringLiteral(":/moltherm/moltherm.png"));
    QApplication::setWindowIcon(icon);
}

void MolthermWindow::openFile(const QString& path) {
    view_.runModel([&] { app::OpenMoleculeFile(form_, path.toStdString()); });
}

void MolthermWindow::connectMenu() {
    menu_.openFile = [this] {
        const QString path = QFileDialog::getOpenFileName(
            &view_, QObject::tr("Open"), {},
            QObject::tr("Molecules and outputs (*.json *.log *.out *.molden *.hess *.txt);;"
                        "All files (*)"));
        if (!path.isEmpty()) openFile(path);
    };
    menu_.saveMolecule = [this] {
        const QString path = QFileDialog::getSaveFileName(&view_, QObject::tr("Save Molecule As"),
                                                          {}, QObject::tr("Molecules (*.json)"));
        if (!path.isEmpty())
            view_.runModel([&] { app::SaveMoleculeFile(form_, path.toStdString()); });
    };
    menu_.editOptions = [this] {
        ThermoOptions options = form_.options();
        if (EditThermoOptions(&view_, options)) form_.setOptions(options);
    };
    menu_.optionsDiffer = [this] { return !form_.options().isDefault(); };
    // The molecule in the boxes, read with the checks of "Calc"; a refusal shows in this
    // window's error box.
    menu_.openSweepWindow = [this] {
        view_.runModel([&] {
            const auto described = app::MoleculeInBoxes(form_);
            if (!described) {
                form_.ShowError(described.error());
                return;
            }
            const MoleculeDescription& d = *described;
            Molecule m;
            m.atoms = d.atoms;
            m.molarMass = d.molarMass;
            m.shape = d.shape;
            m.sigma = d.sigma;
            m.rotationalConstants = d.rotationalConstants;
            m.modes = d.modes;
            m.levels = d.levels;
            OpenSweepWindow(&view_, m, form_.options(), d.name);
        });
    };
    QObject::connect(&view_, &FormView::fileDropped, &view_,
                     [this](const QString& path) { openFile(path); });
    menu_.refresh();
}

}  // namespace moltherm::gui
