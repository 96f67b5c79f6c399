#include "platform/QtShellOpen.h"

#include <QDesktopServices>
#include <QString>

bool QtShellOpen::openAddress(const std::string& address)
{
    return QDesktopServices::openUrl(addressUrl(address));
}

bool QtShellOpen::openFile(const std::string& path)
{
    return QDesktopServices::openUrl(fileUrl(path));
}

QUrl QtShellOpen::addressUrl(const std::string& address)
{
    // Tolerant parsing keeps every %XX we wrote as it is and only encodes what a
    // URL cannot carry raw, such as the spaces of a program folder. Strict parsing
    // would reject those spaces; building from decoded parts would encode our % again.
    return QUrl(QString::fromStdString(address), QUrl::TolerantMode);
}

QUrl QtShellOpen::fileUrl(const std::string& path)
{
    return QUrl::fromLocalFile(QString::fromStdString(path));
}
