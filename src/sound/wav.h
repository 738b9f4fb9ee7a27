// Every curve swept in turn as a 16-bit PCM WAV file, for a student who cannot see the graph.
#pragma once

#include "sound/synth.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace zelta::sound {

// A stereo 16-bit PCM WAV of the interleaved samples at SampleRate.
QByteArray wavBytes(const Samples &stereo);
// The curves' sweeps one after another, a short silence between two.
Samples allCurves(const std::vector<CurveValues> &curves);
// Saves the WAV of the curves as every file is saved: whole or not at all, the earlier file kept on failure.
bool saveWav(const std::vector<CurveValues> &curves, const QString &fileName, QString *error);

// How the export dialog offers it, after the pictures.
inline constexpr const char *WavFilter = "WAV sound (*.wav)";

} // namespace zelta::sound
