#include "HdrMetadata.h"

#include <QList>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <optional>

namespace {

// MediaInfo names a mastering display whose primaries match one of its known
// sets; each maps back to that set's exact values.
struct NamedPrimaries {
    const char* name;
    const char* value;
};
constexpr std::array<NamedPrimaries, 4> kNamedPrimaries{{
    {"Display P3", "G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)"},
    {"DCI P3", "G(13250,34500)B(7500,3000)R(34000,16000)WP(15700,17550)"},
    {"BT.2020", "G(8500,39850)B(6550,2300)R(35400,14600)WP(15635,16450)"},
    {"BT.709", "G(15000,30000)B(7500,3000)R(32000,16500)WP(15635,16450)"},
}};

constexpr double kChromaUnitsPerOne = 50000;    // x265 counts 0.00002
constexpr double kLuminanceUnitsPerCd = 10000;  // x265 counts 0.0001 cd/m2
constexpr double kMaxChroma = 50000;
constexpr double kMaxLuminance = 4294967295.0;  // 32 bits in the SEI
constexpr double kMaxLightLevel = 65535;        // 16 bits in the SEI

const QString kNumber = QStringLiteral("(\\d+(?:[.,]\\d+)?)");

// Text from outside may use either decimal mark.
double ToNumber(const QString& text)
{
    return QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

std::optional<qint64> Scaled(const QString& text, double unitsPerOne, double max)
{
    const double units = std::round(ToNumber(text) * unitsPerOne);
    if (units < 0 || units > max)
        return std::nullopt;
    return static_cast<qint64>(units);
}

// "R: x=0.680000 y=0.320000, G: ..., B: ..., White point: ..." as G(..)B(..)R(..)WP(..).
QString CoordinatesValue(const QString& primaries)
{
    struct Point {
        const char* label;
        const char* x265;
    };
    const Point points[] = {{"G", "G"}, {"B", "B"}, {"R", "R"}, {"White point", "WP"}};
    QString value;
    for (const Point& p : points) {
        const QRegularExpression re(QStringLiteral("(?:^|,)\\s*%1:\\s*x=%2\\s+y=%2")
                                        .arg(QRegularExpression::escape(QLatin1String(p.label)), kNumber));
        const QRegularExpressionMatch m = re.match(primaries);
        if (!m.hasMatch())
            return {};
        const auto x = Scaled(m.captured(1), kChromaUnitsPerOne, kMaxChroma);
        const auto y = Scaled(m.captured(2), kChromaUnitsPerOne, kMaxChroma);
        if (!x || !y)
            return {};
        value += QStringLiteral("%1(%2,%3)").arg(QLatin1String(p.x265)).arg(*x).arg(*y);
    }
    return value;
}

QString PrimariesValue(const QString& primaries)
{
    const QString text = primaries.trimmed();
    for (const NamedPrimaries& n : kNamedPrimaries)
        if (text == QLatin1String(n.name))
            return QLatin1String(n.value);
    return CoordinatesValue(text);
}

// "min: 0.0050 cd/m2, max: 1000 cd/m2" as L(max,min).
QString LuminanceValue(const QString& luminance)
{
    const QRegularExpression re(QStringLiteral("^\\s*min:\\s*%1\\s*cd/m2,\\s*max:\\s*%1\\s*cd/m2\\s*$").arg(kNumber));
    const QRegularExpressionMatch m = re.match(luminance);
    if (!m.hasMatch())
        return {};
    const auto min = Scaled(m.captured(1), kLuminanceUnitsPerCd, kMaxLuminance);
    const auto max = Scaled(m.captured(2), kLuminanceUnitsPerCd, kMaxLuminance);
    if (!min || !max || *max == 0)
        return {};
    return QStringLiteral("L(%1,%2)").arg(*max).arg(*min);
}

// "1000 cd/m2" as 1000; an empty text as 0.
std::optional<qint64> LightLevel(const QString& level)
{
    if (level.trimmed().isEmpty())
        return 0;
    const QRegularExpression re(QStringLiteral("^\\s*%1\\s*(?:cd/m2)?\\s*$").arg(kNumber));
    const QRegularExpressionMatch m = re.match(level);
    if (!m.hasMatch())
        return std::nullopt;
    return Scaled(m.captured(1), 1, kMaxLightLevel);
}

struct Span {
    qsizetype start;
    qsizetype end;
};

// The blank-separated words of a parameter text; a double-quoted stretch belongs
// to its word, blanks and line breaks included, as on a command line.
QList<Span> Words(const QString& text)
{
    QList<Span> words;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && text[i].isSpace())
            ++i;
        if (i == n)
            break;
        const qsizetype start = i;
        bool quoted = false;
        while (i < n && (quoted || !text[i].isSpace())) {
            if (text[i] == QLatin1Char('"'))
                quoted = !quoted;
            ++i;
        }
        words.append({start, i});
    }
    return words;
}

