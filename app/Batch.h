#pragma once
#include <QStringList>

// Whether the command line asks for a run without the window (any "--" option).
bool IsBatchCommandLine(const QStringList& args);

// corvane PAGE INPUT OUTPUT [OUTPUT2] --encode [--yes] [--print | --here], --help,
// --version: starts the window without showing it, with the stored settings and
// the arguments' files, presses the page's encode button and reports on the
// console. The exit status: 0 the job was started, printed or run (with --here the
// job's own status), 1 a check stopped it, 2 a usage error.
int RunBatch(const QStringList& args);
