#include "windows/decor.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

// Resources of a static library must be registered by hand.
static void initResources() { Q_INIT_RESOURCE(zeltaplot); }

namespace zelta {

namespace {

QIcon iconOf(const QString &name)
{
    // Built per window, not kept: a pixmap must not outlive the application.
    static const bool registered = (initResources(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (const int size : {16, 32})
        icon.addFile(QStringLiteral(":/%1%2.png").arg(name).arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon programIcon() { return iconOf(QStringLiteral("zeltaplot")); }
QIcon helpIcon() { return iconOf(QStringLiteral("help")); }

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
}

void assignText(QLineEdit *box, const QString &text)
{
    if (box->text() == text)
        emit box->textChanged(text);
    else
        box->setText(text);
}

} // namespace zelta
