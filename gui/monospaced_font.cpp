#include "gui/monospaced_font.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace moltherm::gui {

bool IsTypewriterFamily(const QString& family) {
    return family.startsWith(QLatin1String("courier"), Qt::CaseInsensitive);
}

QFont MonospacedFont(const QString& family, qreal pointSize) {
    QFont font(family);
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
