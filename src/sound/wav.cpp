#include "sound/wav.h"

#include "platform/savefile.h"

#include <QtEndian>

namespace zelta::sound {

namespace {
template <class T>
void put(QByteArray &out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}
} // namespace

QByteArray wavBytes(const Samples &stereo)
{
    const std::vector<std::int16_t> pcm = toPcm16(stereo);
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF");
    put<std::uint32_t>(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put<std::uint32_t>(out, 16);
    put<std::uint16_t>(out, 1); // PCM
    put<std::uint16_t>(out, 2);
    put<std::uint32_t>(out, SampleRate);
    put<std::uint32_t>(out, SampleRate * 2 * 2);
    put<std::uint16_t>(out, 4);
    put<std::uint16_t>(out, 16);
    out.append("data");
    put<std::uint32_t>(out, dataBytes);
    // The samples in one piece, not a value at a time: a WAV of thirty curves is eight million bytes.
    const qsizetype header = out.size();
    out.resize(header + static_cast<qsizetype>(dataBytes));
    qToLittleEndian<std::int16_t>(pcm.data(), static_cast<qsizetype>(pcm.size()), out.data() + header);
    return out;
}

Samples allCurves(const std::vector<CurveValues> &curves)
{
    Samples out;
    const Samples gap(2 * static_cast<std::size_t>(SampleRate / 2), 0.0f);
    for (const CurveValues &curve : curves) {
        if (!out.empty())
            out.insert(out.end(), gap.begin(), gap.end());
        const Samples one = sweep(curve);
        out.insert(out.end(), one.begin(), one.end());
    }
    return out;
}

bool saveWav(const std::vector<CurveValues> &curves, const QString &fileName, QString *error)
{
    const auto write = [&curves](QIODevice &device, QString &reason) { return writeAll(device, wavBytes(allCurves(curves)), reason); };
    return saveFile(fileName, write, error);
}

} // namespace zelta::sound
