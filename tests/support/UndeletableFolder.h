#pragma once
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

// Keeps a folder from being written, for as long as it lives: no new files, no
// deletions. No write permission, and for root, whom that does not stop, the
// immutable flag (holds() tells whether either worked here).
class UndeletableFolder {
public:
    explicit UndeletableFolder(const QString& dir) : dir_(dir)
    {
        const QString probe = QDir(dir).filePath(QStringLiteral("probe"));
        QFile(probe).open(QIODevice::WriteOnly);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        immutable_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir}) == 0;
        QFile file(probe);
        holds_ = !file.remove();
        reason_ = file.errorString();
    }
    ~UndeletableFolder()
    {
        if (immutable_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir_});
        QFile::setPermissions(dir_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool holds() const { return holds_; }
    // What the system says when a deletion there fails.
    QString reason() const { return reason_; }

private:
    QString dir_;
    bool immutable_ = false;
    bool holds_ = false;
    QString reason_;
};
