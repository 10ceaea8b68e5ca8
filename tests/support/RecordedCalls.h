#pragma once
// What the stand-in tools of the path tests leave behind: one record file per
// call, and the tree of files the test watches.
#include <QByteArrayList>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QList>
#include <QStringList>

#include <algorithm>

// One call of a stand-in tool: its $0 (or argv[0]) and its arguments.
using Call = QByteArrayList;

// The calls recorded in folder, each file one call with every argument ended by a
// NUL, sorted; the records are removed.
inline QList<Call> TakeCalls(const QString& folder)
{
    QList<Call> calls;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        QFile f(folder + '/' + name);
        if (f.open(QIODevice::ReadOnly)) {
            QByteArray bytes = f.readAll();
            bytes.chop(1); // the NUL after the last argument
            calls << bytes.split('\0');
        }
        f.remove();
    }
    std::sort(calls.begin(), calls.end());
    return calls;
}

// Every file and folder below root, relative to it, sorted.
inline QStringList Tree(const QString& root)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(root).relativeFilePath(it.next());
    found.sort();
    return found;
}
