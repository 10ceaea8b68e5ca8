#include "StrToolz.h"

#include "JobScript.h"

#include <algorithm>

namespace {

bool IsQuoted(const QString& text) { return text.startsWith('"') && text.endsWith('"'); }

QString Quoted(const QString& text) { return '"' + text + '"'; }

// Characters cmd reads as operators outside double quotes.
bool HasCmdOperator(const QString& text)
{
    for (const QChar c : text)
        if (QStringLiteral("&|<>^()").contains(c))
            return true;
    return false;
}

bool IsShSafe(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
           QStringLiteral("_@%+=:,./-").contains(c);
}

} // namespace

QString QuoteIfSpaced(const QString& text)
{
    const QString trimmed = TrimBlanks(text);
    return trimmed.contains(' ') && !IsQuoted(trimmed) ? Quoted(trimmed) : trimmed;
}

QString FlattenParams(const QString& memoText)
{
    QString text = memoText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QStringLiteral("\n\r"), QStringLiteral(" "));
    text.replace('\n', ' ');
    text.replace('\r', ' ');
    // One left-to-right pass: four spaces become two, three become two.
    return TrimBlanks(text).replace(QStringLiteral("  "), QStringLiteral(" "));
}

QString IncludeTrailingDelimiter(const QString& path)
{
    return path.isEmpty() || path.endsWith(PathDelimiter()) ? path : path + PathDelimiter();
}

QString ExcludeTrailingDelimiter(const QString& path)
{
    return path.endsWith(PathDelimiter()) ? path.chopped(1) : path;
}

QString QuotePathForCmd(const QString& path)
{
    QString text = QuoteIfSpaced(path);
    if (!IsQuoted(text) && HasCmdOperator(text))
        text = Quoted(text);
    // A batch file expands %...% even inside double quotes.
    return text.replace('%', QStringLiteral("%%"));
}

QString QuotePathForSh(const QString& path)
{
    QString text = TrimBlanks(path);
    if (std::all_of(text.cbegin(), text.cend(), IsShSafe))
        return text;
    return '\'' + text.replace('\'', QStringLiteral("'\\''")) + '\'';
}

QString QuotePathFor(ScriptDialect dialect, const QString& path)
{
    return dialect == ScriptDialect::Cmd ? QuotePathForCmd(path) : QuotePathForSh(path);
}
