// The audio output as the program sees it. Qt Multimedia lives in a module of its own
// (player.cpp), loaded on the first sound, so start-up neither loads nor maps it.
#pragma once

#include <QByteArray>

#include <functional>
#include <memory>

namespace zelta::sound {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // 16-bit stereo PCM at 44100 Hz, replacing what plays; false when nothing can play.
    virtual bool play(const QByteArray &pcm) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Called when the output takes the first sample of a sound (timed by the benchmark).
    std::function<void()> firstSampleTaken;
};

// The output of the sound module, or nothing when the module or a sound device is missing. The
// module is looked for beside the program, then in ../lib/zeltaplot/modules from it; ZELTAPLOT_SOUND_MODULE names another.
std::unique_ptr<AudioOutput> openAudioOutput();

} // namespace zelta::sound

// What the module exports: a new output, or null when there is no sound device.
extern "C" using ZeltaMakeAudioOutput = zelta::sound::AudioOutput *();
