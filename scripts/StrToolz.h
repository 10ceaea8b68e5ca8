#pragma once
#include "TrimBlanks.h"

#include <QString>

enum class ScriptDialect; // JobScript.h

// Trims; wraps in double quotes when the result holds a space and does not both
// start and end with a double quote. Empty stays empty.
QString QuoteIfSpaced(const QString& text);

// A multi-line parameter memo as one command-line line.
QString FlattenParams(const QString& memoText);

// The platform's path delimiter: '\\' on Windows, '/' elsewhere.
QChar PathDelimiter();
QString IncludeTrailingDelimiter(const QString& path);
QString ExcludeTrailingDelimiter(const QString& path);

// A path written so that the tool receives it byte for byte.
// cmd: QuoteIfSpaced, also quoted when it holds & | < > ^ ( ) ; , = or starts with
// @ (so it stays one command name too), trailing backslashes doubled inside the
// quotes, every % doubled.
QString QuotePathForCmd(const QString& path);
// sh: bare when made only of letters, digits and _ @ % + = : , . / - and not read
// as an assignment or reserved word, else in single quotes with ' written as '\''.
// Trimmed first like QuoteIfSpaced.
QString QuotePathForSh(const QString& path);
// The dialect of the job scripts this build writes.
QString QuotePath(const QString& path);
// The given dialect's quoting, for builders asked for either dialect.
QString QuotePathFor(ScriptDialect dialect, const QString& path);
