#pragma once
// Shows extended floats with all their digits when a comparison fails.

#include <QtTest>

#include <cstdio>

namespace QTest {
template <>
inline char* toString(const long double& value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.21Lg", value);
    return qstrdup(text);
}
} // namespace QTest
