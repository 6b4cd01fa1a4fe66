#include "gui/control_widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/monospaced_font.h"
#include "gui/option_button.h"
#include "gui/spinner_bar.h"
#include "gui/twips.h"

namespace moltherm::gui {

using app::Control;
using app::ControlKind;
using app::ControlProperty;

namespace {

QWidget* CreateTextBox(const Control& control, QWidget* parent) {
    if (!control.multiLine) return new QLineEdit(parent);
    auto* box = new QPlainTextEdit(parent);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(control.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    return box;
}

void ShowText(QWidget* widget, const Control& control) {
    const QString text = QString::fromStdString(control.text);
    switch (control.kind) {
        case ControlKind::Frame:
            static_cast<QGroupBox*>(widget)->setTitle(text);
            break;
        case ControlKind::Label:
            static_cast<QLabel*>(widget)->setText(text);
            break;
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
            static_cast<QAbstractButton*>(widget)->setText(text);
            break;
        case ControlKind::TextBox:
            // Only a real change is applied, so that typing keeps its cursor. A text set by the
            // program shows from its start, even where it is wider than the box.
            if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                if (line->text() != text) {
                    line->setText(text);
                    line->setCursorPosition(0);
                }
            } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
                const QString shown = ShownText(control.text);
                if (box->toPlainText() != shown) box->setPlainText(shown);
            }
            break;
        case ControlKind::Spinner:
            break;
    }
}

void ShowLocked(QWidget* widget, const Control& control) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setReadOnly(control.locked);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        box->setReadOnly(control.locked);
        // A locked box can still be read with the keyboard and keeps the focus.
        if (control.locked)
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setFocusPolicy(Qt::StrongFocus);
    }
}

QFont ControlFont(const app::Font& font) {
    QFont qt = IsTypewriterFamily(QString::fromStdString(font.name))
                   ? MonospacedFont(QString::fromStdString(font.name), font.sizePoints)
                   : QFont(QString::fromStdString(font.name));
    qt.setPointSizeF(font.sizePoints);
    qt.setBold(font.bold);
    return qt;
}

QColor ToQColor(const app::Color& color) {
    return QColor(color.red, color.green, color.blue);
}

}  // namespace

QString ShownText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QWidget* CreateControlWidget(const Control& control, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::Frame:
            widget = new QGroupBox(parent);
            widget->setFocusPolicy(Qt::NoFocus);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::TextBox:
            widget = CreateTextBox(control, parent);
            break;
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            widget = button;
            break;
        }
        case ControlKind::OptionButton:
            widget = new OptionButton(parent);
            break;
        case ControlKind::Spinner:
            widget = new SpinnerBar(parent);
            break;
    }
    return widget;
}

void ShowProperty(QWidget* widget, const Control& control, ControlProperty property) {
    switch (property) {
        case ControlProperty::Left:
        case ControlProperty::Top:
        case ControlProperty::Width:
        case ControlProperty::Height:
            widget->setGeometry(TwipsToPixels(control.left), TwipsToPixels(control.top),
                                TwipsToPixels(control.width), TwipsToPixels(control.height));
            break;
        case ControlProperty::Text:
            ShowText(widget, control);
            break;
        case ControlProperty::Visible:
            widget->setVisible(control.visible);
            break;
        case ControlProperty::Enabled:
            widget->setEnabled(control.enabled);
            break;
        case ControlProperty::Locked:
            ShowLocked(widget, control);
            break;
        case ControlProperty::Value:
            if (auto* spinner = qobject_cast<SpinnerBar*>(widget))
                spinner->showValue(control.value);
            break;
        case ControlProperty::Selected:
            if (auto* option = qobject_cast<QAbstractButton*>(widget))
                option->setChecked(control.selected);
            break;
    }
}

void ShowControl(QWidget* widget, const Control& control) {
    if (control.font) widget->setFont(ControlFont(*control.font));
    if (control.backColor || control.foreColor) {
        QPalette palette = widget->palette();
        if (control.backColor) palette.setColor(QPalette::Base, ToQColor(*control.backColor));
        if (control.foreColor) palette.setColor(QPalette::Text, ToQColor(*control.foreColor));
        widget->setPalette(palette);
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setAlignment(control.alignment == app::TextAlignment::Center ? Qt::AlignCenter
                                                                           : Qt::AlignLeft);
    }
    for (ControlProperty property :
         {ControlProperty::Left, ControlProperty::Text, ControlProperty::Enabled,
          ControlProperty::Locked, ControlProperty::Value, ControlProperty::Selected,
          ControlProperty::Visible})
        ShowProperty(widget, control, property);
}

}  // namespace moltherm::gui
