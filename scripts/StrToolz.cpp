#include "StrToolz.h"

#include "JobScript.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool IsQuoted(const QString& text) { return text.startsWith('"') && text.endsWith('"'); }

QString Quoted(const QString& text) { return '"' + text + '"'; }

// Characters cmd reads as operators outside double quotes, the delimiters that end
// a command name (a tool path stands first on its line) and a leading @ (echo off).
bool NeedsCmdQuotes(const QString& text)
{
    for (const QChar c : text)
        if (QStringLiteral("&|<>^();,=").contains(c))
            return true;
    return text.startsWith('@');
}

// Backslashes before the closing quote would escape it for the C runtime's
// argument reader; doubled, they stay themselves.
QString QuotedForCrt(const QString& text)
{
    qsizetype trailing = 0;
    while (trailing < text.size() && text[text.size() - 1 - trailing] == '\\')
        ++trailing;
    return Quoted(text + QString(trailing, '\\'));
}

bool IsShSafe(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
           QStringLiteral("_@%+=:,./-").contains(c);
}

// A bare first word sh would take for a variable assignment or a reserved word.
bool IsShAssignmentOrReserved(const QString& word)
{
    static const QRegularExpression assignment(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*="));
    static const QStringList reserved = {"if", "then", "else", "elif", "fi", "do", "done",
                                         "case", "esac", "while", "until", "for", "in"};
    return reserved.contains(word) || assignment.match(word).hasMatch();
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
    const QString trimmed = TrimBlanks(path);
    QString text = !IsQuoted(trimmed) && (trimmed.contains(' ') || NeedsCmdQuotes(trimmed))
                       ? QuotedForCrt(trimmed)
                       : trimmed;
    // A batch file expands %...% even inside double quotes.
    return text.replace('%', QStringLiteral("%%"));
}

QString QuotePathForSh(const QString& path)
{
    QString text = TrimBlanks(path);
    if (std::all_of(text.cbegin(), text.cend(), IsShSafe) && !IsShAssignmentOrReserved(text))
        return text;
    return '\'' + text.replace('\'', QStringLiteral("'\\''")) + '\'';
}

QString QuotePathFor(ScriptDialect dialect, const QString& path)
{
    return dialect == ScriptDialect::Cmd ? QuotePathForCmd(path) : QuotePathForSh(path);
}
