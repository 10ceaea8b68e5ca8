#include "MediaInfoDll.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString MediaInfoLibraryPath()
{
    // A copy beside the program wins over the system's, which the loader finds by name.
    const QString name = QStringLiteral("libmediainfo.so.0");
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    return QFileInfo::exists(beside) ? beside : name;
}
