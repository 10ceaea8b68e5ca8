// Windows: the temporary folder from the environment, GetTempFileNameW, the
// version resource.
#include "SysToolz.h"

#include "StrToolz.h"
#include "SysToolzDetail.h"

QString GetTempDir()
{
    QString folder;
    for (const char* name : {"TMP", "TEMP", "USERPROFILE"}) {
        folder = ReadEnvVar(QString::fromLatin1(name));
        if (IsFolder(folder))
            return IncludeTrailingDelimiter(folder);
    }
    folder = QString::fromStdString(sys::WindowsDirectory());
    const QString temp = IncludeTrailingDelimiter(folder) + QStringLiteral("TEMP");
    return IncludeTrailingDelimiter(IsFolder(temp) ? temp : folder);
}

std::string ReserveTempName(const QString& folder, const QString& prefix, std::string* error)
{
    return sys::SystemTempFileName(folder.toStdString(), prefix.toStdString(), error);
}

std::optional<sys::FileVersion> ProgramVersion(const QString& fileName)
{
    return sys::ReadFileVersion(fileName.toStdString());
}
