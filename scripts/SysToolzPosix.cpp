// POSIX: $TMPDIR or /tmp, an exclusively created name, the build's own version.
#include "SysToolz.h"

#include "StrToolz.h"
#include "SysToolzDetail.h"

#include <QStringList>

QString GetTempDir()
{
    const QString folder = ReadEnvVar(QStringLiteral("TMPDIR"));
    return IncludeTrailingDelimiter(IsFolder(folder) ? folder : QStringLiteral("/tmp"));
}

std::string ReserveTempName(const QString& folder, const QString& prefix, std::string* error)
{
    return sys::CreateUniqueFile(folder.toStdString(), prefix.left(3).toStdString(), ".tmp", 0600,
                                 error);
}

std::optional<sys::FileVersion> ProgramVersion(const QString&)
{
    // No version resources here: the build's own number.
    const QStringList parts = QStringLiteral(CORVANE_VERSION).split('.');
    unsigned numbers[4] = {};
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        numbers[i] = parts[i].toUInt();
    return sys::FileVersion{numbers[0], numbers[1], numbers[2], numbers[3]};
}
