#include "platform/QtProgramFacts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

std::string QtProgramFacts::folder() const
{
    return QCoreApplication::applicationDirPath().toStdString();
}

ScreenSize QtProgramFacts::screen() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    // Qt reports logical pixels; the device pixel ratio turns them back into the screen's own.
    const QSize logical = screen->size();
    const auto ratio = static_cast<float>(screen->devicePixelRatio());
    return {static_cast<float>(logical.width()) * ratio, static_cast<float>(logical.height()) * ratio};
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
    return QLocale::system().toString(modified, QLocale::ShortFormat).toStdString();
}
