#include "SysToolz.h"

#include "SysServices.h"
#include "SysToolzDetail.h"

#include <QFile>
#include <QFileInfo>

bool IsFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

QString ReadEnvVar(const QString& name)
{
    return QString::fromStdString(sys::GetEnv(name.toStdString()));
}

QString MakeTempFileName(const QString& prefix, bool deleteFile, QString* error)
{
    std::string reason;
    const QString name = QString::fromStdString(ReserveTempName(GetTempDir(), prefix, &reason));
    if (name.isEmpty() && error)
        *error = QString::fromStdString(reason);
    if (deleteFile && !name.isEmpty())
        QFile::remove(name);
    return name;
}

QString FileVersionText(const QString& fileName, int mode)
{
    const std::optional<sys::FileVersion> read = ProgramVersion(fileName);
    if (!read)
        return {};
    const sys::FileVersion v = *read;
    switch (mode) {
    case 2: return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.release);
    case 1: return QStringLiteral("%1.%2.%3 build %4").arg(v.major).arg(v.minor).arg(v.release).arg(v.build);
    default: return QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.release).arg(v.build);
    }
}
