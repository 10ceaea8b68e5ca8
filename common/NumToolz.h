#pragma once
// Small conversions between numbers and text. Decimal text is read and written
// with the decimal separator of the default QLocale.

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <limits>
#include <stdexcept>

static_assert(std::numeric_limits<long double>::digits == 64,
              "Corvane needs the 80-bit extended long double (64-bit mantissa)");

// A text that is not a number of the expected kind. Its message is meant for the user.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message);
    QString message() const;
};

// The decimal separator of the global number format settings.
QString DecimalSeparator();

// Strict readers: an optional sign and decimal digits only, nothing else (no blanks).
// They raise EConvertError when the text is not such a number or is out of range.
qint32 ReadInt32(const QString& text);
qint64 ReadInt64(const QString& text);
// Digits with at most one DecimalSeparator() and an optional exponent (1,5E3).
long double ReadDecimal(const QString& text);

// Rounds to the given decimals through fixed-point text (at most 18 significant
// digits), then truncates toward zero. Raises EConvertError for NaN and infinities.
qint64 TruncViaText(quint8 decimals, long double value);
// TruncViaText of value + 0.5: halves go up for values that are zero or positive.
qint64 RoundHalfUp(quint8 decimals, long double value);
// Plain rounding: the nearest integer, halves to the even neighbour, whatever the
// processor's rounding mode. Raises EConvertError outside the 64-bit range.
qint64 RoundHalfEven(long double value);

// The value right-aligned with blanks to at least width characters and, with
// grouping, separator in front of every group of three digits from the right.
// Only the digits are grouped: no separator follows a minus sign or a blank.
QString GroupDigits(quint8 width, bool grouping, const QString& separator, qint64 value);
// The value left-padded with pad to at least width characters; a negative value
// keeps its minus sign in front of the padding.
QString PadNumber(int width, QChar pad, qint64 value);

// Reads a number written with "." or "," as decimal mark and with blanks, no-break
// spaces or tabs anywhere; def when nothing or no number is left. Never raises.
long double ParseLooseFloat(const QString& text, long double def);
