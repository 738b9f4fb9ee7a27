#include "windows/decor.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
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

// Enter on a focused button presses it, as Space does. Qt's autoDefault would too, but it also
// frames the button and presses it from other controls.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        static_cast<QPushButton *>(watched)->click();
        return true;
    }
};

} // namespace

void pressedByEnter(QWidget *window)
{
    auto *filter = new EnterPresses(window);
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->installEventFilter(filter);
}

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
