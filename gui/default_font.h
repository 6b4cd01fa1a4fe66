#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <vector>

namespace moltherm::gui {

// A caption and the room its control gives it, in device-independent pixels.
struct CaptionRoom {
    enum class Kind { Label, Button, Option, FrameTitle };
    Kind kind;
    QString caption;  // may hold an access-key ampersand
    int width;
    int height;
};

// The width of a caption in a font, as its control needs it: the text itself, plus the
// button's bevel or the option's indicator.
int NeededWidth(const QFont& font, const CaptionRoom& room);

// The window's default font: the first installed family of `families` (else the
// application's font), at the largest size from `largestPoints` down, in quarter points, at
// which every caption fits its control.
QFont ChooseDefaultFont(const std::vector<CaptionRoom>& rooms, const QStringList& families,
                        qreal largestPoints);

// Sans-serif faces with the metrics the window's captions were laid out for, best first.
QStringList PreferredDialogFamilies();

}  // namespace moltherm::gui
