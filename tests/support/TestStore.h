#pragma once
#include "TFormStorage.h"

#include <QSettings>
#include <QTemporaryDir>

// Points the window's settings store at a temporary file for the life of the
// object, so a test never reads or writes the user's settings. clear() empties it:
// call it from init() so every test function starts from a first run.
class TestStore {
public:
    TestStore() { TFormStorage::UseStoreFile(path()); }
    ~TestStore() { TFormStorage::UseStoreFile({}); }

    QString path() const { return dir_.filePath(QStringLiteral("Corvane.conf")); }
    // Through QSettings: it keeps the files it has read cached within the process.
    void clear() const
    {
        QSettings s(path(), QSettings::IniFormat);
        s.clear();
        s.sync();
    }
    // Writes entries straight into the store, as an earlier run would have left them.
    void write(const QString& key, const QVariant& value) const
    {
        QSettings s(path(), QSettings::IniFormat);
        s.setValue(key, value);
    }
    QVariant read(const QString& key) const
    {
        return QSettings(path(), QSettings::IniFormat).value(key);
    }

private:
    QTemporaryDir dir_;
};
