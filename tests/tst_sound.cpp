// The sounds from plain values: pitch measured by zero crossings against values worked out by
// hand (220 Hz at the grid's bottom, two octaves up at its top), and the WAV read back.
#include "equation/sketch.h"
#include "presets/presets.h"
#include "sound/wav.h"
#include "plot/imagesurface.h"
#include "sound/output.h"

#include <QtTest>
#include <QtEndian>
#include <QProcess>

using namespace zelta;
using namespace zelta::sound;

namespace {
// Hertz from the rising zero crossings in [from, to) of one channel of interleaved samples.
double measuredPitch(const Samples &s, std::size_t from, std::size_t to, std::size_t channels = 1)
{
    double first = -1, last = -1;
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        const float a = s[(i - 1) * channels] + s[(i - 1) * channels + channels - 1];
        const float b = s[i * channels] + s[i * channels + channels - 1];
        if (a < 0 && b >= 0) {
            const double t = double(i - 1) + a / (a - b);
            (first < 0 ? first : last) = t;
            ++crossings;
        }
    }
    return crossings < 2 ? 0 : (crossings - 1) * double(SampleRate) / (last - first);
}
} // namespace

class TstSound : public QObject {
    Q_OBJECT
private slots:
    void tonePitch_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("unitTwips");
        QTest::addColumn<double>("hertz");
        QTest::newRow("bottom, one unit") << -6.8 << 500 << 220.0;
        QTest::newRow("middle, one unit") << 0.0 << 500 << 440.0;
        QTest::newRow("top, one unit") << 6.8 << 500 << 880.0;
        QTest::newRow("a quarter up, one unit") << -3.4 << 500 << 311.127; // 220 x sqrt 2
        QTest::newRow("bottom, half a unit") << -3.4 << 1000 << 220.0;
        QTest::newRow("top, half a unit") << 3.4 << 1000 << 880.0;
        QTest::newRow("above the grid, at its edge") << 10.0 << 500 << 880.0;
    }
    void tonePitch()
    {
        QFETCH(double, y);
        QFETCH(int, unitTwips);
        QFETCH(double, hertz);
        const Samples s = tone(pitchOf(y, unitTwips));
        QCOMPARE(s.size(), std::size_t(3528)); // 80 ms
        const double measured = measuredPitch(s, 441, s.size() - 441); // inside the 10 ms fades
        QVERIFY2(std::abs(measured - hertz) < hertz * 0.002, qPrintable(QString::number(measured)));
        // No click: silence at both ends, and no step larger than a full sine's at 880 Hz.
        QVERIFY(std::abs(s.front()) < 1e-3f && std::abs(s.back()) < 1e-3f);
        for (std::size_t i = 1; i < s.size(); ++i)
            QVERIFY(std::abs(s[i] - s[i - 1]) < 0.5f * 0.126f);
    }

    // y = x and y = x^2 at one unit: 3 s each, 132 300 frames, a half second between.
    void wavReadBack()
    {
        ImageSurface surface;
        EquationState state;
        RandomSequence random;
        for (int p : {0, 1})
            drawPreset(surface, state, 500, Presets[std::size_t(p)], QFont(), random);
        const QByteArray wav = wavBytes(allCurves(surface.curves()));
        QCOMPARE(wav.size(), 44 + (132300 * 2 + 22050) * 4);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 22), quint16(2));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 24), quint32(44100));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 34), quint16(16));
        Samples back(std::size_t(wav.size() - 44) / 2);
        for (std::size_t i = 0; i < back.size(); ++i)
            back[i] = qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * i) / 32767.0f;
        // Column c of 9200 (from 1) sounds at frame (c - 1) x 132300 / 9200; x = -9 at column 100.
        const auto pitchAt = [&](int curve, double x) {
            const std::size_t at = std::size_t(curve * 154350 + (4599 + x * 500) * 132300 / 9200);
            return measuredPitch(back, at + 300, at + 1200, 2); // past the tick, 20 ms
        };
        // y = x: the bottom edge at -9 (off the grid), 440 Hz near 0 (y up to 0.14: 448 Hz), top at 9.
        QVERIFY(std::abs(pitchAt(0, -9) - 220) < 2);
        QVERIFY(std::abs(pitchAt(0, 0) - 444) < 6);
        QVERIFY(std::abs(pitchAt(0, 8.8) - 880) < 4);
        // y = x^2: off the top at both ends, 440 Hz at 0.
        QVERIFY(std::abs(pitchAt(1, -9) - 880) < 4);
        QVERIFY(std::abs(pitchAt(1, 0) - 440) < 2);
        QVERIFY(std::abs(pitchAt(1, 8.8) - 880) < 4);
    }

    // tan x at one unit: off the top, then off the bottom at x = pi/2 (column 5385): silence there.
    void tanSilentAtPoles()
    {
        ImageSurface surface;
        EquationState state;
        RandomSequence random;
        drawPreset(surface, state, 500, Presets[7], QFont(), random);
        const Samples s = sweep(surface.curves().at(0));
        const std::size_t pole = (5385 - 1) * 132300 / 9200;
        for (std::size_t f = pole - 30; f < pole + 30; ++f)
            QVERIFY(std::abs(s[2 * f]) < 1e-3f && std::abs(s[2 * f + 1]) < 1e-3f);
        // Not silence throughout: x = 1.2 is on the grid.
        QVERIFY(*std::max_element(s.begin() + 2 * (pole - 3000), s.begin() + 2 * (pole - 2100)) > 0.1f);
    }

    // Through the audio output to a null sink, recorded from its monitor (playback.sh starts it):
    // a second each at the bottom, the middle and the top of the grid.
    void playback()
    {
        QVERIFY(!qEnvironmentVariableIsEmpty("ZELTAPLOT_SINK"));
        CurveValues curve{QString(), 0, 1, std::vector<double>(9000, 6800)};
        std::fill(curve.rows.begin() + 3000, curve.rows.begin() + 6000, 3400);
        std::fill(curve.rows.begin() + 6000, curve.rows.end(), 0);
        QProcess rec;
        rec.start("parec", {"-d", qgetenv("ZELTAPLOT_SINK") + ".monitor", "--raw", "--format=s16le", "--rate=44100", "--channels=2", "--latency-msec=20"});
        QTRY_VERIFY(rec.bytesAvailable() > 0); // recording
        QTest::qWait(100);
        const std::unique_ptr<AudioOutput> output = openAudioOutput();
        QVERIFY(output);
        const std::vector<std::int16_t> pcm = toPcm16(sweep(curve));
        QVERIFY(output->play(QByteArray(reinterpret_cast<const char *>(pcm.data()), qsizetype(pcm.size() * 2))));
        QTest::qWait(4000);
        rec.terminate();
        QVERIFY(rec.waitForFinished());
        const QByteArray raw = rec.readAllStandardOutput();
        Samples got(std::size_t(raw.size()) / 2);
        for (std::size_t i = 0; i < got.size(); ++i)
            got[i] = qFromLittleEndian<qint16>(raw.constData() + 2 * i) / 32767.0f;
        std::size_t onset = 0;
        while (2 * onset + 1 < got.size() && std::abs(got[2 * onset]) + std::abs(got[2 * onset + 1]) < 0.01f)
            ++onset;
        QVERIFY2(2 * (onset + 132300) <= got.size(), "the recording holds less than the sweep");
        for (const auto &[second, hertz] : {std::pair{0, 220.0}, {1, 440.0}, {2, 880.0}}) {
            const std::size_t at = onset + std::size_t(second) * 44100 + 11025;
            QVERIFY2(std::abs(measuredPitch(got, at, at + 22050, 2) - hertz) < hertz * 0.005, qPrintable(QString::number(hertz)));
        }
    }
};

QTEST_MAIN(TstSound)
#include "tst_sound.moc"
