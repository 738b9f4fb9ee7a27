// What must hold for the number reader and the number forms, whatever the input; shared by
// the libFuzzer target and the deterministic run in the tests. Each check gives the empty
// string when the property holds, else what broke.
#pragma once

#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace zelta {

class NumberProperties {
public:
    explicit NumberProperties(const QLocale &locale);

    // A text the reader accepts has the number grammar and converts to its finite value;
    // a grammatical text is refused only beyond the double range; no read past its end.
    QString reading(const QString &text) const;
    // General form: plain digits, at most 15 significant, reading back as v rounded to 15.
    QString general(double v) const;
    // Label form: shortest digits that read back as v, blank before a non-negative value
    // and after every value, no zero before the separator.
    QString printed(double v) const;
    // Read-out form: plain digits, at most 7 significant, reading back as v rounded to 7.
    QString readout(float v) const;

    const QLocale &locale() const { return m_locale; }

private:
    QString failure(const char *property, const QString &text, double v) const;
    // Plain digits with the locale's separator, at most `digits` of them significant.
    bool plainWithin(const QString &text, int digits) const;

    QLocale m_locale;
    QRegularExpression m_grammar, m_plain, m_label;
};

// The three locales the program is run in: C, English, German (a decimal comma).
const NumberProperties &numberProperties(std::size_t index);
constexpr std::size_t NumberLocaleCount = 3;

// The fuzz input: the first byte picks the locale (byte % 3) and the kind ((byte / 3) % 2):
// kind 0 reads the rest as UTF-8 text, kind 1 as 8-byte doubles for the forms.
QString checkNumberBytes(const std::uint8_t *data, std::size_t size);

} // namespace zelta
