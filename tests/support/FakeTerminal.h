#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Points TERMINAL at fake-terminal.sh, which records where and how it was asked
// to run a job script and, when told to, runs it.
class FakeTerminal {
public:
    explicit FakeTerminal(bool runScript)
    {
        qputenv("TERMINAL", CORVANE_FAKE_TERMINAL);
        qputenv("CORVANE_TERMINAL_LOG", QFile::encodeName(logPath()));
        qputenv("CORVANE_TERMINAL_RUN", runScript ? "1" : "0");
    }
    ~FakeTerminal()
    {
        qunsetenv("TERMINAL");
        qunsetenv("CORVANE_TERMINAL_LOG");
        qunsetenv("CORVANE_TERMINAL_RUN");
    }

    bool called() const { return QFile::exists(logPath()); }
    // The terminal has returned (after the job, when it runs it).
    bool ended() const { return QFile::exists(logPath() + QStringLiteral(".ended")); }
    QString workingFolder() const { return lines("cwd=").value(0); }
    QStringList arguments() const { return lines("arg="); }
    QString scriptPath() const { return arguments().value(1); }
    // The script as it was when the terminal started it.
    QByteArray script() const
    {
        QFile f(logPath() + QStringLiteral(".script"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Forgets the last call, for the next one.
    void reset() const
    {
        for (const char* suffix : {"", ".script", ".ended"})
            QFile::remove(logPath() + QLatin1String(suffix));
    }

private:
    QString logPath() const { return dir_.filePath(QStringLiteral("terminal.log")); }
    QStringList lines(const char* key) const
    {
        QFile f(logPath());
        QStringList found;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& line : f.readAll().split('\n'))
                if (line.startsWith(key))
                    found << QString::fromUtf8(line.mid(int(qstrlen(key))));
        return found;
    }
    QTemporaryDir dir_;
};
