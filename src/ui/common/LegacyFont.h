#pragma once

#include <QFont>
#include <QString>

// The window layouts name fonts of another desktop; these are their metric
// twins from fonts-liberation, at the same point sizes.
namespace LegacyFont {
inline QFont make(const QString& family, QFont::StyleHint hint, qreal points, bool bold)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Said outright, as fitting a text to its box does: a font left at "any
    // width" is a second font to load for the same face and size.
    font.setStretch(QFont::Unstretched);
    return font;
}

// "MS Sans Serif"
inline QFont sansSerif(qreal points, bool bold = false)
{
    return make(QStringLiteral("Liberation Sans"), QFont::SansSerif, points, bold);
}

// "Courier New"
inline QFont monospace(qreal points, bool bold = false)
{
    return make(QStringLiteral("Liberation Mono"), QFont::Monospace, points, bold);
}
} // namespace LegacyFont
