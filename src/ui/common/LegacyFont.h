#pragma once

#include <QFont>
#include <QString>

// The window layouts name fonts of another desktop; these are their metric
// twins from fonts-liberation, at the same point sizes.
namespace LegacyFont {
inline QFont sansSerif(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QFont monospace(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
} // namespace LegacyFont
