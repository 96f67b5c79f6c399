#pragma once

#include <QIcon>
#include <QString>

#include <optional>

// The tray icon for a StatusNotifierItem panel. Qt's item sends an icon's
// pixels, about 18 KB in several sizes, each time the panel asks again, and
// the panel asks again at every new tooltip: once a second while counting.
// Given by its installed theme name instead, the item carries only the name,
// while an XEMBED tray still paints the same pixels from this icon.
// Nothing back when no icon theme has the program's icon (a build run where it
// was built): the pixels are sent as before.
std::optional<QIcon> themeNamedIcon(const QIcon& pixels, const QString& themeName);

// Whether an icon theme the desktop searches holds the named application icon.
bool iconThemeHas(const QString& themeName);
