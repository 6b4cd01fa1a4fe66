#include "gui/qt_clock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace moltherm::gui {

std::string QtClock::dateText() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtClock::timeText() const {
    return QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat).toStdString();
}

}  // namespace moltherm::gui
