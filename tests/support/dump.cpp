#include "dump.h"

#include "zeltatest.h"

#include <QRegularExpression>
#include <QPainter>
#include <QImageReader>
#include <QMimeDatabase>

namespace dump {

namespace {

QString quoted(const QString &text) { return u'"' + QString(text).replace(u'\n', QLatin1String("\\n")) + u'"'; }

// The width a button, label or frame leaves its caption, as the style lays it out; -1 for others.
int room(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        const auto element = qobject_cast<QRadioButton *>(w) ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
        return w->style()->subElementRect(element, &o, w).width();
    }
    if (w->inherits("zelta::TraceMark")) // a cross on screen; its text is only spoken
        return -1;
    return qobject_cast<QLabel *>(w) ? w->contentsRect().width() : qobject_cast<QGroupBox *>(w) ? w->width() : -1;
}

// Its role, and its name where that is not the caption shown.
QString spoken(QAccessibleInterface *a, QString caption = {})
{
    if (!a)
        return {};
    QString s = QStringLiteral(" [") + QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(a->role()));
    if (const QString name = a->text(QAccessible::Name); name != caption.remove(u'&'))
        s += u' ' + quoted(name);
    if (const QString d = a->text(QAccessible::Description); !d.isEmpty())
        s += QStringLiteral(" about ") + quoted(d);
    if (const QString k = a->text(QAccessible::Accelerator); !k.isEmpty())
        s += u' ' + k;
    return s + u']';
}

// A box's or button's text, a frame's or menu's title; of a help text, its length.
QString text(QWidget *w)
{
    if (auto *t = qobject_cast<QTextEdit *>(w))
        return QStringLiteral("%1 characters").arg(t->toPlainText().size());
    const QVariant text = w->property("text");
    return (text.isValid() ? text : w->property("title")).toString();
}

void control(QStringList &out, QWidget *window, QWidget *w)
{
    QString line = QStringLiteral("%1.%2: %3").arg(window->objectName(), w->objectName(), quoted(text(w)));
    const QRect g = w->geometry();
    line += QStringLiteral(" @%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    // Hidden or disabled itself: a frame's state is on the frame's line.
    if (w->isHidden())
        line += QStringLiteral(" hidden");
    if (!w->isEnabledTo(w->parentWidget()))
        line += QStringLiteral(" disabled");
    if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isChecked())
        line += QStringLiteral(" checked");
    const QString caption = text(w).remove(u'&');
    if (room(w) >= 0 && !Qt::mightBeRichText(caption) && QFontMetrics(w->font()).boundingRect(caption).width() > room(w))
        line += QStringLiteral(" clipped");
    if (!w->toolTip().isEmpty())
        line += QStringLiteral(" tip ") + quoted(w->toolTip());
    out << line + spoken(QAccessible::queryAccessibleInterface(w), text(w));
}

void action(QStringList &out, QWidget *window, QAction *a)
{
    QString line = QStringLiteral("%1.%2: %3").arg(window->objectName(), a->objectName(), quoted(a->text()));
    if (!a->shortcut().isEmpty())
        line += u' ' + a->shortcut().toString();
    if (!a->isEnabled())
        line += QStringLiteral(" disabled");
    if (!a->isVisible())
        line += QStringLiteral(" hidden");
    // A screen reader meets the item as its menu's child.
    if (auto *menu = qobject_cast<QMenu *>(a->parent()); menu && menu->actions().contains(a))
        if (QAccessibleInterface *m = QAccessible::queryAccessibleInterface(menu))
            line += spoken(m->child(int(menu->actions().indexOf(a))), a->text());
    out << line;
}

