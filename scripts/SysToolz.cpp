#include "SysToolz.h"

#include "StrToolz.h"
#include "SysServices.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

// An empty name or any error while testing counts as no folder.
bool IsFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

#ifndef _WIN32
sys::FileVersion CompiledInVersion()
{
    const QStringList parts = QStringLiteral(CORVANE_VERSION).split('.');
    unsigned numbers[4] = {};
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        numbers[i] = parts[i].toUInt();
    return {numbers[0], numbers[1], numbers[2], numbers[3]};
}
#endif

} // namespace

QString ReadEnvVar(const QString& name)
{
    return QString::fromStdString(sys::GetEnv(name.toStdString()));
}

QString GetTempDir()
{
#ifdef _WIN32
    QString folder;
    for (const char* name : {"TMP", "TEMP", "USERPROFILE"}) {
        folder = ReadEnvVar(QString::fromLatin1(name));
        if (IsFolder(folder))
            return IncludeTrailingDelimiter(folder);
    }
    folder = QString::fromStdString(sys::WindowsDirectory());
    const QString temp = IncludeTrailingDelimiter(folder) + QStringLiteral("TEMP");
    return IncludeTrailingDelimiter(IsFolder(temp) ? temp : folder);
#else
    const QString folder = ReadEnvVar(QStringLiteral("TMPDIR"));
    return IncludeTrailingDelimiter(IsFolder(folder) ? folder : QStringLiteral("/tmp"));
#endif
}

QString MakeTempFileName(const QString& prefix, bool deleteFile)
{
    return MakeTempFileName(prefix, deleteFile, nullptr);
}

QString MakeTempFileName(const QString& prefix, bool deleteFile, QString* error)
{
    std::string reason;
#ifdef _WIN32
    const QString name = QString::fromStdString(
        sys::SystemTempFileName(GetTempDir().toStdString(), prefix.toStdString(), &reason));
#else
    const QString name = QString::fromStdString(sys::CreateUniqueFile(
        GetTempDir().toStdString(), prefix.left(3).toStdString(), ".tmp", 0600, &reason));
#endif
    if (name.isEmpty() && error)
        *error = QString::fromStdString(reason);
    if (deleteFile && !name.isEmpty())
        QFile::remove(name);
    return name;
}

QString FileVersionText(const QString& fileName, int mode)
{
#ifdef _WIN32
    const std::optional<sys::FileVersion> read = sys::ReadFileVersion(fileName.toStdString());
    if (!read)
        return {};
    const sys::FileVersion v = *read;
#else
    Q_UNUSED(fileName) // no version resources here: the build's own number
    const sys::FileVersion v = CompiledInVersion();
#endif
    switch (mode) {
    case 2: return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.release);
    case 1: return QStringLiteral("%1.%2.%3 build %4").arg(v.major).arg(v.minor).arg(v.release).arg(v.build);
    default: return QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.release).arg(v.build);
    }
}
