// The audio output, made on first use so start-up does not pay for it: plays samples from the
// synthesis, each new sound replacing the one playing.
#pragma once

#include "sound/synth.h"

#include <QObject>

#include <functional>

class QAudioSink;

namespace zelta::sound {

class SampleSource;

class Player : public QObject {
    Q_OBJECT
public:
    explicit Player(QObject *parent = nullptr);
    ~Player() override;

    // Interleaved stereo at SampleRate; false when there is no sound output (nothing plays).
    bool play(const Samples &stereo);
    void stop();
    bool isPlaying() const;

    // Called when the output takes the first sample of a sound (timed by the benchmark).
    std::function<void()> firstSampleTaken;

private:
    bool open();

    QAudioSink *m_sink = nullptr;
    SampleSource *m_source = nullptr;
    bool m_tried = false;
};

// Mono samples as stereo, panned: 0 all left, 1 all right.
Samples panned(const Samples &mono, double pan);

} // namespace zelta::sound
