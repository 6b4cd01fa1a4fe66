#include "gui/default_font.h"

#include "gui/monospaced_font.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace moltherm::gui {

namespace {

constexpr qreal kSmallestPoints = 6.0;
constexpr qreal kStepPoints = 0.25;

QString VisibleText(const QString& caption) {
    QString text = caption;
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

bool Fits(const QFont& font, const CaptionRoom& room) {
    const QFontMetrics metrics(font);
    return NeededWidth(font, room) <= room.width && metrics.height() <= room.height;
}

}  // namespace

int NeededWidth(const QFont& font, const CaptionRoom& room) {
    const QFontMetrics metrics(font);
    const int text = metrics.horizontalAdvance(VisibleText(room.caption));
    const QStyle* style = QApplication::style();
    switch (room.kind) {
        case CaptionRoom::Kind::Label:
            return text;
        case CaptionRoom::Kind::Button:
            // The bevel and a little air on either side of the text.
            return text + style->pixelMetric(QStyle::PM_ButtonMargin) + 4;
        case CaptionRoom::Kind::Option:
            return text + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 2;
        case CaptionRoom::Kind::FrameTitle:
            // The frame's line starts a few pixels in and ends before the right edge.
            return text + 16;
    }
    return text;
}

QFont ChooseDefaultFont(const std::vector<CaptionRoom>& rooms, const QStringList& families,
                        qreal largestPoints) {
    QFont font = QApplication::font();
    for (const QString& family : families) {
        if (IsFontInstalled(family)) {
            font.setFamily(family);
            break;
        }
    }
    for (qreal points = largestPoints; points >= kSmallestPoints; points -= kStepPoints) {
        font.setPointSizeF(points);
        const bool allFit = std::all_of(rooms.begin(), rooms.end(),
                                        [&](const CaptionRoom& r) { return Fits(font, r); });
        if (allFit) return font;
    }
    font.setPointSizeF(kSmallestPoints);
    return font;
}

QStringList PreferredDialogFamilies() {
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")};
}

}  // namespace moltherm::gui
