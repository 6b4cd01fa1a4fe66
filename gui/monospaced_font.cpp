#include "gui/monospaced_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace moltherm::gui {

bool IsTypewriterFamily(const QString& family) {
    return family.startsWith(QLatin1String("courier"), Qt::CaseInsensitive);
}

bool IsFontInstalled(const QString& family) {
    // Qt names a family found at several foundries "Family [foundry]".
    const QString found = QFontInfo(QFont(family)).family();
    return found.compare(family, Qt::CaseInsensitive) == 0 ||
           found.startsWith(family + QLatin1String(" ["), Qt::CaseInsensitive);
}

QFont MonospacedFont(const QString& family, qreal pointSize) {
    static const QStringList kCourierLookalikes = {
        QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
        QStringLiteral("Nimbus Mono PS"), QStringLiteral("Nimbus Mono L"),
        QStringLiteral("Courier")};
    QFont font(family);
    if (IsTypewriterFamily(family) && !IsFontInstalled(family)) {
        for (const QString& candidate : kCourierLookalikes) {
            if (IsFontInstalled(candidate)) {
                font.setFamily(candidate);
                break;
            }
        }
    }
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (QFontInfo(font).fixedPitch()) return font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setPointSizeF(pointSize);
    fallback.setFixedPitch(true);
    return fallback;
}

}  // namespace moltherm::gui
