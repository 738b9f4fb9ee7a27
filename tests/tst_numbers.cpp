// Number reading and the three number text forms, and the rounding of plot values to columns.
#include "platform/numbers.h"
#include "plot/geometry.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace zelta;

class TstNumbers : public QObject {
    Q_OBJECT
private slots:
    void readNumber_data();
    void readNumber();
    void generalNumber_data();
    void generalNumber();
    void printedNumber_data();
    void printedNumber();
    void readoutNumber_data();
    void readoutNumber();
    void roundHalfEven_data();
    void roundHalfEven();
    void columnOf_data();
    void columnOf();
    void toInt16_data();
    void toInt16();
};

void TstNumbers::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    const QLocale c = QLocale::c();
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German);

    QTest::newRow("letters") << "abc" << c << false << 0.0;
    QTest::newRow("digit then letter") << "5x" << c << false << 0.0;
    QTest::newRow("lone minus") << "-" << c << false << 0.0;
    QTest::newRow("lone plus") << "+" << c << false << 0.0;
    QTest::newRow("lone point") << "." << c << false << 0.0;
    QTest::newRow("trailing point") << "1." << c << true << 1.0;
    QTest::newRow("leading point") << ".5" << c << true << 0.5;
    QTest::newRow("minus leading point") << "-.5" << c << true << -0.5;
    QTest::newRow("plus sign") << "+3" << c << true << 3.0;
    QTest::newRow("negative") << "-9" << c << true << -9.0;
    QTest::newRow("blanks around") << " 2 " << c << true << 2.0;
    QTest::newRow("blank inside") << "1 2" << c << false << 0.0;
    QTest::newRow("blank after sign") << "- 2" << c << false << 0.0;
    QTest::newRow("exponent") << "1e1" << c << true << 10.0;
    QTest::newRow("capital exponent, negative") << "1E-2" << c << true << 0.01;
    QTest::newRow("exponent with plus") << "-2.5e+1" << c << true << -25.0;
    QTest::newRow("exponent without digits") << "1e" << c << false << 0.0;
    QTest::newRow("exponent sign without digits") << "1e+" << c << false << 0.0;
    QTest::newRow("exponent alone") << "e5" << c << false << 0.0;
    QTest::newRow("beyond double range") << "1e999" << c << false << 0.0;
    QTest::newRow("inf") << "inf" << c << false << 0.0;
    QTest::newRow("nan") << "nan" << c << false << 0.0;
    QTest::newRow("hex") << "0x10" << c << false << 0.0;
    QTest::newRow("group separator, C") << "1,000" << c << false << 0.0;
    QTest::newRow("group separator, English") << "1,000" << english << false << 0.0;
    QTest::newRow("decimal point, English") << "4.5" << english << true << 4.5;
    QTest::newRow("decimal comma, German") << "1,5" << german << true << 1.5;
    QTest::newRow("point under German") << "1.5" << german << false << 0.0;
    QTest::newRow("double sign") << "--1" << c << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << c << false << 0.0;
    QTest::newRow("empty") << "" << c << false << 0.0;
    QTest::newRow("blanks only") << "   " << c << false << 0.0;
}

void TstNumbers::readNumber()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(bool, numeric);
    QFETCH(double, value);

    const std::optional<double> read = zelta::readNumber(text, locale);
    QCOMPARE(read.has_value(), numeric);
    // The check and the conversion must agree, so a text that passes always converts.
    QCOMPARE(isNumeric(text, locale), numeric);
    if (numeric)
        QCOMPARE(*read, value);
}

void TstNumbers::generalNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    QTest::newRow("whole") << 3.0 << c << "3";
    QTest::newRow("fraction") << 2.5 << c << "2.5";
    QTest::newRow("leading zero") << 0.5 << c << "0.5";
    QTest::newRow("negative") << -0.25 << c << "-0.25";
    QTest::newRow("zero") << 0.0 << c << "0";
    QTest::newRow("small, no exponent") << 1e-5 << c << "0.00001";
    QTest::newRow("big, no exponent") << 1e20 << c << "100000000000000000000";
    QTest::newRow("15 significant digits") << 123456789012345678.0 << c << "123456789012346000";
    QTest::newRow("third") << 1.0 / 3 << c << "0.333333333333333";
    QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << c << "0.3";
    QTest::newRow("German comma") << 2.5 << QLocale(QLocale::German) << "2,5";
}

void TstNumbers::generalNumber()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(zelta::generalNumber(value, locale), text);
}

