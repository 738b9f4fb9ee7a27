#include "windows/curve/trace.h"

#include "platform/numbers.h"
#include "platform/twips.h"
#include "plot/geometry.h"
#include "plot/imagesurface.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace zelta {

namespace {
constexpr int MarkPixels = 11;
} // namespace

TraceMark::TraceMark(QWidget *surface) : QLabel(surface)
{
    setObjectName(QStringLiteral("TracePoint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(MarkPixels, MarkPixels);
    hide();
}

void TraceMark::announce(const QString &text)
{
    setText(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void TraceMark::setColour(QRgb colour)
{
    m_colour = colour;
    update();
}

void TraceMark::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QColor::fromRgb(m_colour));
    const int m = MarkPixels / 2;
    p.drawLine(0, m, MarkPixels - 1, m);
    p.drawLine(m, 0, m, MarkPixels - 1);
}

Trace::Trace(ImageSurface *surface, std::function<int()> unitTwips)
    : QObject(surface), m_surface(surface), m_unitTwips(std::move(unitTwips)), m_mark(new TraceMark(surface))
{
    surface->installEventFilter(this);
    connect(surface, &ImageSurface::cleared, this, &Trace::reset);
}

sound::AudioOutput *Trace::output()
{
    if (!m_opened) {
        m_opened = true;
        m_output = sound::openAudioOutput();
    }
    return m_output.get();
}

bool Trace::play(const sound::Samples &stereo)
{
    if (!output())
        return false;
    const std::vector<std::int16_t> pcm = sound::toPcm16(stereo);
    return m_output->play(QByteArray(reinterpret_cast<const char *>(pcm.data()), static_cast<qsizetype>(pcm.size() * 2)));
}

const CurveValues *Trace::curve() const
{
    const auto &curves = m_surface->curves();
    return m_curve >= 0 && m_curve < static_cast<int>(curves.size()) ? &curves[static_cast<std::size_t>(m_curve)] : nullptr;
}

void Trace::reset()
{
    stop();
    m_curve = -1;
    m_column = -1;
    m_mark->hide();
}

void Trace::stop()
{
    m_playingAll = -1;
    if (m_output)
        m_output->stop();
}

void Trace::noOutput()
{
    if (m_toldNoOutput)
        return;
    m_toldNoOutput = true;
    m_mark->announce(QStringLiteral("no sound output"));
}

bool Trace::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_surface && event->type() == QEvent::FocusOut)
        m_mark->hide();
    if (watched == m_surface && event->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = k->modifiers() & ~Qt::KeypadModifier;
        if ((mods == Qt::NoModifier || mods == Qt::ControlModifier) && key(k->key(), mods == Qt::ControlModifier))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool Trace::key(int key, bool control)
{
    static constexpr int Keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                   Qt::Key_Up,   Qt::Key_Down,  Qt::Key_Space};
    if (key == Qt::Key_Escape) {
        const bool playing = m_output && m_output->isPlaying();
        stop();
        return playing;
    }
    if (std::find(std::begin(Keys), std::end(Keys), key) == std::end(Keys) || (control && key != Qt::Key_Left && key != Qt::Key_Right))
        return false;
    const int count = static_cast<int>(m_surface->curves().size());
    if (count == 0) {
        m_mark->announce(QStringLiteral("no curve"));
        return true;
    }
    if (!curve())
        m_curve = count - 1;
    if (key == Qt::Key_Space) {
        if (m_output && m_output->isPlaying())
            stop();
        else
            playCurve();
        return true;
    }
    const CurveValues &c = *curve();
    const int step = control ? BigBox : SmallBox;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        // The first press puts the point at x = 0.
        if (m_column < 0)
            moveTo(OriginColumn);
        else
            moveTo(m_column + (key == Qt::Key_Left ? -step : step));
        break;
    case Qt::Key_Home:
        moveTo(c.firstDefined() >= 0 ? c.firstDefined() : c.firstColumn);
        break;
    case Qt::Key_End:
        moveTo(c.lastDefined() >= 0 ? c.lastDefined() : c.lastColumn());
        break;
    default: // Up and Down: the curve drawn before or after
        m_curve = std::clamp(m_curve + (key == Qt::Key_Up ? -1 : 1), 0, count - 1);
        moveTo(m_column < 0 ? curve()->firstDefined() : m_column, curve()->label + QStringLiteral(", "));
    }
    return true;
}

void Trace::moveTo(int column, const QString &before)
{
    stop();
    const CurveValues &c = *curve();
    if (c.rows.empty() || c.firstDefined() < 0) {
        m_column = -1;
        m_mark->hide();
        m_mark->announce(before + QStringLiteral("no value on this curve"));
        return;
    }
    // The whole width of the grid: where the curve was not drawn it has no value.
    m_column = std::clamp(column, 0, SurfaceWidth);
    const double row = c.rowAt(m_column);
    const double unit = m_unitTwips();
    const QChar separator = QLocale().decimalPoint() == u',' ? u';' : u',';
    QString text = before + QStringLiteral("x ") + readoutNumber(static_cast<float>((m_column - OriginColumn) / unit)) + separator;
    if (std::isnan(row))
        text += QStringLiteral(" no value");
    else
        text += QStringLiteral(" y ") + readoutNumber(static_cast<float>((OriginRow - row) / unit));
    if (row < 0)
        text += separator + QStringLiteral(" above the grid");
    else if (row > SurfaceHeight)
        text += separator + QStringLiteral(" below the grid");
    // The cross stays on the grid: at its edge off it, on the x axis where there is no value.
    const double shown = std::isnan(row) ? double(OriginRow) : std::clamp(row, 0.0, double(SurfaceHeight));
    m_mark->move(static_cast<int>(twipsToPixels(m_column)) - MarkPixels / 2, static_cast<int>(twipsToPixels(shown)) - MarkPixels / 2);
    m_mark->setColour(c.colour);
    if (!play(sound::panned(sound::stepSound(row), double(m_column) / SurfaceWidth)) && !m_toldNoOutput) {
        m_toldNoOutput = true;
        text += QStringLiteral("; no sound output");
    }
    // Shown, the mark is announced by Qt itself; already shown, by us.
    if (m_mark->isHidden()) {
        m_mark->setText(text);
        m_mark->show();
    } else {
        m_mark->announce(text);
    }
}

void Trace::playCurve(bool all)
{
    if (m_surface->curves().empty()) {
        m_mark->announce(QStringLiteral("no curve"));
        return;
    }
    if (!curve())
        m_curve = static_cast<int>(m_surface->curves().size()) - 1;
    stop();
    if (all) {
        m_playingAll = 0;
        playNext();
        return;
    }
    if (curve()->firstDefined() < 0)
        m_mark->announce(curve()->label + QStringLiteral(", no value on this curve"));
    if (!play(sound::sweep(*curve())))
        noOutput();
}

void Trace::playNext()
{
    const auto &curves = m_surface->curves();
    if (m_playingAll < 0 || m_playingAll >= static_cast<int>(curves.size())) {
        m_playingAll = -1;
        return;
    }
    const CurveValues &c = curves[static_cast<std::size_t>(m_playingAll)];
    m_mark->announce(c.label);
    if (!play(sound::sweep(c))) {
        m_playingAll = -1;
        noOutput();
        return;
    }
    // The next curve after this one's three seconds and a breath, unless stopped or replaced.
    const int playing = ++m_playingAll;
    QTimer::singleShot(static_cast<int>(sound::SweepSeconds * 1000) + 500, this, [this, playing] {
        if (m_playingAll == playing)
            playNext();
    });
}

} // namespace zelta
