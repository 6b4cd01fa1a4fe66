#include "gui/moltherm_window.h"

#include <QApplication>
#include <QIcon>

namespace moltherm::gui {

void PrepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("moltherm"));
    QApplication::setApplicationDisplayName(QStringLiteral("Moltherm"));
    QGuiApplication::setDesktopFileName(QStringLiteral("moltherm"));
    QIcon icon(QStringLiteral(":/moltherm/moltherm.png"));
    QApplication::setWindowIcon(icon);
}

}  // namespace moltherm::gui
