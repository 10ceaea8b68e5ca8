#pragma once
#include <QString>

// The variable's value; empty when it is not set.
QString ReadEnvVar(const QString& name);

// The temporary folder, always with a trailing delimiter.
// Windows: TMP, TEMP, USERPROFILE, then the Windows directory's TEMP.
// POSIX: $TMPDIR when it names a folder, else /tmp.
QString GetTempDir();

// A unique name in GetTempDir() starting with the prefix's first three characters;
// the system creates the file and, with deleteFile set, it is deleted again at once.
// On failure empty, with the system's reason in *error when given.
QString MakeTempFileName(const QString& prefix, bool deleteFile, QString* error = nullptr);

// The executable's file version: mode 2 "a.b.c", mode 1 "a.b.c build d", other "a.b.c.d".
// Empty when the file carries no version.
QString FileVersionText(const QString& fileName, int mode);