QString Quoted(const QString& value)
{
    return QLatin1Char('"') + value + QLatin1Char('"');
}

// The new value written the way the old one was: quoted or bare.
QString LikeOld(QStringView old, const QString& value)
{
    return old.startsWith(QLatin1Char('"')) ? Quoted(value) : value;
}

bool IsOption(QStringView word)
{
    return word.startsWith(QLatin1String("--"));
}

} // namespace

QStringList HdrSourceFieldNames()
{
    return {QStringLiteral("MasteringDisplay_ColorPrimaries"), QStringLiteral("MasteringDisplay_Luminance"),
            QStringLiteral("MaxCLL"), QStringLiteral("MaxFALL")};
}

THdrSourceTexts HdrSourceTextsFrom(const QStringList& texts)
{
    const auto at = [&texts](int i) { return texts.value(i); };
    return {at(0), at(1), at(2), at(3)};
}

QString MasterDisplayValue(const QString& primaries, const QString& luminance)
{
    const QString colours = PrimariesValue(primaries);
    const QString levels = LuminanceValue(luminance);
    return colours.isEmpty() || levels.isEmpty() ? QString() : colours + levels;
}

QString MaxCllValue(const QString& maxCll, const QString& maxFall)
{
    if (maxCll.trimmed().isEmpty() && maxFall.trimmed().isEmpty())
        return {};
    const auto cll = LightLevel(maxCll);
    const auto fall = LightLevel(maxFall);
    if (!cll || !fall)
        return {};
    return QStringLiteral("%1,%2").arg(*cll).arg(*fall);
}

QString WithOptionValue(const QString& params, const QString& option, const QString& value)
{
    QString result = params;
    const QList<Span> words = Words(params);
    const QString joined = option + QLatin1Char('=');
    bool found = false;
    // Back to front, so the spans still ahead stay where they were.
    for (qsizetype k = words.size() - 1; k >= 0; --k) {
        const Span w = words[k];
        const QStringView word = QStringView(params).mid(w.start, w.end - w.start);
        if (word.startsWith(joined)) {
            found = true;
            const qsizetype at = w.start + joined.size();
            result.replace(at, w.end - at, LikeOld(QStringView(params).mid(at, w.end - at), value));
        } else if (word == option) {
            found = true;
            const bool hasValue = k + 1 < words.size() &&
                                  !IsOption(QStringView(params).mid(words[k + 1].start,
                                                                    words[k + 1].end - words[k + 1].start));
            if (hasValue) {
                const Span v = words[k + 1];
                result.replace(v.start, v.end - v.start,
                               LikeOld(QStringView(params).mid(v.start, v.end - v.start), value));
            } else {
                result.insert(w.end, QLatin1Char(' ') + Quoted(value));
            }
        }
    }
    if (found)
        return result;
    qsizetype end = result.size();
    while (end > 0 && result[end - 1].isSpace())
        --end;
    const QString added = option + QLatin1Char(' ') + Quoted(value);
    result.insert(end, end > 0 ? QLatin1Char(' ') + added : added);
    return result;
}

THdrUpdate ApplySourceHdr(const QString& params, const THdrSourceTexts& source)
{
    if (source.masteringPrimaries.trimmed().isEmpty() && source.masteringLuminance.trimmed().isEmpty())
        return {THdrFromSource::NoMastering, params};
    const QString master = MasterDisplayValue(source.masteringPrimaries, source.masteringLuminance);
    if (master.isEmpty())
        return {THdrFromSource::Unreadable, params};
    const bool noLevels = source.maxCll.trimmed().isEmpty() && source.maxFall.trimmed().isEmpty();
    const QString cll = MaxCllValue(source.maxCll, source.maxFall);
    if (!noLevels && cll.isEmpty())
        return {THdrFromSource::Unreadable, params};
    const QString withMaster = WithOptionValue(params, QStringLiteral("--master-display"), master);
    if (noLevels)
        return {THdrFromSource::NoLightLevels, withMaster};
    return {THdrFromSource::Applied, WithOptionValue(withMaster, QStringLiteral("--max-cll"), cll)};
}
