#include "platform/tray/ThemeNamedIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QStandardPaths>

namespace {

// Paints and sizes like the icon it wraps, but reports itself empty: Qt's
// StatusNotifierItem leaves out the pixels of an empty icon and names it.
class NamedEngine final : public QIconEngine
{
public:
    NamedEngine(QIcon pixels, QString name) : m_pixels(std::move(pixels)), m_name(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        m_pixels.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_pixels.pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return m_pixels.pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_pixels.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_pixels.availableSizes(mode, state);
    }
    QString iconName() override { return m_name; }
    bool isNull() override { return true; }
    QString key() const override { return QStringLiteral("earnmeter-named"); }
    QIconEngine* clone() const override { return new NamedEngine(m_pixels, m_name); }

private:
    QIcon m_pixels;
    QString m_name;
};

} // namespace

bool iconThemeHas(const QString& themeName)
{
    // Every icon theme falls back to hicolor, where the package puts the icon.
    const QString file = QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(themeName);
    return !QStandardPaths::locate(QStandardPaths::GenericDataLocation, file).isEmpty();
}

std::optional<QIcon> themeNamedIcon(const QIcon& pixels, const QString& themeName)
{
    if (pixels.availableSizes().isEmpty() || !iconThemeHas(themeName))
        return std::nullopt;
    return QIcon(new NamedEngine(pixels, themeName));
}
