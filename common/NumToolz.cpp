#include "NumToolz.h"

#include <QLocale>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

EConvertError::EConvertError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString EConvertError::message() const
{
    return QString::fromStdString(what());
}

QString DecimalSeparator()
{
    return QLocale().decimalPoint();
}

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qint64 ReadInteger(const QString& text, qint64 min, qint64 max)
{
    const auto fail = [&text] {
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    };
    const bool negative = text.startsWith(u'-');
    qsizetype i = negative || text.startsWith(u'+') ? 1 : 0;
    if (i == text.size())
        fail();
    // Magnitudes are gathered unsigned so the most negative value still fits.
    const quint64 limit = negative ? quint64(-(min + 1)) + 1 : quint64(max);
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsAsciiDigit(text[i]))
            fail();
        const unsigned digit = text[i].unicode() - u'0';
        if (magnitude > (limit - digit) / 10)
            fail();
        magnitude = magnitude * 10 + digit;
    }
    if (!negative)
        return qint64(magnitude);
    return magnitude == 0 ? 0 : -qint64(magnitude - 1) - 1;
}

// Fixed-point text rounded to decimals but to no more than 18 significant digits;
// beyond 18 digits before the separator it is exponent form.
QString WriteFixed(quint8 decimals, long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::scientific << std::setprecision(17) << value;
    std::string text = out.str();
    const int exponent = std::stoi(text.substr(text.find('e') + 1));
    if (exponent < 18) {
        out.str(std::string());
        out << std::fixed << std::setprecision(std::min(int(decimals), 17 - exponent)) << value;
        text = out.str();
    }
    return QString::fromStdString(text).replace(u'.', DecimalSeparator());
}

} // namespace

qint32 ReadInt32(const QString& text)
{
    return qint32(ReadInteger(text, std::numeric_limits<qint32>::min(),
                              std::numeric_limits<qint32>::max()));
}

qint64 ReadInt64(const QString& text)
{
    return ReadInteger(text, std::numeric_limits<qint64>::min(),
                       std::numeric_limits<qint64>::max());
}

long double ReadDecimal(const QString& text)
{
    const QString separator = DecimalSeparator();
    std::string ascii; // the same number with "." as decimal mark, for the C reader
    qsizetype i = 0;
    const auto takeSign = [&] {
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ascii += char(text[i++].unicode());
    };
    const auto takeDigits = [&] {
        const qsizetype start = i;
        while (i < text.size() && IsAsciiDigit(text[i]))
            ascii += char(text[i++].unicode());
        return i - start;
    };
    takeSign();
    qsizetype digits = takeDigits();
    if (QStringView(text).mid(i).startsWith(separator)) {
        ascii += '.';
        i += separator.size();
        digits += takeDigits();
    }
    bool ok = digits > 0;
    if (ok && i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        takeSign();
        ok = takeDigits() > 0;
    }
    long double value = 0;
    if (ok && i == text.size()) {
        std::istringstream in(ascii);
        in.imbue(std::locale::classic());
        in >> value;
        ok = !in.fail(); // fails on overflow
    } else {
        ok = false;
    }
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

qint64 TruncViaText(quint8 decimals, long double value)
{
    QString text = WriteFixed(decimals, value);
    // The exponent form (18 digits and more) is left whole, so the reader refuses it
    // instead of reading its first digit.
    const qsizetype separator = text.indexOf(DecimalSeparator());
    if (separator >= 0 && !text.contains(u'e', Qt::CaseInsensitive))
        text.truncate(separator);
    return ReadInt64(text);
}

qint64 RoundHalfUp(quint8 decimals, long double value)
{
    return TruncViaText(decimals, value + 0.5L);
}

QString GroupDigits(quint8 width, bool grouping, const QString& separator, qint64 value)
{
    const QString number = QString::number(value);
    QString text = number.rightJustified(width, u' ');
    if (!grouping)
        return text;
    const qsizetype firstDigit = text.size() - number.size() + (value < 0 ? 1 : 0);
    for (qsizetype at = text.size() - 3; at > firstDigit; at -= 3)
        text.insert(at, separator);
    return text;
}

QString PadNumber(int width, QChar pad, qint64 value)
{
    QString text = QString::number(value);
    const qsizetype at = value < 0 ? 1 : 0;
    while (text.size() < width)
        text.insert(at, pad);
    return text;
}

long double ParseLooseFloat(const QString& text, long double def)
{
    QString cleaned = text;
    cleaned.remove(u' ').remove(QChar(0x00A0)).remove(u'\t');
    if (cleaned.isEmpty())
        return def;
    const QString separator = DecimalSeparator();
    QString number;
    for (const QChar c : cleaned) {
        if (c == u'.' || c == u',')
            number += separator;
        else
            number += c;
    }
    try {
        return ReadDecimal(number);
    } catch (const EConvertError&) {
        return def;
    }
}

qint64 RoundHalfEven(long double value)
{
    // 2^63 is exact in long double; anything at or past it does not fit.
    constexpr long double kLimit = 9223372036854775808.0L;
    const long double floor = std::floor(value);
    if (!(floor >= -kLimit && floor < kLimit))
        throw EConvertError(QStringLiteral("Invalid floating point operation"));
    auto result = static_cast<qint64>(floor);
    const long double rest = value - floor; // exact: both share the exponent range
    if (rest > 0.5L || (rest == 0.5L && result % 2 != 0)) {
        if (result == std::numeric_limits<qint64>::max())
            throw EConvertError(QStringLiteral("Invalid floating point operation"));
        ++result;
    }
    return result;
}
