#include "plot/surfacerecord.h"

namespace zelta {

void SurfaceRecord::clear()
{
    // Up to about thirty curves' worth is kept, so the next drawing need not grow it again.
    constexpr std::size_t Kept = 1 << 18;
    if (m_rows.capacity() > Kept || m_ops.capacity() > Kept / 8) {
        *this = SurfaceRecord();
        return;
    }
    m_ops.clear();
    m_rows.clear();
    m_texts.clear();
}

const SurfaceRecord::Text &SurfaceRecord::text(float x, float y, const QString &text, const QFont &font, QRgb colour)
{
    m_ops.push_back(Op{Op::Text, colour, x, y, x, y, static_cast<std::uint32_t>(m_texts.size()), 1});
    m_texts.push_back(Text{x, y, text, font, colour});
    return m_texts.back();
}

std::size_t SurfaceRecord::bytes() const
{
    std::size_t texts = m_texts.capacity() * sizeof(Text);
    for (const Text &t : m_texts)
        texts += static_cast<std::size_t>(t.text.capacity()) * sizeof(QChar);
    return sizeof(*this) + m_ops.capacity() * sizeof(Op) + m_rows.capacity() * sizeof(float) + texts;
}

} // namespace zelta
