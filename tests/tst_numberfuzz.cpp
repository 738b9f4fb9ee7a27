// The fuzz target's properties on a fixed-seed stream of texts and values, and on its corpus.
#include "numberproperties.h"
#include "platform/numbers.h"

#include <QtTest>
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

struct Stream {
    std::mt19937_64 engine;
    int below(int n) { return int(engine() % unsigned(n)); }
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
    QString mutated(QString t)
    {
        for (int n = 1 + below(3); n > 0; --n) {
            const int at = below(int(t.size()) + 1), kind = below(4);
            kind == 0 ? void(t.insert(at, piece())) : kind == 1 ? void(t.remove(at, 1))
                      : kind == 2 ? void(t.replace(at, 1, piece())) : void(t.insert(at, t.mid(below(int(t.size()) + 1), below(8))));
        }
        return t;
    }
    // Any bit pattern, a value of a random decade, an integer, a half, or one of the few largest or smallest doubles.
    double value()
    {
        const double sign = below(2) ? -1 : 1;
        switch (below(5)) {
        case 0: return std::bit_cast<double>(std::uint64_t(engine()));
        case 1: return sign * std::ldexp(double(engine()), below(2100) - 1100);
        case 2: return double(std::int64_t(engine())) / (1 + below(1000));
        case 3: return (below(2000000) - 1000000) + 0.5;
        default: return sign * std::bit_cast<double>(below(2) ? 0x7fefffffffffffffu - below(8) : std::uint64_t(below(1 << 20)));
        }
    }
    // Any float bit pattern, or 24 random bits at a random binary exponent.
    float floatValue()
    {
        return below(2) ? std::bit_cast<float>(std::uint32_t(engine())) : (below(2) ? -1 : 1) * std::ldexp(float(below(1 << 24)), below(274) - 170);
    }
};

} // namespace

class TstNumberFuzz : public QObject {
    Q_OBJECT
private slots:
    void properties_data()
    {
        QTest::addColumn<int>("locale");
        QTest::addColumn<int>("form"); // 0..2 the number forms, 3 reading
        for (int locale : {0, 1, 2})
            for (int form : {0, 1, 2, 3})
                QTest::addRow("%s, %s", std::array{"general", "label", "read-out", "reading"}[form],
                              std::array{"C", "English", "German"}[locale]) << locale << form;
    }
    // Random texts, and the program's numbers changed in places, are accepted only as finite numbers;
    // random values in each of the three forms read back within the form's digits.
    void properties()
    {
        QFETCH(int, locale);
        QFETCH(int, form);
        const NumberProperties &p = numberProperties(std::size_t(locale));
        Stream s{std::mt19937_64(130u + unsigned(4 * locale + form))};
        for (int i = 0; i < (form == 3 ? Texts : Values); ++i) {
            const QString broken = form == 0 ? p.general(s.value()) : form == 1 ? p.printed(s.value()) : form == 2 ? p.readout(s.floatValue())
                                 : p.reading(i % 2 ? s.text() : s.mutated(generalNumber(s.value(), p.locale())));
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
        }
    }

    void corpus_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(ZELTA_FUZZ_CORPUS));
        for (const QString &name : dir.entryList(QDir::Files))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
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
