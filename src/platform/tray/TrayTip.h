#pragma once

#include <QString>

// The tray keeps a tip in a field of 64 characters that ends with a NUL where
// there is room for one: a text of up to 63 characters stays whole, a longer
// one keeps its first 64. Characters are code points; a pair of surrogates is
// never split.
inline constexpr int TrayTipLength = 64;

QString trayTip(const QString& text);
