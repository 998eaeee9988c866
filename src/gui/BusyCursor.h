// Shows the busy pointer for the life of the object, so every way out restores the normal one.
#pragma once

#include <QApplication>

namespace tavmir::gui {

class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace tavmir::gui
