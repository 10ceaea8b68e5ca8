#pragma once
// The installed tools the end-to-end tests run: finding them, running them, and
// what they must not have done.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <initializer_list>

inline QString Tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// The first of names not installed, empty when all are.
inline QString MissingTool(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (Tool(name).isEmpty())
            return QString::fromLatin1(name);
    return {};
}

// The program's trimmed output, or "<failed: ...>" with what it said on stderr.
inline QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Makes path from ffmpeg's lavfi source with the output options; empty when it
// worked, else Run's failure text.
inline QString MakeClip(const QString& ffmpeg, const QString& source, const QStringList& options,
                        const QString& path)
{
    return Run(ffmpeg, QStringList{"-v", "error", "-f", "lavfi", "-i", source} + options + QStringList{path});
}

// MediaInfo's answer to an --Inform template such as "Video;%Format%".
inline QString MediaInfo(const QString& file, const QString& inform)
{
    return Run(Tool("mediainfo"), {QStringLiteral("--Inform=") + inform, file});
}

// One field of the file's first audio track.
inline QString AudioField(const QString& file, const char* field)
{
    return MediaInfo(file, QStringLiteral("Audio;%%1%").arg(QLatin1String(field)));
}

// Anything a broken quoting would have executed leaves a file named "pwned*".
inline QStringList Planted(const QString& root)
{
    QStringList found;
    QDirIterator it(root, {QStringLiteral("pwned*")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

// TMPDIR for the job scripts in "tmp dir" below root, and a folder named name
// beside it; that folder's path, empty when either cannot be made.
inline QString MakeJobFolders(const QString& root, const QString& name)
{
    QDir base(root);
    if (!base.mkdir(QStringLiteral("tmp dir")) || !base.mkdir(name))
        return {};
    qputenv("TMPDIR", base.filePath(QStringLiteral("tmp dir")).toLocal8Bit());
    return base.filePath(name);
}
