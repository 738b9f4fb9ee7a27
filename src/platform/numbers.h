// Reading numbers typed by the user and writing numbers in the program's three text forms.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace zelta {

// The one number reading: blanks around, optional sign, digits with at most one
// decimal separator of the locale, optional exponent. Nothing else (no inf, nan,
// hex, group separators, values beyond the double range).
std::optional<double> readNumber(const QString &text, const QLocale &locale = QLocale());
inline bool isNumeric(const QString &text, const QLocale &locale = QLocale())
{
    return readNumber(text, locale).has_value();
}

// General form: no exponent, at most 15 significant digits, no trailing zeros ("2.5", "0.5").
QString generalNumber(double v, const QLocale &locale = QLocale());
// Form of a number printed on the surface: shortest digits, no leading zero,
// a blank before a non-negative value and one after every value (" .5 ", "-24 ").
QString printedNumber(double v, const QLocale &locale = QLocale());
// Pointer read-out form: at most 7 significant digits, leading zero ("-4.6", "0.5").
QString readoutNumber(float v, const QLocale &locale = QLocale());

// Rounding to an integer is half to even everywhere.
double roundHalfEven(double v);
// Rounded to a 16-bit integer, or nothing when the value does not fit.
std::optional<std::int16_t> toInt16(double v);

} // namespace zelta
