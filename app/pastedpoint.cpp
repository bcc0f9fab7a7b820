#include "pastedpoint.h"

#include "coordinates.h"

#include <algorithm>

namespace {

// The finest fraction the program takes: under 1.1 mm on the ground.
constexpr int kDecimals = 8;
// Minutes and seconds are summed exactly in 64-bit integers: with fractions
// of up to 12 digits, 999 degrees in those units stay below 2^63.
constexpr int kMaxSexagesimalDecimals = 12;

// A number as written, digits only; its sign is kept apart.
struct Decimal
{
    QString integer;
    QString fraction;
};

struct Value
{
    bool negative = false;
    Decimal degrees;
    QChar hemisphere; // upper case; null when there is none
    bool letterBefore = false;
};

enum class Axis { None, Latitude, Longitude };

// ASCII only, as in the program's form: other scripts' digits are not read.
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isComma(QChar c)
{
    return c == QLatin1Char(',');
}

// The typographic minus sign too, as encyclopaedias print it.
bool isMinus(QChar c)
{
    return c == QLatin1Char('-') || c == QChar(0x2212);
}

// "º", the ordinal indicator, stands in for "°" where keyboards lack it.
bool isDegreeSign(QChar c)
{
    return c == QChar(0x00b0) || c == QChar(0x00ba);
}

// "’" and "”" are what word processors make of ' and ".
bool isMinuteSign(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2032) || c == QChar(0x2019);
}

bool isSecondSign(QChar c)
{
    return c == QLatin1Char('"') || c == QChar(0x2033) || c == QChar(0x201d);
}

Axis axisOf(QChar hemisphere)
{
    switch (hemisphere.unicode()) {
    case 'N':
    case 'S':
        return Axis::Latitude;
    case 'E':
    case 'W':
        return Axis::Longitude;
    default:
        return Axis::None;
    }
}

// The value of at most three digits, leading zeros aside; nothing for more.
std::optional<int> smallWhole(const QString &digits)
{
    int first = 0;
    while (first < digits.size() && digits.at(first) == QLatin1Char('0'))
        ++first;
    if (digits.size() - first > 3)
        return std::nullopt;
    return digits.mid(first).toInt();
}

