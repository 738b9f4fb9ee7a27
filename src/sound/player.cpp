#include "sound/player.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

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

Player::Player(QObject *parent) : QObject(parent) {}

Player::~Player()
{
    if (m_sink)
        m_sink->stop();
}

bool Player::open()
{
    if (m_tried)
        return m_sink != nullptr;
    m_tried = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;
    m_sink = new QAudioSink(device, format, this);
    // 80 ms: shorter, the server runs dry between the pulls and the sound breaks up (measured at 30 ms).
    m_sink->setBufferSize(SampleRate * 4 * 80 / 1000);
    m_source = new SampleSource(this);
    m_source->firstRead = &firstSampleTaken;
    m_source->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return true;
}

bool Player::play(const Samples &stereo)
{
    if (!open())
        return false;
    const std::vector<std::int16_t> pcm = toPcm16(stereo);
    m_sink->stop();
    m_source->setSound(QByteArray(reinterpret_cast<const char *>(pcm.data()), static_cast<qsizetype>(pcm.size() * 2)));
    m_sink->start(m_source);
    return m_sink->error() == QAudio::NoError;
}

void Player::stop()
{
    if (!m_sink)
        return;
    m_source->clear();
    m_sink->stop();
}

bool Player::isPlaying() const { return m_source && m_source->playing(); }

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
