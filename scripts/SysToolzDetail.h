#pragma once
// What SysToolz does differently per system; each build compiles one of
// SysToolzWin.cpp and SysToolzPosix.cpp.
#include "SysServices.h"

#include <QString>

#include <optional>
#include <string>

// An empty name or any error while testing counts as no folder.
bool IsFolder(const QString& path);

// The system's unique temporary name in the folder, created; empty with *error.
std::string ReserveTempName(const QString& folder, const QString& prefix, std::string* error);

// The program's version: its version resource on Windows, the build's number elsewhere.
std::optional<sys::FileVersion> ProgramVersion(const QString& fileName);
