// The sounds of the trace and of Play Curve, made from a curve's values as plain samples: no
// audio device here, so the same code plays, exports and is tested.
#pragma once

#include "plot/curvevalues.h"

#include <cstdint>
#include <vector>

namespace zelta::sound {

inline constexpr int SampleRate = 44100;
// The bottom of the grid sounds LowPitch, its top two octaves higher.
inline constexpr double LowPitch = 220;
inline constexpr double HighPitch = 880;
inline constexpr double ToneSeconds = 0.08;
inline constexpr double SweepSeconds = 3;

// The pitch of a row on the surface: equal steps in y are equal steps in pitch. Rows off the
// surface sound at its edge.
double pitchOfRow(double row);
// The same for a y value at a scale (twips per unit).
double pitchOf(double y, int unitTwips);

// Mono samples in [-1, 1].
using Samples = std::vector<float>;

// A short tone at the pitch, faded in and out (raised cosine) so it starts and ends without a click.
Samples tone(double hertz, double seconds = ToneSeconds);
// A quieter, wavering tone: the value is off the grid, beyond this edge's pitch.
Samples muffledTone(double hertz);
// A soft tick: the curve has no value here.
Samples tick();
// What one step of the trace sounds: the tone of the row, muffled off the surface, a tick for NaN.
Samples stepSound(double row);

// The curve swept from its first to its last column in the given time, a phase-continuous tone
// panned left to right, muffled at the edge off the grid, silent where it has no value and across a
// pole, with a tick at each big box and a distinct one
// at x = 0. Stereo, interleaved left, right.
Samples sweep(const CurveValues &curve, double seconds = SweepSeconds);

// Samples as 16-bit PCM, clipped.
std::vector<std::int16_t> toPcm16(const Samples &samples);
// Mono samples as stereo, panned: 0 all left, 1 all right.
Samples panned(const Samples &mono, double pan);

} // namespace zelta::sound
