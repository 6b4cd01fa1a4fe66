#pragma once

#include "app/form_observer.h"
#include "app/frm_moltherm.h"
#include "gui/form_view.h"
#include "gui/qt_printer.h"

namespace moltherm::gui {

// While the error box shows the short message of a failed print, its tooltip gives the
// printer's full reason; any other message has no tooltip.
class PrintFailureTip final : private app::FormObserver {
  public:
    PrintFailureTip(app::frmMoltherm& form, const FormView& view, const QtPrinter& printer);
    ~PrintFailureTip() override;
    PrintFailureTip(const PrintFailureTip&) = delete;
    PrintFailureTip& operator=(const PrintFailureTip&) = delete;

  private:
    void propertyChanged(const app::Control& control, app::ControlProperty property) override;

    app::frmMoltherm& form_;
    const FormView& view_;
    const QtPrinter& printer_;
};

}  // namespace moltherm::gui
