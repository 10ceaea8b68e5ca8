#pragma once
#include <QString>

// Removes every leading and trailing character from U+0000 to U+0020, nothing else.
QString TrimBlanks(const QString& text);
