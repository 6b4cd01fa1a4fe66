#include "gui/print_failure_tip.h"

namespace moltherm::gui {

PrintFailureTip::PrintFailureTip(app::frmMoltherm& form, const FormView& view,
                                 const QtPrinter& printer)
    : form_(form), view_(view), printer_(printer) {
    form_.addObserver(this);
}

PrintFailureTip::~PrintFailureTip() {
    form_.removeObserver(this);
}

void PrintFailureTip::propertyChanged(const app::Control& control, app::ControlProperty property) {
    // The box is shown before its text is set: both changes look at the text it then holds.
    if (control.id.name != app::ControlName::txtError ||
        (property != app::ControlProperty::Text && property != app::ControlProperty::Visible))
        return;
    QWidget* box = view_.widgetFor(control.id);
    const auto& failure = printer_.lastFailure();
    if (box)
        box->setToolTip(failure && failure->message == control.text ? failure->reason : QString());
}

}  // namespace moltherm::gui
