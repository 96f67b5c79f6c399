#pragma once

#include <QString>

// Where the settings and state files live: beside the executable when the
// program runs from where it was built or unpacked; in the per-user data folder
// when it is installed in a system location or its folder cannot be written,
// so an installed copy keeps each user's settings and never writes into system
// folders, even as root.
QString chooseDataFolder(const QString& executableFolder, bool executableFolderWritable, const QString& userDataFolder);

// The folder for this process, created if needed.
QString dataFolderForThisProgram();
