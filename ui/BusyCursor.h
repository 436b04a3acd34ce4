#pragma once
// The wait cursor while a window does something the user has to wait for
// without a progress window: decoding a large scan, rendering a PDF page at a
// high resolution. Restored when the scope ends, whichever way it ends.

#include <QGuiApplication>

namespace tracol {

class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace tracol
