#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Points TERMINAL at fake-terminal.sh, which records where and what it was asked
// to run and, when told to, runs the job script with sh.
class FakeTerminal {
public:
    explicit FakeTerminal(bool runScript)
    {
        qputenv("TERMINAL", CORVANE_FAKE_TERMINAL);
        qputenv("CORVANE_TERMINAL_LOG", logPath().toLocal8Bit());
        qputenv("CORVANE_TERMINAL_RUN", runScript ? "1" : "0");
    }
    ~FakeTerminal()
    {
        qunsetenv("TERMINAL");
        qunsetenv("CORVANE_TERMINAL_LOG");
        qunsetenv("CORVANE_TERMINAL_RUN");
    }

    bool called() const { return QFile::exists(logPath()); }
    QString workingFolder() const { return field("cwd="); }
    QString scriptPath() const { return field("script="); }
    // The script as it was when the terminal started it.
    QByteArray script() const
    {
        QFile f(logPath() + QStringLiteral(".script"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QString logPath() const { return dir_.filePath(QStringLiteral("terminal.log")); }
    QString field(const char* key) const
    {
        QFile f(logPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith(key))
                return QString::fromUtf8(line.mid(int(qstrlen(key))));
        return {};
    }
    QTemporaryDir dir_;
};
