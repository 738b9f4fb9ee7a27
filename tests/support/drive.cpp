#include "drive.h"

#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace drive {

QObject *find(const QString &name)
{
    zelta::Windows &w = zelta::windows();
    const QList<QWidget *> loaded{w.mainLoaded() ? w.frmMain() : nullptr, w.curveLoaded() ? w.frmCurve() : nullptr,
                                  w.splashLoaded() ? w.frmSplash() : nullptr, w.helpLoaded() ? w.frmHelp() : nullptr};
    for (QWidget *window : loaded) {
        if (!window)
            continue;
        if (window->objectName() == name)
            return window;
        if (QObject *o = window->findChild<QObject *>(name))
            return o;
    }
    return nullptr;
}

QString run(const QString &script)
{
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QString verb = step.trimmed().section(u' ', 0, 0), name = step.trimmed().section(u' ', 1, 1);
        const QString rest = step.mid(step.indexOf(name) + name.size() + 1);
        QObject *target = find(name);
        auto *widget = qobject_cast<QWidget *>(target);
        if (verb == u"menu" && qobject_cast<QAction *>(target)) {
            static_cast<QAction *>(target)->trigger();
        } else if (!widget || !widget->isVisible() || !widget->isEnabled()) {
            return QStringLiteral("%1: %2 is not there to use").arg(step, name);
        } else if (verb == u"click") {
            // A radio button takes the click on its indicator.
            const QPoint at = qobject_cast<QRadioButton *>(widget) ? QPoint(6, 8) : widget->rect().center();
            QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        } else if (verb == u"type" && qobject_cast<QLineEdit *>(widget)) {
            static_cast<QLineEdit *>(widget)->selectAll();
            QTest::keyClick(widget, Qt::Key_Delete);
            QTest::keyClicks(widget, rest);
        } else if (verb == u"close") {
            widget->close(); // as the window's frame closes it
        } else if (verb == u"point") {
            // The pointer moved onto it, as the window system reports it.
            const QPoint at = widget->rect().center();
            QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &move);
        } else if (verb == u"key") {
            const QKeyCombination key = QKeySequence::fromString(rest)[0];
            QTest::keyClick(widget, key.key(), key.keyboardModifiers());
        } else {
            return QStringLiteral("%1: no such step").arg(step);
        }
    }
    return {};
}

} // namespace drive
