#pragma once

#include <QFont>
#include <QString>

namespace moltherm::gui {

// The named font at the given size. Where the family is a typewriter face ("courier",
// "Courier New") and no such font is installed, a face drawn to Courier's metrics takes its
// place, else the closest installed fixed-pitch font, so that report columns still line up.
QFont MonospacedFont(const QString& family, qreal pointSize);

// Whether a family name asks for a typewriter face.
bool IsTypewriterFamily(const QString& family);

// Whether a font of exactly that family is installed (not merely a substitute for it).
bool IsFontInstalled(const QString& family);

}  // namespace moltherm::gui
