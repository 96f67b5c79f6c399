#pragma once

#include <QCursor>

// The program's own pointers, from pixels compiled into it.
namespace Cursors {
QCursor hand();  // hot spot at the fingertip (12, 1)
QCursor ibeam(); // hot spot at (6, 25)
} // namespace Cursors
