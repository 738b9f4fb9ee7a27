#include "golden.h"

#include <QDir>
#include <QPainter>

namespace golden {

QString mismatch(const QImage &picture, const QString &name)
{
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    const QString file = QStringLiteral(ZELTAPLOT_GOLDEN_DIR "/%1.png").arg(name);
    if (qgetenv("ZELTAPLOT_GOLDEN") == "update")
        return actual.save(file) ? QString() : QStringLiteral("cannot write ") + file;
    const QImage expected = QImage(file).convertToFormat(QImage::Format_RGB32);
    if (expected.size() == actual.size() && expected == actual)
        return {};
    QDir().mkpath(QStringLiteral(ZELTAPLOT_GOLDEN_OUT));
    const QString out = QStringLiteral(ZELTAPLOT_GOLDEN_OUT "/%1").arg(name);
    actual.save(out + QStringLiteral(".actual.png"));
    if (expected.isNull())
        return QStringLiteral("%1: no golden picture %2").arg(name, file);
    if (expected.size() != actual.size())
        return QStringLiteral("%1: %2x%3 where %4x%5 is expected")
            .arg(name).arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    // The expected picture faded, with every changed pixel in red.
    QImage diff = expected;
    QPainter(&diff).fillRect(diff.rect(), QColor(255, 255, 255, 190));
    int changed = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                diff.setPixel(x, y, qRgb(255, 0, 0));
                ++changed;
            }
    diff.save(out + QStringLiteral(".diff.png"));
    return QStringLiteral("%1: %2 pixels differ; see %3.actual.png and .diff.png").arg(name).arg(changed).arg(out);
}

} // namespace golden