void TstNumbers::printedNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << " 0 ";
    QTest::newRow("half") << 0.5 << " .5 ";
    QTest::newRow("minus half") << -0.5 << "-.5 ";
    QTest::newRow("one and a half") << 1.5 << " 1.5 ";
    QTest::newRow("minus one and a half") << -1.5 << "-1.5 ";
    QTest::newRow("36") << 36.0 << " 36 ";
    QTest::newRow("-24") << -24.0 << "-24 ";
    QTest::newRow("4.5") << 4.5 << " 4.5 ";
    QTest::newRow("minus three") << -3.0 << "-3 ";
}

void TstNumbers::printedNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(zelta::printedNumber(value, QLocale::c()), text);
}

void TstNumbers::readoutNumber_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("half") << 0.5f << "0.5";
    QTest::newRow("left edge at half scale") << -4.6f << "-4.6";
    QTest::newRow("top edge at half scale") << 3.4f << "3.4";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("one column") << 1.0f / 500.0f << "0.002";
    QTest::newRow("seven digits") << 1.0f / 3.0f << "0.3333333";
    QTest::newRow("seven digits, minus") << -2.0f / 3.0f << "-0.6666667";
    QTest::newRow("seven digits, whole part") << 1234.5678f << "1234.568";
    QTest::newRow("whole") << 27.0f << "27";
}

void TstNumbers::readoutNumber()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(zelta::readoutNumber(value, QLocale::c()), text);
}

void TstNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("4662.5 down to even") << 4662.5 << 4662.0;
    QTest::newRow("4787.5 up to even") << 4787.5 << 4788.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
    QTest::newRow("below half") << 4600.25 << 4600.0;
    QTest::newRow("above half") << 4600.51 << 4601.0;
}

void TstNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(zelta::roundHalfEven(value), rounded);
}

void TstNumbers::columnOf_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("unitTwips");
    QTest::addColumn<int>("column");

    // column = x * UnitTwips + 4600, rounded half to even.
    QTest::newRow("-9, one unit") << -9.0 << 500 << 100;
    QTest::newRow("9, one unit") << 9.0 << 500 << 9100;
    QTest::newRow("-4.5, half unit") << -4.5 << 1000 << 100;
    QTest::newRow("4.5, half unit") << 4.5 << 1000 << 9100;
    QTest::newRow("36, four units") << 36.0 << 125 << 9100;
    QTest::newRow("2, one unit") << 2.0 << 500 << 5600;
    QTest::newRow("4662.5") << 0.125 << 500 << 4662;
    QTest::newRow("4787.5") << 0.375 << 500 << 4788;
    QTest::newRow("0.5, four units") << 0.5 << 125 << 4662;
    QTest::newRow("1.5, four units") << 1.5 << 125 << 4788;
    QTest::newRow("4600.5") << 0.001 << 500 << 4600;
    QTest::newRow("4600.25") << 0.0005 << 500 << 4600;
    QTest::newRow("4599.5") << -0.001 << 500 << 4600;
    QTest::newRow("4601.5") << 0.003 << 500 << 4602;
    // -1: the column does not fit in 16 bits.
    QTest::newRow("54600") << 100.0 << 500 << -1;
    QTest::newRow("-45400") << -100.0 << 500 << -1;
}

void TstNumbers::columnOf()
{
    QFETCH(double, x);
    QFETCH(int, unitTwips);
    QFETCH(int, column);
    const std::optional<std::int16_t> c = zelta::columnOf(x, static_cast<std::int16_t>(unitTwips));
    QCOMPARE(c.has_value(), column >= 0);
    if (c)
        QCOMPARE(int(*c), column);
}

void TstNumbers::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("result");

    QTest::newRow("largest") << 32767.0 << true << 32767;
    QTest::newRow("rounds down to largest") << 32767.4 << true << 32767;
    QTest::newRow("half rounds to 32768") << 32767.5 << false << 0;
    QTest::newRow("smallest") << -32768.0 << true << -32768;
    QTest::newRow("half rounds to smallest") << -32768.5 << true << -32768;
    QTest::newRow("below smallest") << -32769.0 << false << 0;
    QTest::newRow("huge") << 1e300 << false << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("half to even") << 2.5 << true << 2;
}

void TstNumbers::toInt16()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, result);
    const std::optional<std::int16_t> r = zelta::toInt16(value);
    QCOMPARE(r.has_value(), fits);
    if (fits)
        QCOMPARE(int(*r), result);
}

QTEST_MAIN(TstNumbers)
#include "tst_numbers.moc"
