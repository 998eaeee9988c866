#include "LocalClock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include "UiServices.h"

namespace tavmir::gui {

std::string longDateText() {
    return toCore(QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat));
}

std::string longTimeText() {
    return toCore(QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat));
}

}  // namespace tavmir::gui
