#include "platform/tray/ThemeNamedIcon.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QIcon twoSizes()
{
    QIcon icon;
    for (const int side : {16, 22}) {
        QPixmap pixels(side, side);
        pixels.fill(side == 16 ? Qt::red : Qt::darkGreen);
        icon.addPixmap(pixels);
    }
    return icon;
}

QImage painted(const QIcon& icon)
{
    QImage image(22, 22, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    return image;
}

// With the desktop's data folders in a folder of the test's own: only an installed
// icon goes to the notifier panel by name, and it still paints the same pixels.
TEST(ThemeNamedIcon, AnInstalledIconGoesToTheNotifierPanelByNameAndStillPaintsTheSamePixels)
{
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    qputenv("XDG_DATA_DIRS", data.filePath(QStringLiteral("none")).toUtf8());
    const QIcon original = twoSizes();
    EXPECT_FALSE(themeNamedIcon(original, QStringLiteral("earnmeter")).has_value()) << "not installed";
    const QString apps = data.filePath(QStringLiteral("icons/hicolor/scalable/apps"));
    ASSERT_TRUE(QDir().mkpath(apps));
    QFile svg(apps + QStringLiteral("/earnmeter.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    EXPECT_FALSE(themeNamedIcon(QIcon(), QStringLiteral("earnmeter")).has_value()) << "no pixels to stand for";
    EXPECT_FALSE(themeNamedIcon(original, QStringLiteral("another")).has_value());
    const std::optional<QIcon> named = themeNamedIcon(original, QStringLiteral("earnmeter"));
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_DIRS");
    ASSERT_TRUE(named.has_value());
    // Qt's notifier item sends no pixels for an icon that reports itself empty.
    EXPECT_TRUE(named->isNull());
    EXPECT_EQ(named->name(), QStringLiteral("earnmeter"));
    EXPECT_EQ(named->availableSizes(), original.availableSizes());
    for (const int side : {16, 22})
        EXPECT_EQ(named->pixmap(side, side).toImage(), original.pixmap(side, side).toImage()) << side;
    EXPECT_EQ(painted(*named), painted(original)) << "an XEMBED tray paints it";
}

} // namespace
