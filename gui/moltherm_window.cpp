#include "gui/moltherm_window.h"

#include <QApplication>
#include <QIcon>

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

}  // namespace moltherm::gui
