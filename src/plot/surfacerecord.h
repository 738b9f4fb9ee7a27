// What the drawing surface drew since it was last cleared, in order and in twips, so the same
// picture can be drawn again on any painter at any size: files, paper, the screen itself.
#pragma once

#include <QFont>
#include <QRgb>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelta {

class SurfaceRecord {
public:
    struct Text {
        float x, y; // top-left corner
        QString text;
        QFont font;
        QRgb colour;
    };

    // Cls: the record is empty again and gives back what a long drawing took.
    void clear();

    void line(float x1, float y1, float x2, float y2, QRgb colour)
    {
        m_ops.push_back(Op{Op::Line, colour, x1, y1, x2, y2, 0, 0});
    }
    // Points of one colour at consecutive columns are one run of rows: a curve costs a float a column.
    void point(float x, float y, QRgb colour) { points(x, &y, 1, colour); }
    // A run of points at consecutive columns, joined to the run before where it goes on from it.
    void points(float firstColumn, const float *rows, std::size_t count, QRgb colour)
    {
        if (count == 0)
            return;
        Op *run = m_ops.empty() ? nullptr : &m_ops.back();
        if (run && run->kind == Op::Points && run->colour == colour && run->x1 + static_cast<float>(run->count) == firstColumn)
            run->count += static_cast<std::uint32_t>(count);
        else
            m_ops.push_back(Op{Op::Points, colour, firstColumn, 0, 0, 0, static_cast<std::uint32_t>(m_rows.size()),
                               static_cast<std::uint32_t>(count)});
        m_rows.insert(m_rows.end(), rows, rows + count);
    }
    const Text &text(float x, float y, const QString &text, const QFont &font, QRgb colour);

    bool isEmpty() const { return m_ops.empty(); }
    // Memory the record holds, in bytes.
    std::size_t bytes() const;

    // Hands every operation, in the order drawn, to the canvas: line(x1, y1, x2, y2, colour),
    // points(firstColumn, rows, count, colour) for a run, text(const Text &).
    template <class Canvas>
    void replay(Canvas &canvas) const
    {
        for (const Op &op : m_ops) {
            switch (op.kind) {
            case Op::Line:
                canvas.line(op.x1, op.y1, op.x2, op.y2, op.colour);
                break;
            case Op::Points:
                canvas.points(op.x1, m_rows.data() + op.first, op.count, op.colour);
                break;
            case Op::Text:
                canvas.text(m_texts[op.first]);
                break;
            }
        }
    }

private:
    struct Op {
        enum Kind : std::uint8_t { Line, Points, Text } kind;
        QRgb colour;
        float x1, y1, x2, y2;       // a line's ends; a run's first column in x1
        std::uint32_t first, count; // a run's rows in m_rows; a text's index in m_texts
    };
    std::vector<Op> m_ops;
    std::vector<float> m_rows;
    std::vector<Text> m_texts;
};

} // namespace zelta
