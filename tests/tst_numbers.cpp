// Number reading, the three number text forms, and the rounding of plot values to columns.
#include "platform/numbers.h"
#include "plot/geometry.h"

#include <QtTest>

using namespace zelta;

class TstNumbers : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value"); // NaN: the text is refused
        const QLocale c = QLocale::c();
        for (const char *refused : {"abc", "5x", "-", ".", "1e", "1e999", "inf", "nan", "0x10", "1,000", "1 2"})
            QTest::newRow(refused) << QString(refused) << c << qQNaN();
        QTest::newRow("exponent") << "1e1" << c << 10.0;
        QTest::newRow("blanks around") << " 2 " << c << 2.0;
        QTest::newRow("German comma") << "1,5" << QLocale(QLocale::German) << 1.5;
        QTest::newRow("point under German") << "1.5" << QLocale(QLocale::German) << qQNaN();
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        const std::optional<double> read = readNumber(text, locale);
        QCOMPARE(isNumeric(text, locale), !qIsNaN(value)); // agrees with the conversion
        QCOMPARE(read.value_or(qQNaN()), value);
    }
    void forms()
    {
        const QLocale c = QLocale::c();
        QStringList labels, general, readout;
        for (double v : {0.0, 0.5, -0.5, 1.5, 36.0, -24.0})
            labels << printedNumber(v, c);
        QCOMPARE(labels, QStringList({" 0 ", " .5 ", "-.5 ", " 1.5 ", " 36 ", "-24 "}));
        for (double v : {2.5, 3.0, 0.5, 2.0 / 3})
            general << generalNumber(v, c);
        QCOMPARE(general, QStringList({"2.5", "3", "0.5", "0.666666666666667"}));
        for (float v : {0.5f, -4.6f, 0.0f, 2.0f / 3})
            readout << readoutNumber(v, c);
        QCOMPARE(readout, QStringList({"0.5", "-4.6", "0", "0.6666667"}));
    }
    void generalReadsBack_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        // 15 digits of the largest doubles round past the double range: the digits below instead.
        const double largest = std::numeric_limits<double>::max();
        const QString zeros(294, u'0');
        QTest::newRow("largest") << largest << QLocale::c() << "179769313486231" + zeros;
        QTest::newRow("most negative, German") << -largest << QLocale(QLocale::German) << "-179769313486231" + zeros;
        QTest::newRow("rounded within range") << 1.797693134862314e308 << QLocale::c() << "179769313486231" + zeros;
    }
    void generalReadsBack()
    {
        QFETCH(double, value);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(generalNumber(value, locale), text);
        QVERIFY(readNumber(text, locale).has_value());
    }
    void rounding()
    {
        // 62.5 and 187.5 twips right of the origin: halves go to the even column.
        QCOMPARE(int(columnOf(0.125, 500).value_or(0)), 4662);
        QCOMPARE(int(columnOf(0.375, 500).value_or(0)), 4788);
        QVERIFY(!toInt16(32767.5).has_value());
        QVERIFY(!toInt16(-32769).has_value());
    }
};

QTEST_MAIN(TstNumbers)
#include "tst_numbers.moc"
