#pragma once
// The wait cursor for the length of a long operation (a file read or
// written, a page rendered).

#include <QApplication>
#include <QCursor>

namespace vex {

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace vex
