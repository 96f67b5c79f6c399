#include "platform/QtProgramFacts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <cmath>

namespace {
// Drops the time zone ("t", outside quoted text) from a time format.
QString withoutTimeZone(const QString& format)
{
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        quoted = c == QLatin1Char('\'') ? !quoted : quoted;
        if (quoted || c != QLatin1Char('t'))
            kept += c;
    }
    return kept.trimmed();
}
} // namespace

std::string QtProgramFacts::folder() const
{
    return QCoreApplication::applicationDirPath().toStdString();
}

ScreenSize QtProgramFacts::screen() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    return devicePixels(screen->size(), screen->devicePixelRatio());
}

ScreenSize QtProgramFacts::devicePixels(const QSize& logical, double ratio)
{
    // Qt rounds the screen's own pixels into its scaled units; scaling back gives
    // 1279.5 for a 1280 pixel screen at 1.5, which is a whole screen pixel.
    return {static_cast<float>(std::round(logical.width() * ratio)),
            static_cast<float>(std::round(logical.height() * ratio))};
}

std::optional<std::string> QtProgramFacts::modifiedDate() const
{
    return fileModifiedDate(QCoreApplication::applicationFilePath());
}

std::optional<std::string> QtProgramFacts::fileModifiedDate(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return std::nullopt;
    const QDateTime modified = file.lastModified();
    if (!modified.isValid())
        return std::nullopt;
    return generalDate(modified, QLocale::system()).toStdString();
}

QString QtProgramFacts::generalDate(const QDateTime& when, const QLocale& locale)
{
    QString date = locale.dateFormat(QLocale::ShortFormat);
    if (!date.contains(QLatin1String("yyyy")))
        date.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    const QString time = withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return locale.toString(when, date + QLatin1Char(' ') + time);
}
