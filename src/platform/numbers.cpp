#include "platform/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zelta {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Fixed-point digits of v with '.' as separator and no trailing zeros. With
// significant > 0 the value is first rounded to that many significant digits,
// otherwise the shortest digits that read back as v are used.
std::string fixedDigits(double v, int significant)
{
    if (v == 0 || !std::isfinite(v))
        return v == 0 ? "0" : (std::isnan(v) ? "nan" : (v < 0 ? "-inf" : "inf"));
    char buf[64];
    auto res = significant > 0
        ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significant - 1)
        : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    std::string sci(buf, res.ptr);
    const auto e = sci.find('e');
    // At 15 digits the largest doubles round up past the double range, and the text would
    // not read back: take the digits below (the last one is a 2 there, never a 0).
    double readBack = 0;
    if (significant > 0 && std::from_chars(sci.data(), sci.data() + sci.size(), readBack).ec == std::errc::result_out_of_range)
        --sci[e - 1];
    const int exponent = std::stoi(sci.substr(e + 1));
    std::string mantissa = sci.substr(0, e);
    const bool negative = mantissa.front() == '-';
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto intLen = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            out = digits + std::string(intLen - digits.size(), '0');
        } else {
            out = digits.substr(0, intLen) + "." + digits.substr(intLen);
        }
    }
    return negative ? "-" + out : out;
}

QString localised(const std::string &s, const QLocale &locale)
{
    QString out = QString::fromStdString(s);
    out.replace(u'.', locale.decimalPoint());
    return out;
}

} // namespace

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    const QString dec = locale.decimalPoint();
    qsizetype i = 0, n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    while (n > i && isBlank(text[n - 1]))
        --n;

    std::string plain;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            plain += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    while (i < n) {
        if (isDigit(text[i])) {
            plain += static_cast<char>(text[i].unicode());
            ++digits;
            ++i;
        } else if (!point && text.mid(i, dec.size()) == dec) {
            plain += '.';
            point = true;
            i += dec.size();
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            plain += static_cast<char>(text[i++].unicode());
        int expDigits = 0;
        while (i < n && isDigit(text[i])) {
            plain += static_cast<char>(text[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;

    double value = 0;
    const char *first = plain.data();
    const char *last = plain.data() + plain.size();
    const auto res = std::from_chars(first, last, value);
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString generalNumber(double v, const QLocale &locale)
{
    return localised(fixedDigits(v, 15), locale);
}

QString printedNumber(double v, const QLocale &locale)
{
    std::string s = fixedDigits(v, 0);
    if (s.rfind("0.", 0) == 0)
        s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0)
        s.erase(1, 1);
    if (!(v < 0))
        s.insert(s.begin(), ' ');
    return localised(s, locale) + u' ';
}

QString readoutNumber(float v, const QLocale &locale)
{
    return localised(fixedDigits(static_cast<double>(v), 7), locale);
}

double roundHalfEven(double v)
{
    return std::nearbyint(v);
}

std::optional<std::int16_t> toInt16(double v)
{
    const double r = roundHalfEven(v);
    if (!(r >= std::numeric_limits<std::int16_t>::min() && r <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

} // namespace zelta
