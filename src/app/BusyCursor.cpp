#include "app/BusyCursor.h"

#include <QApplication>

namespace vindel {

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace vindel
