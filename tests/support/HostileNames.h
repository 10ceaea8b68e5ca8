#pragma once
// File names drawn with a fixed seed from characters that break careless quoting,
// for tests that send them through the job scripts.
#include <QRandomGenerator>
#include <QSet>
#include <QString>
#include <QStringList>

// Every printable ASCII character but those in forbidden, the tab unless
// forbidden, and letters beyond ASCII: é, ß, 日本 and an emoji (one piece each).
inline QStringList NamePieces(const QString& forbidden)
{
    QStringList pieces;
    for (char16_t c = 0x20; c < 0x7f; ++c)
        if (!forbidden.contains(QChar(c)))
            pieces << QString(QChar(c));
    if (!forbidden.contains(QLatin1Char('\t')))
        pieces << QStringLiteral("\t");
    pieces << QStringLiteral("\u00e9") << QStringLiteral("\u00df") << QStringLiteral("\u65e5\u672c")
           << QString::fromUcs4(U"\U0001F3AC");
    return pieces;
}

// count different names of 1 to 12 pieces. A name never ends in a blank (trailing
// blanks are trimmed off a path by design) or in any of noEnd, and is never "." or "..".
inline QStringList HostileNames(int count, quint32 seed, const QStringList& pieces,
                                const QString& noEnd = QString())
{
    QRandomGenerator random(seed);
    QStringList names;
    QSet<QString> seen;
    while (names.size() < count) {
        QString name;
        const int length = 1 + random.bounded(12);
        for (int i = 0; i < length; ++i)
            name += pieces[random.bounded(int(pieces.size()))];
        const QChar last = name.back();
        if (last.unicode() <= 0x20 || noEnd.contains(last) || name == QLatin1String(".") ||
            name == QLatin1String("..") || seen.contains(name))
            continue;
        seen.insert(name);
        names << name;
    }
    return names;
}
