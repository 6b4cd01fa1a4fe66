#include "gui/option_button.h"

#include <QEvent>

namespace moltherm::gui {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    // The model keeps the two buttons exclusive; Qt's own grouping would fight it.
    setAutoExclusive(false);
    connect(this, &QAbstractButton::clicked, this, &OptionButton::chosen);
}

bool OptionButton::event(QEvent* event) {
    // Qt would answer the access key with a delayed animated click; the model acts at once.
    if (event->type() == QEvent::Shortcut) {
        emit accessKeyPressed();
        return true;
    }
    return QRadioButton::event(event);
}

}  // namespace moltherm::gui
