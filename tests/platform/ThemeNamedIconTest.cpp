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

// The desktop's data folders, pointed at a folder of the test's own.
struct ThemeNamedIconTest : testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(data.isValid());
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        qputenv("XDG_DATA_DIRS", data.filePath(QStringLiteral("none")).toUtf8());
    }
    void TearDown() override
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }
    void install() const
    {
        const QString apps = data.filePath(QStringLiteral("icons/hicolor/scalable/apps"));
        ASSERT_TRUE(QDir().mkpath(apps));
        QFile svg(apps + QStringLiteral("/earnmeter.svg"));
        ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    }

    QTemporaryDir data;
};

TEST_F(ThemeNamedIconTest, AnInstalledIconGoesToTheNotifierPanelByNameAndStillPaintsTheSamePixels)
{
    install();
    const QIcon original = twoSizes();
    const std::optional<QIcon> named = themeNamedIcon(original, QStringLiteral("earnmeter"));
    ASSERT_TRUE(named.has_value());
    // Qt's notifier item sends no pixels for an icon that reports itself empty.
    EXPECT_TRUE(named->isNull());
    EXPECT_EQ(named->name(), QStringLiteral("earnmeter"));
    EXPECT_EQ(named->availableSizes(), original.availableSizes());
    for (const int side : {16, 22})
        EXPECT_EQ(named->pixmap(side, side).toImage(), original.pixmap(side, side).toImage()) << side;
    EXPECT_EQ(painted(*named), painted(original)) << "an XEMBED tray paints it";
}

TEST_F(ThemeNamedIconTest, WithoutTheIconInAnyThemeThePixelsAreSentAsBefore)
{
    EXPECT_FALSE(themeNamedIcon(twoSizes(), QStringLiteral("earnmeter")).has_value());
    install();
    EXPECT_FALSE(themeNamedIcon(QIcon(), QStringLiteral("earnmeter")).has_value()) << "no pixels to stand for";
    EXPECT_FALSE(themeNamedIcon(twoSizes(), QStringLiteral("another")).has_value());
}

} // namespace
