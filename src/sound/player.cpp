// The sound module: Qt Multimedia's audio sink behind the program's AudioOutput.
#include "sound/output.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>
#include <memory>

namespace zelta::sound {

// The sound playing, read by the output as it needs it.
class SampleSource : public QIODevice {
public:
    using QIODevice::QIODevice;
    void setSound(QByteArray bytes)
    {
        m_bytes = std::move(bytes);
        m_at = 0;
        m_told = false;
    }
    void clear() { m_at = m_bytes.size(); }
    bool playing() const { return m_at < m_bytes.size(); }
    std::function<void()> *firstRead = nullptr;

protected:
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 n = std::min<qint64>(max, m_bytes.size() - m_at);
        if (n <= 0)
            return 0;
        std::memcpy(data, m_bytes.constData() + m_at, static_cast<std::size_t>(n));
        m_at += n;
        if (!m_told && firstRead && *firstRead) {
            m_told = true;
            (*firstRead)();
        }
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
    qint64 bytesAvailable() const override { return m_bytes.size() - m_at + QIODevice::bytesAvailable(); }

private:
    QByteArray m_bytes;
    qint64 m_at = 0;
    bool m_told = false;
};

namespace {
class Player : public AudioOutput {
public:
    Player(const QAudioDevice &device, const QAudioFormat &format);
    bool play(const QByteArray &pcm) override;
    void stop() override;
    bool isPlaying() const override { return m_source.playing(); }

private:
    QAudioDevice m_device;
    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_sink;
    SampleSource m_source;
};

Player::Player(const QAudioDevice &device, const QAudioFormat &format) : m_device(device), m_format(format)
{
    m_source.firstRead = &firstSampleTaken;
    m_source.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool Player::play(const QByteArray &pcm)
{
    // A sink of its own for each sound: on Qt 6.4 a sink stopped while it drains and started
    // again takes no more samples (measured with tones 100 ms apart).
    m_sink.reset();
    m_source.setSound(pcm);
    m_sink = std::make_unique<QAudioSink>(m_device, m_format);
    // 80 ms: shorter, the server runs dry between the pulls and the sound breaks up (measured at 30 ms).
    m_sink->setBufferSize(44100 * 4 * 80 / 1000);
    m_sink->start(&m_source);
    return m_sink->error() == QAudio::NoError;
}

void Player::stop()
{
    m_source.clear();
    m_sink.reset();
}
} // namespace

extern "C" Q_DECL_EXPORT AudioOutput *zeltaMakeAudioOutput()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return nullptr;
    return new Player(device, format);
}

} // namespace zelta::sound
