#pragma once
// Files the window tests make and look at: empty fixtures, what a folder holds,
// the job script as the terminal got it.
#include "FakeTerminal.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtTest>

// Makes the file (replacing it) with the given bytes.
inline void Touch(const QString& path, const QByteArray& bytes = {})
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// Makes a "tmp" folder below dir the TMPDIR of the job scripts; its path, empty
// when it cannot be made.
inline QString MakeScriptTemp(const QString& dir)
{
    const QString tmp = QDir(dir).filePath(QStringLiteral("tmp"));
    if (!QDir().mkpath(tmp))
        return {};
    qputenv("TMPDIR", QFile::encodeName(tmp));
    return tmp;
}

// The files in dir, hidden ones too; with QDir::AllEntries, its folders as well.
inline QStringList Entries(const QString& dir, QDir::Filters kind = QDir::Files)
{
    return QDir(dir).entryList(kind | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// The file's bytes, empty when it cannot be read.
inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The script's lines as the terminal got them (the last, empty one dropped).
inline QStringList ScriptLines(const FakeTerminal& terminal)
{
    QStringList lines = QString::fromUtf8(terminal.script()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) // each line ends with LF
        lines.removeLast();
    return lines;
}
