#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString chooseDataFolder(const QString& executableFolder, bool executableFolderWritable, const QString& userDataFolder)
{
    const QString folder = QDir::cleanPath(executableFolder);
    const bool systemLocation = folder == QLatin1String("/usr") || folder.startsWith(QLatin1String("/usr/")) ||
                                folder == QLatin1String("/opt") || folder.startsWith(QLatin1String("/opt/"));
    if (systemLocation || !executableFolderWritable)
        return QDir::cleanPath(userDataFolder);
    return folder;
}

QString dataFolderForThisProgram()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString folder = chooseDataFolder(executableFolder, QFileInfo(executableFolder).isWritable(),
                                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir().mkpath(folder);
    return folder;
}
