#pragma once

#include <QProxyStyle>

// The desktop's own style, except that the icon of a menu bar's overflow button
// is read when that button is first drawn rather than when the menu bar is built.
// Reading any picture file makes Qt load and ask every image-format plugin it
// finds (gif, ico, jpeg, svg and their libraries), and the working windows' menus
// always fit their bars, so the button is seldom if ever drawn.
class DeferredIconStyle final : public QProxyStyle
{
public:
    explicit DeferredIconStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override;
};
