#include "sound/synth.h"

#include "plot/geometry.h"
#include "platform/vectorstate.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelta::sound {

namespace {
constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double FadeSeconds = 0.01;
constexpr float Loud = 0.5f;

// Raised-cosine ramp over the first and last FadeSeconds.
double envelope(std::size_t i, std::size_t count)
{
    const double fade = FadeSeconds * SampleRate;
    const double fromEdge = static_cast<double>(std::min(i, count - 1 - i));
    return fromEdge >= fade ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * fromEdge / fade);
}

std::size_t samplesFor(double seconds) { return static_cast<std::size_t>(std::lround(seconds * SampleRate)); }

// A click of decaying noise-free sine: short and high, so it does not sound like the curve.
void addTick(Samples &stereo, std::size_t frame, double hertz, double seconds, float level)
{
    const std::size_t n = samplesFor(seconds);
    for (std::size_t i = 0; i < n && 2 * (frame + i) + 1 < stereo.size(); ++i) {
        const float s = level * static_cast<float>(envelope(i, n) * std::sin(TwoPi * hertz * static_cast<double>(i) / SampleRate));
        stereo[2 * (frame + i)] += s;
        stereo[2 * (frame + i) + 1] += s;
    }
}
} // namespace

double pitchOfRow(double row)
{
    const double up = (SurfaceHeight - std::clamp(row, 0.0, double(SurfaceHeight))) / SurfaceHeight;
    return LowPitch * std::exp2(2 * up);
}

double pitchOf(double y, int unitTwips) { return pitchOfRow(OriginRow - y * unitTwips); }

Samples tone(double hertz, double seconds)
{
    clearVectorState();
    const std::size_t n = samplesFor(seconds);
    Samples out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = Loud * static_cast<float>(envelope(i, n) * std::sin(TwoPi * hertz * static_cast<double>(i) / SampleRate));
    return out;
}

Samples muffledTone(double hertz)
{
    Samples out = tone(hertz);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] *= 0.4f * static_cast<float>(0.6 + 0.4 * std::cos(TwoPi * 12 * static_cast<double>(i) / SampleRate));
    return out;
}

Samples tick()
{
    Samples stereo(2 * samplesFor(ToneSeconds), 0.0f);
    addTick(stereo, 0, 2000, 0.004, 0.15f);
    Samples mono(stereo.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = stereo[2 * i];
    return mono;
}

Samples stepSound(double row)
{
    if (std::isnan(row))
        return tick();
    if (row < 0 || row > SurfaceHeight)
        return muffledTone(pitchOfRow(row));
    return tone(pitchOfRow(row));
}

namespace {
enum class Voice : std::uint8_t { Silent, Muffled, Clear };

// What each column sounds like in a sweep: clear on the grid, muffled at the edge off it, silent
// with no value and across a pole (off one edge, then off the other with nothing on the grid between).
std::vector<Voice> voices(const std::vector<double> &rows)
{
    std::vector<Voice> out(rows.size(), Voice::Silent);
    std::size_t i = 0;
    while (i < rows.size()) {
        const double r = rows[i];
        if (!std::isnan(r) && r >= 0 && r <= SurfaceHeight) {
            out[i++] = Voice::Clear;
            continue;
        }
        const std::size_t start = i;
        bool above = false, below = false;
        for (; i < rows.size() && (std::isnan(rows[i]) || rows[i] < 0 || rows[i] > SurfaceHeight); ++i) {
            above = above || rows[i] < 0;
            below = below || rows[i] > SurfaceHeight;
        }
        if (!(above && below))
            for (std::size_t j = start; j < i; ++j)
                out[j] = std::isnan(rows[j]) ? Voice::Silent : Voice::Muffled;
    }
    return out;
}
} // namespace

Samples sweep(const CurveValues &curve, double seconds)
{
    clearVectorState();
    const std::size_t frames = samplesFor(seconds);
    Samples out(2 * frames, 0.0f);
    const std::size_t columns = curve.rows.size();
    if (columns == 0)
        return out;
    const std::vector<Voice> voice = voices(curve.rows);
    double phase = 0;
    double level = 0; // eases to each column's loudness: no click where the curve breaks
    const double step = 1.0 / (FadeSeconds * SampleRate / 2);
    std::size_t lastColumn = columns;
    double advance = 0, left = 0, right = 0; // per column: a column lasts a few samples
    for (std::size_t f = 0; f < frames; ++f) {
        const std::size_t c = f * columns / frames;
        const double target = voice[c] == Voice::Clear     ? 1.0
                              : voice[c] == Voice::Muffled ? 0.4 * (0.6 + 0.4 * std::cos(TwoPi * 12 * static_cast<double>(f) / SampleRate))
                                                           : 0.0;
        level = level < target ? std::min(target, level + step) : std::max(target, level - step);
        if (c != lastColumn) {
            advance = voice[c] == Voice::Silent ? 0 : TwoPi * pitchOfRow(curve.rows[c]) / SampleRate;
            const double pan = std::numbers::pi / 2 * (static_cast<double>(c) / static_cast<double>(columns));
            left = std::cos(pan);
            right = std::sin(pan);
        }
        phase += advance;
        if (phase >= TwoPi)
            phase -= TwoPi;
        const double s = Loud * level * envelope(f, frames) * std::sin(phase);
        out[2 * f] = static_cast<float>(s * left);
        out[2 * f + 1] = static_cast<float>(s * right);
        if (c != lastColumn) {
            lastColumn = c;
            const int column = curve.firstColumn + static_cast<int>(c);
            if (column == OriginColumn)
                addTick(out, f, 1200, 0.012, 0.3f);
            else if ((column - OriginColumn) % BigBox == 0)
                addTick(out, f, 3000, 0.003, 0.12f);
        }
    }
    return out;
}

std::vector<std::int16_t> toPcm16(const Samples &samples)
{
    std::vector<std::int16_t> out(samples.size());
    std::transform(samples.begin(), samples.end(), out.begin(), [](float s) {
        return static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767));
    });
    return out;
}

Samples panned(const Samples &mono, double pan)
{
    const double angle = std::numbers::pi / 2 * std::clamp(pan, 0.0, 1.0);
    const auto left = static_cast<float>(std::cos(angle)), right = static_cast<float>(std::sin(angle));
    Samples out(2 * mono.size());
    for (std::size_t i = 0; i < mono.size(); ++i) {
        out[2 * i] = mono[i] * left;
        out[2 * i + 1] = mono[i] * right;
    }
    return out;
}

} // namespace zelta::sound
