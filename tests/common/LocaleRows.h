#pragma once
// Runs locale-dependent cases once under a "." and once under a "," decimal separator.

#include <QLocale>
#include <QtTest>

// Makes a locale the default for one scope and restores the previous default after it.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_;
};

// Adds the row once per locale; the table's first column must be a QLocale.
template <typename... Values>
void AddLocaleRows(const char* tag, Values... values)
{
    const QList<QPair<const char*, QLocale>> locales{{"C", QLocale::c()},
                                                     {"German", QLocale(QLocale::German)}};
    for (const auto& [name, locale] : locales) {
        QTestData& row = QTest::addRow("%s %s", name, tag) << locale;
        ((row << values), ...);
    }
}

// Text with "%" standing for the current decimal separator and "#" for the other mark.
inline QString WithSeparators(QString text)
{
    const QString separator = QLocale().decimalPoint();
    const QString other = separator == QLatin1String(".") ? QStringLiteral(",") : QStringLiteral(".");
    return text.replace(u'%', separator).replace(u'#', other);
}
