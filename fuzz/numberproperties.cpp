#include "numberproperties.h"

#include "platform/numbers.h"

#include <QStringView>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <memory>

namespace zelta {

namespace {

// The C library in the C locale is the independent judge of decimal values.
locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

double cRead(const QByteArray &text) { return strtod_l(text.constData(), nullptr, cLocale()); }

// v in scientific notation with `digits` significant digits, rounded by the C library.
QByteArray cScientific(double v, int digits)
{
    const locale_t previous = uselocale(cLocale());
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
    uselocale(previous);
    return buf;
}

// Whether some decimal of `digits` significant digits reads back as v: the one the C library
// rounds to, or a neighbour of it (a shortest form need not be the rounded one).
bool someDigitsReadBack(double v, int digits)
{
    const QByteArray sci = cScientific(v, digits);
    const qsizetype e = sci.indexOf('e');
    const long long mantissa = QByteArray(sci.left(e)).replace('.', "").toLongLong();
    const QByteArray exponent = 'e' + QByteArray::number(sci.mid(e + 1).toInt() - (digits - 1));
    for (long long m : {mantissa - 1, mantissa, mantissa + 1})
        if (cRead(QByteArray::number(m) + exponent) == v)
            return true;
    return false;
}

// The digits from the first to the last that is not a zero.
int significantDigits(const QString &text)
{
    static const QRegularExpression outside(QStringLiteral("^[^1-9]*|[^1-9]*$")), digit(QStringLiteral("[0-9]"));
    return int(QString(text).remove(outside).count(digit));
}

QString bits(double v)
{
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return QString::number(b, 16);
}

} // namespace

NumberProperties::NumberProperties(const QLocale &locale) : m_locale(locale)
{
    const QString d = QRegularExpression::escape(locale.decimalPoint());
    m_grammar.setPattern(QStringLiteral("\\A[ \\t]*[+-]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][+-]?[0-9]+)?[ \\t]*\\z").arg(d));
    m_plain.setPattern(QStringLiteral("\\A-?(0|[1-9][0-9]*)(%1[0-9]*[1-9])?\\z").arg(d));
    m_label.setPattern(QStringLiteral("\\A[ -](0|[1-9][0-9]*(%1[0-9]*[1-9])?|%1[0-9]*[1-9]) \\z").arg(d));
}

QString NumberProperties::failure(const char *property, const QString &text, double v) const
{
    return QStringLiteral("%1 [%2]: text \"%3\", value %4 (bits %5)")
        .arg(QLatin1String(property), m_locale.name(), text, QString::number(v, 'g', 17), bits(v));
}

QString NumberProperties::reading(const QString &text) const
{
    // An exact-size copy, so a read past the end is caught by the address sanitizer.
    std::unique_ptr<QChar[]> exact(new QChar[std::size_t(text.size())]);
    std::copy(text.begin(), text.end(), exact.get());
    const std::optional<double> read = readNumber(QString::fromRawData(exact.get(), text.size()), m_locale);

    const QString dec = m_locale.decimalPoint();
    // Only texts of the grammar's characters reach the pattern (which wants valid UTF-16).
    const bool plainChars = std::all_of(text.begin(), text.end(), [&](QChar c) {
        return (c >= u'0' && c <= u'9') || QStringView(u"+-eE \t").contains(c) || dec.contains(c);
    });
    const bool grammatical = plainChars && m_grammar.match(text).hasMatch();
    if (read && !grammatical)
        return failure("accepted outside the grammar", text, *read);
    if (!grammatical)
        return {};
    const double value = cRead(QString(text).replace(dec, QStringLiteral(".")).trimmed().toLatin1());
    if (read && !std::isfinite(*read))
        return failure("accepted as not finite", text, *read);
    if (read && *read != value)
        return failure("read as another value", text, *read);
    static const QRegularExpression nonZeroDigit(QStringLiteral("\\A[^eE]*[1-9]"));
    const bool underflows = value == 0 && text.contains(nonZeroDigit);
    if (!read && std::isfinite(value) && !underflows)
        return failure("refused within the double range", text, value);
    return {};
}

bool NumberProperties::plainWithin(const QString &text, int digits) const
{
    return m_plain.match(text).hasMatch() && significantDigits(text) <= digits;
}

QString NumberProperties::general(double v) const
{
    if (!std::isfinite(v))
        return {};
    const QString text = generalNumber(v, m_locale);
    if (!plainWithin(text, 15))
        return failure("general form not plain with 15 digits", text, v);
    const std::optional<double> read = readNumber(text, m_locale);
    const QByteArray rounded = cScientific(v, 15);
    const double expected = cRead(rounded);
    if (std::isfinite(expected) ? read != expected : !read)
        return failure("general form does not read back", text, v);
    // Where 15 digits round past the largest double, the nearest 15 digits within it.
    const double unit = std::pow(10.0, std::atoi(rounded.constData() + rounded.indexOf('e') + 1) - 14);
    if (!std::isfinite(expected) && !(std::abs(*read - v) <= unit))
        return failure("general form reads back too far off", text, v);
    return {};
}

QString NumberProperties::printed(double v) const
{
    if (!std::isfinite(v))
        return {};
    const QString text = printedNumber(v, m_locale);
    if (!m_label.match(text).hasMatch() || text.startsWith(u'-') != (v < 0))
        return failure("label form not as drawn", text, v);
    if (readNumber(text, m_locale) != v)
        return failure("label form does not read back", text, v);
    const int digits = significantDigits(text);
    if (digits > 1 && someDigitsReadBack(v, digits - 1))
        return failure("label form not the shortest digits", text, v);
    return {};
}

QString NumberProperties::readout(float v) const
{
    if (!std::isfinite(v))
        return {};
    const QString text = readoutNumber(v, m_locale);
    if (!plainWithin(text, 7))
        return failure("read-out form not plain with 7 digits", text, v);
    if (readNumber(text, m_locale) != cRead(cScientific(v, 7)))
        return failure("read-out form does not read back", text, v);
    return {};
}

const NumberProperties &numberProperties(std::size_t index)
{
    static const NumberProperties all[NumberLocaleCount] = {
        NumberProperties(QLocale::c()), NumberProperties(QLocale(QLocale::English, QLocale::UnitedStates)),
        NumberProperties(QLocale(QLocale::German, QLocale::Germany))};
    return all[index % NumberLocaleCount];
}

QString checkNumberBytes(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    const NumberProperties &p = numberProperties(data[0]);
    const auto forms = [&p](double v) {
        QString broken = p.general(v);
        if (broken.isEmpty())
            broken = p.printed(v);
        if (broken.isEmpty() && std::abs(v) <= std::numeric_limits<float>::max())
            broken = p.readout(float(v));
        return broken;
    };
    if ((data[0] / 3) % 2 == 0) {
        const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
        QString broken = p.reading(text);
        if (const auto read = readNumber(text, p.locale()); broken.isEmpty() && read)
            broken = forms(*read);
        return broken;
    }
    for (std::size_t i = 1; i + sizeof(double) <= size; i += sizeof(double)) {
        double v;
        std::memcpy(&v, data + i, sizeof v);
        if (QString broken = forms(v); !broken.isEmpty())
            return broken;
    }
    return {};
}

} // namespace zelta
