// The fuzz target's properties on a fixed-seed stream of texts and values, and on its corpus.
#include "numberproperties.h"
#include "platform/numbers.h"

#include <QtTest>
#include <array>
#include <bit>
#include <random>

using namespace zelta;

namespace {

constexpr int Texts = 20000, Values = 5000; // per locale

// Pieces a user or a paste could bring: the grammar's characters, others that look alike,
// letters, and characters outside the 8-bit range (a lone surrogate too).
const QStringList Pieces = {
    "0", "1", "5", "9", "+", "-", ".", ",", "e", "E", " ", "\t", "x", "a", "inf", "nan", "1e308", "e-400",
    QString(QChar(0x00a0)), QString(QChar(0x2212)), QString(QChar(0x0661)), QString(QChar(0xff11)),
    QString(QChar(0x066b)), QString(QChar(0)), QString(QChar(0xd800)), QStringLiteral("\U0001F600")};

class Stream {
public:
    explicit Stream(unsigned seed) : m_engine(seed) {}
    int below(int n) { return int(m_engine() % unsigned(n)); }
    QString piece() { return Pieces[below(int(Pieces.size()))]; }

    // A run of pieces, now and then one repeated many times.
    QString text()
    {
        QString t;
        for (int n = below(12); n >= 0; --n)
            t += below(20) == 0 ? piece().repeated(1 + below(400)) : piece();
        return t;
    }
    // A number the program wrote, changed in one to three places.
    QString mutated(const QString &number)
    {
        QString t = number;
        for (int n = 1 + below(3); n > 0; --n) {
            const int at = below(int(t.size()) + 1);
            switch (below(4)) {
            case 0: t.insert(at, piece()); break;
            case 1: t.remove(at, 1); break;
            case 2: t.replace(at, 1, piece()); break;
            default: t.insert(at, t.mid(below(int(t.size()) + 1), below(8))); break;
            }
        }
        return t;
    }
    // Any bit pattern, a value of a random decade, an integer, a half, or one of the
    // few largest or smallest doubles.
    double value()
    {
        const double sign = below(2) ? -1 : 1;
        switch (below(5)) {
        case 0: return std::bit_cast<double>(std::uint64_t(m_engine()));
        case 1: return sign * std::ldexp(double(m_engine()), below(2100) - 1100);
        case 2: return double(std::int64_t(m_engine())) / (1 + below(1000));
        case 3: return (below(2000000) - 1000000) + 0.5;
        default: return sign * std::bit_cast<double>(below(2) ? 0x7fefffffffffffffu - below(8) : std::uint64_t(below(1 << 20)));
        }
    }

    // Any float bit pattern, or 24 random bits at a random binary exponent.
    float floatValue()
    {
        return below(2) ? std::bit_cast<float>(std::uint32_t(m_engine()))
                        : (below(2) ? -1 : 1) * std::ldexp(float(below(1 << 24)), below(274) - 170);
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace

class TstNumberFuzz : public QObject {
    Q_OBJECT
    static void locales()
    {
        QTest::addColumn<int>("locale");
        QTest::newRow("C") << 0;
        QTest::newRow("English") << 1;
        QTest::newRow("German") << 2;
    }

private slots:
    void readingTexts_data() { locales(); }
    // Random texts and the program's numbers changed in places: accepted only as finite numbers.
    void readingTexts()
    {
        QFETCH(int, locale);
        const NumberProperties &p = numberProperties(std::size_t(locale));
        Stream s(13u + unsigned(locale));
        for (int i = 0; i < Texts; ++i) {
            const QString text = i % 2 ? s.text() : s.mutated(generalNumber(s.value(), p.locale()));
            const QString broken = p.reading(text);
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
        }
    }

    void forms_data()
    {
        QTest::addColumn<int>("locale");
        QTest::addColumn<int>("form");
        for (int locale : {0, 1, 2})
            for (int form : {0, 1, 2})
                QTest::addRow("%s, %s", std::array{"general", "label", "read-out"}[form],
                              std::array{"C", "English", "German"}[locale]) << locale << form;
    }
    // Random values in each of the three forms read back within the form's digits.
    void forms()
    {
        QFETCH(int, locale);
        QFETCH(int, form);
        const NumberProperties &p = numberProperties(std::size_t(locale));
        Stream s(130u + unsigned(3 * locale + form));
        for (int i = 0; i < Values; ++i) {
            const QString broken = form == 0 ? p.general(s.value()) : form == 1 ? p.printed(s.value()) : p.readout(s.floatValue());
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
        }
    }

    void corpus_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(ZELTA_FUZZ_CORPUS));
        for (const QString &name : dir.entryList(QDir::Files))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
        QVERIFY(!dir.isEmpty());
    }
    // The committed seeds, as the fuzz target reads them.
    void corpus()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString broken = checkNumberBytes(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
};

QTEST_MAIN(TstNumberFuzz)
#include "tst_numberfuzz.moc"
