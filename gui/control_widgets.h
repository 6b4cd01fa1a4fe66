#pragma once

#include <QWidget>

#include "app/control.h"

namespace moltherm::gui {

// The Qt widget that draws one kind of control: a captioned group box for a frame, a label,
// a line edit (a plain-text edit when multi-line), a push button, an option button or a
// spinner bar.
QWidget* CreateControlWidget(const app::Control& control, QWidget* parent);

// Shows one property of the control on its widget. Geometry is converted from twips.
void ShowProperty(QWidget* widget, const app::Control& control, app::ControlProperty property);

// Shows every property, the font, colours and alignment included: for a new widget.
void ShowControl(QWidget* widget, const app::Control& control);

// The text of a text box as the widget shows it: Qt keeps one line break where the report
// has CR LF.
QString ShownText(const std::string& text);

}  // namespace moltherm::gui
