#include "MediaInfoDll.h"

#include <QCoreApplication>
#include <QDir>

QString MediaInfoLibraryPath()
{
    // LoadLibraryW wants backslashes in a path.
    return QDir::toNativeSeparators(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("MediaInfo_x32.dll")));
}