void window(QStringList &out, QWidget *w)
{
    const QRect g = w->geometry();
    QStringList icons; // each size with a digest of its pixels
    for (const QSize &s : w->windowIcon().availableSizes()) {
        const QImage i = w->windowIcon().pixmap(s).toImage().convertToFormat(QImage::Format_ARGB32);
        icons << QStringLiteral("%1#%2").arg(s.width()).arg(qChecksum(QByteArrayView(i.constBits(), i.sizeInBytes())), 4, 16, QChar(u'0'));
    }
    out << QStringLiteral("%1: %2%3 %4 icons %5 @%6,%7 %8x%9")
               .arg(w->objectName(), w->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"),
                    w->isActiveWindow() ? QStringLiteral(" active") : QString(), quoted(w->windowTitle()),
                    icons.join(u','))
               .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()) + spoken(QAccessible::queryAccessibleInterface(w), w->windowTitle());
    for (QWidget *c : w->findChildren<QWidget *>())
        if (!c->objectName().isEmpty() && !c->objectName().startsWith(u"qt_"))
            control(out, w, c);
    for (QAction *a : w->findChildren<QAction *>())
        if (!a->objectName().isEmpty())
            action(out, w, a);
}

void files(QStringList &out, const QImage &surface)
{
    for (const QFileInfo &f : QDir::current().entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QFile file(f.filePath());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        // What the file is by its content, as another program would take it.
        const QString kind = QMimeDatabase().mimeTypeForFileNameAndData(QString(), bytes).name();
        QString line = QStringLiteral("file %1: %2 %3 bytes").arg(f.fileName(), kind).arg(f.size());
        if (QImageReader reader(f.filePath()); kind == u"image/bmp" || kind == u"image/png") {
            const QImage image = reader.read();
            line += QStringLiteral(" %1x%2 %3 dots a metre").arg(image.width()).arg(image.height()).arg(image.dotsPerMeterX());
            if (image.convertToFormat(QImage::Format_RGB32) == surface)
                line += QStringLiteral(" as the surface");
            if (image.hasAlphaChannel()) { // transparent paper: how much is clear, and whether the rest is as on screen
                const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
                int clear = 0, unlike = argb.size() == surface.size() ? 0 : -1;
                for (int y = 0; y < argb.height(); ++y)
                    for (int x = 0; x < argb.width(); ++x)
                        qAlpha(argb.pixel(x, y)) == 0 ? ++clear : unlike += unlike >= 0 && argb.pixel(x, y) != surface.pixel(x, y);
                line += QStringLiteral(" with %1 clear pixels").arg(clear);
                if (unlike >= 0)
                    line += QStringLiteral(", %1 others unlike the surface").arg(unlike);
            }
        }
        // A vector file's size on paper, in millimetres: the scale and the page it chose.
        const QString text = QString::fromLatin1(bytes);
        if (const auto m = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(text); m.hasMatch())
            line += QStringLiteral(" page %1 x %2 mm").arg(m.captured(1).toDouble() / 72 * 25.4, 0, 'f', 1)
                        .arg(m.captured(2).toDouble() / 72 * 25.4, 0, 'f', 1);
        if (const auto m = QRegularExpression(R"(<svg[^>]* width="([\d.]+)mm" height="([\d.]+)mm")").match(text); m.hasMatch())
            line += QStringLiteral(" %1 x %2 mm").arg(m.captured(1), m.captured(2));
        out << line;
    }
}

void clipboard(QStringList &out, const QImage &surface)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || data->formats().isEmpty())
        return;
    QString line = QStringLiteral("clipboard:");
    if (data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        line += QStringLiteral(" image %1x%2").arg(image.width()).arg(image.height());
        if (image.convertToFormat(QImage::Format_RGB32) == surface)
            line += QStringLiteral(" as the surface");
    }
    if (data->hasFormat(QStringLiteral("image/svg+xml")))
        line += QStringLiteral(" and SVG");
    if (data->hasText())
        line += QStringLiteral(" text ") + quoted(data->text());
    out << line;
}

