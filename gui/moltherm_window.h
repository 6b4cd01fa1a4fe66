#pragma once

#include "app/frm_moltherm.h"
#include "gui/form_view.h"
#include "gui/main_menu.h"
#include "gui/print_failure_tip.h"
#include "gui/qt_clock.h"
#include "gui/qt_printer.h"

namespace moltherm::gui {

// The running program's window: the model frmMoltherm on the system's clock (or the one given,
// which must outlive the window) and default printer, and the view that shows it. Needs a
// QApplication prepared by PrepareApplication.
class MolthermWindow {
  public:
    explicit MolthermWindow(const Clock* clock = nullptr)
        : form_(clock ? *clock : clock_, printer_) {
        connectMenu();
    }
    MolthermWindow(const MolthermWindow&) = delete;
    MolthermWindow& operator=(const MolthermWindow&) = delete;

    app::frmMoltherm& form() { return form_; }
    FormView& view() { return view_; }
    MainMenu& menu() { return menu_; }

    // Opens a molecule file or a quantum-chemistry output into the boxes, as File → Open does.
    void openFile(const QString& path);

  private:
    void connectMenu();

    QtClock clock_;
    QtPrinter printer_;
    app::frmMoltherm form_;
    FormView view_{form_};
    MainMenu menu_{view_};  // its bar belongs to the view
    PrintFailureTip tip_{form_, view_, printer_};
};

// The application-wide settings the window is drawn for: the Fusion style, whose spinner
// arrows the window relies on, the program's icon and names.
void PrepareApplication();

}  // namespace moltherm::gui
