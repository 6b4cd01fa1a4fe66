#pragma once

#include <QFont>
#include <QString>

namespace moltherm::gui {

// The named font at the given size. Where the family is a typewriter face ("courier",
// "Courier New") and no such font is installed, the closest installed fixed-pitch font takes
// its place, so that report columns still line up.
QFont MonospacedFont(const QString& family, qreal pointSize);

// Whether a family name asks for a typewriter face.
bool IsTypewriterFamily(const QString& family);

}  // namespace moltherm::gui