void surface(QStringList &out, const ImageSurface *s)
{
    struct Count {
        int lines = 0, dots = 0;
        QString texts;
        QRgb colour = 0;
        void line(float, float, float, float, QRgb) { ++lines; }
        void points(float, const float *, std::size_t n, QRgb) { dots += int(n); }
        void text(const SurfaceRecord::Text &t)
        {
            if (t.colour != colour) // the colour only where it changes: the grid's, then each label's
                texts += QStringLiteral(" in %1,%2,%3").arg(qRed(t.colour)).arg(qGreen(t.colour)).arg(qBlue(t.colour));
            colour = t.colour;
            texts += QStringLiteral(" %1@%2,%3").arg(quoted(t.text)).arg(t.x).arg(t.y);
        }
    } count;
    s->record().replay(count);
    QSet<QRgb> colours;
    const QImage image = s->Image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        colours.unite(QSet<QRgb>(row, row + image.width()));
    }
    out << QStringLiteral("surface: %1 lines, %2 points, %3 colours, %4 kB kept")
               .arg(count.lines).arg(count.dots).arg(colours.size()).arg(s->record().bytes() / 1024);
    if (!count.texts.isEmpty())
        out << QStringLiteral("surface texts:") + count.texts;
}

} // namespace

QStringList state(const Seen &seen)
{
    QStringList out;
    Windows &w = windows();
    const QList<QWidget *> loaded = drive::loadedWindows();
    for (const char *name : {"frmSplash", "frmMain", "frmCurve", "frmHelp"})
        if (std::none_of(loaded.begin(), loaded.end(), [name](QWidget *win) { return win->objectName() == QLatin1String(name); }))
            out << QStringLiteral("%1: unloaded").arg(QLatin1String(name));
    for (QWidget *win : loaded)
        window(out, win);
    QWidget *focus = QApplication::focusWidget();
    out << QStringLiteral("focus: %1").arg(focus ? focus->window()->objectName() + u'.' + focus->objectName() : QStringLiteral("none"));
    if (w.mainLoaded()) {
        const FrmMain *m = w.frmMain();
        out << QStringLiteral("FirstColumn: %1").arg(m->plot.FirstColumn) << QStringLiteral("LastColumn: %1").arg(m->plot.LastColumn)
            << QStringLiteral("TermIndex: %1").arg(m->state.TermIndex) << QStringLiteral("TermSign: %1").arg(m->state.TermSign)
            << QStringLiteral("CurveCount: %1").arg(m->state.CurveCount)
            << QStringLiteral("GridDrawn: %1").arg(m->state.GridDrawn) << QStringLiteral("GridSet: %1").arg(m->state.GridSet);
    }
    QImage picture;
    if (w.curveLoaded()) {
        picture = w.frmCurve()->PicCurve->Image().convertToFormat(QImage::Format_RGB32);
        surface(out, w.frmCurve()->PicCurve);
    }
    clipboard(out, picture);
    files(out, picture);
    for (const QString &d : seen.dialogs)
        out << QStringLiteral("shown: ") + d;
    for (const QString &n : seen.notes)
        out << n;
    for (const QString &s : seen.spoken)
        out << QStringLiteral("heard: ") + s;
    out << QStringLiteral("quits: %1").arg(seen.quits);
    return out;
}

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

QStringList changes(const QStringList &before, const QStringList &after)
{
    const auto key = [](const QString &line) { return line.section(QLatin1String(": "), 0, 0); };
    QHash<QString, QString> was;
    for (const QString &line : before)
        was.insert(key(line), line);
    QStringList out, keys;
    for (const QString &line : after) {
        keys << key(line);
        if (was.value(key(line)) != line)
            out << line;
    }
    for (const QString &line : before) {
        const QString k = key(line);
        // A window unloaded says so once, not once for each of its controls.
        if (!keys.contains(k) && !after.contains(k.section(u'.', 0, 0) + QStringLiteral(": unloaded")))
            out << k + QStringLiteral(": (gone)");
    }
    return out;
}

} // namespace dump
