#pragma once

#include <QIcon>

// The bank-building icon of the windows and the tray at the sizes they draw:
// one icon, built once from pixels compiled into the program.
QIcon programIcon();