// Half away from zero, on the digits: through binary floating point a
// written 0.123456785 could round either way.
Decimal roundedToEightDecimals(const Decimal &number)
{
    if (number.fraction.size() <= kDecimals)
        return number;
    QString digits = number.integer + number.fraction.left(kDecimals);
    if (number.fraction.at(kDecimals) >= QLatin1Char('5')) {
        int i = digits.size() - 1;
        while (i >= 0 && digits.at(i) == QLatin1Char('9'))
            digits[i--] = QLatin1Char('0');
        if (i < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[i] = QChar(digits.at(i).unicode() + 1);
    }
    return {digits.left(digits.size() - kDecimals), digits.right(kDecimals)};
}

// Degrees and minutes, or degrees, minutes and seconds, summed exactly and
// rounded to eight decimals. Nothing for a fraction of degrees before
// minutes or of minutes before seconds, or for 60 minutes or seconds.
std::optional<Decimal> sexagesimalSum(const Decimal &degrees, const Decimal &minutes,
                                      const std::optional<Decimal> &seconds)
{
    const Decimal &last = seconds ? *seconds : minutes;
    if (!degrees.fraction.isEmpty() || (seconds && !minutes.fraction.isEmpty())
        || last.fraction.size() > kMaxSexagesimalDecimals)
        return std::nullopt;
    const std::optional<int> wholeDegrees = smallWhole(degrees.integer);
    const std::optional<int> wholeMinutes = smallWhole(minutes.integer);
    const std::optional<int> wholeSeconds = seconds ? smallWhole(seconds->integer) : 0;
    if (!wholeDegrees || !wholeMinutes || *wholeMinutes >= 60 || !wholeSeconds || *wholeSeconds >= 60)
        return std::nullopt;

    // All in units of the last value's finest written digit.
    qint64 scale = 1;
    for (int i = 0; i < last.fraction.size(); ++i)
        scale *= 10;
    const qint64 lastFraction = last.fraction.toLongLong();
    const qint64 perDegree = (seconds ? 3600 : 60) * scale;
    const qint64 total = seconds
        ? *wholeDegrees * perDegree + *wholeMinutes * 60 * scale + *wholeSeconds * scale + lastFraction
        : *wholeDegrees * perDegree + *wholeMinutes * scale + lastFraction;

    Decimal sum{QString::number(total / perDegree), QString()};
    qint64 rest = total % perDegree;
    // One digit beyond the kept ones decides the rounding: the expansion of
    // an exact quotient never runs on in nines.
    for (int i = 0; i <= kDecimals; ++i) {
        rest *= 10;
        sum.fraction += QChar('0' + int(rest / perDegree));
        rest %= perDegree;
    }
    sum = roundedToEightDecimals(sum);
    // Computed digits, not written ones: trailing zeros say nothing.
    while (sum.fraction.endsWith(QLatin1Char('0')))
        sum.fraction.chop(1);
    return sum;
}

// One value in the program's form; nothing beyond `limit` degrees.
std::optional<QString> written(const Value &value, int limit)
{
    const Decimal number = roundedToEightDecimals(value.degrees);
    const std::optional<int> whole = smallWhole(number.integer);
    if (!whole)
        return std::nullopt;
    const bool fractionIsZero = std::all_of(number.fraction.begin(), number.fraction.end(),
                                            [](QChar c) { return c == QLatin1Char('0'); });
    if (*whole > limit || (*whole == limit && !fractionIsZero))
        return std::nullopt;

    // A zero lies on no side: no "-0".
    const bool southOrWest = value.hemisphere == QLatin1Char('S') || value.hemisphere == QLatin1Char('W');
    const bool negative = (value.negative || southOrWest) && !(*whole == 0 && fractionIsZero);
    QString text = negative ? QStringLiteral("-") : QString();
    text += QString::number(*whole);
    // The limits are written without a fraction, every other whole value but
    // 0 with one.
    if (*whole == limit)
        return text;
    if (!number.fraction.isEmpty())
        return text + QLatin1Char('.') + number.fraction;
    return *whole == 0 ? text : text + QStringLiteral(".0");
}

// Reads values off the text from left to right, whitespace aside.
class Reader
{
public:
    explicit Reader(const QString &text)
        : m_text(text)
    {
    }

    bool atEnd()
    {
        return peek().isNull();
    }

    bool take(bool (*is)(QChar))
    {
        if (!is(peek()))
            return false;
        ++m_position;
        return true;
    }

    // A value: an optional hemisphere letter, an optional minus, degrees with
    // an optional degree sign, minutes and seconds, and a letter after it if
    // there was none before. A letter between two values thus belongs to the
    // first unless the first began with one.
    std::optional<Value> value()
    {
        Value value;
        value.hemisphere = hemisphere();
        value.letterBefore = !value.hemisphere.isNull();
        value.negative = take(isMinus);
        const std::optional<Decimal> degrees = number();
        if (!degrees)
            return std::nullopt;
        value.degrees = *degrees;
        if (take(isDegreeSign)) {
            const int afterDegrees = m_position;
            const std::optional<Decimal> minutes = number();
            if (minutes && takeMinuteSign()) {
                const int afterMinutes = m_position;
                std::optional<Decimal> seconds = number();
                if (!seconds || !takeSecondSign()) {
                    seconds.reset();
                    m_position = afterMinutes;
                }
                const std::optional<Decimal> sum = sexagesimalSum(*degrees, *minutes, seconds);
                if (!sum)
                    return std::nullopt;
                value.degrees = *sum;
            } else {
                // What follows belongs to the next value.
                m_position = afterDegrees;
            }
        }
        if (!value.letterBefore)
            value.hemisphere = hemisphere();
        // A letter and a minus would say the side twice.
        if (value.negative && !value.hemisphere.isNull())
            return std::nullopt;
        return value;
    }

private:
    void skipSpace()
    {
        while (m_position < m_text.size() && m_text.at(m_position).isSpace())
            ++m_position;
    }

    // The next character after any whitespace; null at the end.
    QChar peek()
    {
        skipSpace();
        return m_position < m_text.size() ? m_text.at(m_position) : QChar();
    }

    QChar hemisphere()
    {
        const QChar c = peek();
        // ASCII only: "ſ" would turn into an "S".
        switch (c.unicode()) {
        case 'N': case 'S': case 'E': case 'W':
        case 'n': case 's': case 'e': case 'w':
            ++m_position;
            return c.toUpper();
        default:
            return QChar();
        }
    }

    // Digits with an optional fraction, or a fraction alone (".5").
    std::optional<Decimal> number()
    {
        skipSpace();
        Decimal number;
        number.integer = digits();
        if (m_position + 1 < m_text.size() && m_text.at(m_position) == QLatin1Char('.')
            && isDigit(m_text.at(m_position + 1))) {
            ++m_position;
            number.fraction = digits();
        }
        if (number.integer.isEmpty() && number.fraction.isEmpty())
            return std::nullopt;
        return number;
    }

    QString digits()
    {
        const int start = m_position;
        while (m_position < m_text.size() && isDigit(m_text.at(m_position)))
            ++m_position;
        return m_text.mid(start, m_position - start);
    }

    // A prime, unless it is the first of two.
    bool takeMinuteSign()
    {
        if (!isMinuteSign(peek()) || isSecondPrimePair())
            return false;
        ++m_position;
        return true;
    }

    // A double prime, or two primes as plain text writes it.
    bool takeSecondSign()
    {
        if (take(isSecondSign))
            return true;
        if (!isMinuteSign(peek()) || !isSecondPrimePair())
            return false;
        m_position += 2;
        return true;
    }

    bool isSecondPrimePair() const
    {
        return m_position + 1 < m_text.size() && isMinuteSign(m_text.at(m_position + 1));
    }

    const QString &m_text;
    int m_position = 0;
};

} // namespace

std::optional<QString> pointFromPastedText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (judgeCoordinateText(trimmed) == QValidator::Acceptable)
        return trimmed;

    Reader reader(text);
    const std::optional<Value> first = reader.value();
    const bool comma = first && reader.take(isComma);
    const std::optional<Value> second = first ? reader.value() : std::nullopt;
    if (!second || !reader.atEnd())
        return std::nullopt;
    // Without the comma a letter stands between the two values: in
    // "51°30′26N" the 26 is no second value.
    const bool letterBetween = (!first->hemisphere.isNull() && !first->letterBefore) || second->letterBefore;
    if (!comma && !letterBetween)
        return std::nullopt;

    const Axis firstAxis = axisOf(first->hemisphere);
    const Axis secondAxis = axisOf(second->hemisphere);
    if (firstAxis != Axis::None && firstAxis == secondAxis)
        return std::nullopt;
    // The letters may put the longitude first.
    const bool longitudeFirst = firstAxis == Axis::Longitude || secondAxis == Axis::Latitude;
    const std::optional<QString> latitude = written(longitudeFirst ? *second : *first, 90);
    const std::optional<QString> longitude = written(longitudeFirst ? *first : *second, 180);
    if (!latitude || !longitude)
        return std::nullopt;
    return *latitude + QLatin1Char(',') + *longitude;
}
