#include "drive.h"

#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "plot/imagesurface.h"
#include "windows/windows.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <cmath>

namespace drive {

QList<QWidget *> loadedWindows()
{
    zelta::Windows &w = zelta::windows();
    QList<QWidget *> loaded{w.splashLoaded() ? w.frmSplash() : nullptr, w.mainLoaded() ? w.frmMain() : nullptr,
                            w.curveLoaded() ? w.frmCurve() : nullptr, w.helpLoaded() ? w.frmHelp() : nullptr};
    loaded.removeAll(nullptr);
    return loaded;
}

QObject *find(const QString &name)
{
    for (QWidget *window : loadedWindows()) {
        if (window->objectName() == name)
            return window;
        if (QObject *o = window->findChild<QObject *>(name))
            return o;
    }
    return nullptr;
}

namespace {
void keyClick(QWidget *to, const QString &name)
{
    const QKeyCombination key = QKeySequence::fromString(name)[0];
    QTest::keyClick(to, key.key(), key.keyboardModifiers());
}

// The splash shown as main() shows it; unless early, until the other windows are loaded after its first paint.
QString startUp(bool early)
{
    zelta::windows().startUp();
    if (!early && !QTest::qWaitFor([] { return zelta::windows().curveLoaded(); }))
        return QStringLiteral("start: the windows were not loaded after the splash");
    return {};
}
} // namespace

QString run(const QString &script)
{
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QString verb = step.trimmed().section(u' ', 0, 0), name = step.trimmed().section(u' ', 1, 1);
        const QString rest = step.mid(step.indexOf(name) + name.size() + 1);
        if (verb == u"start") {
            if (QString failed = startUp(name == u"early"); !failed.isEmpty())
                return failed;
            continue;
        }
        if (verb == u"press") {
            for (const QString &key : step.trimmed().section(u' ', 1).split(u' ', Qt::SkipEmptyParts)) {
                QWidget *to = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                              : QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
                if (!to)
                    return QStringLiteral("%1: no window takes keys").arg(step);
                keyClick(to, key);
            }
            continue;
        }
        QObject *target = find(name);
        auto *widget = qobject_cast<QWidget *>(target);
        if (verb == u"menu" && qobject_cast<QAction *>(target)) {
            static_cast<QAction *>(target)->trigger();
        } else if (verb == u"show" && widget && widget->isWindow()) {
            widget->show();
        } else if (!widget || !widget->isVisible() || !widget->isEnabled()) {
            return QStringLiteral("%1: %2 is not there to use").arg(step, name);
        } else if (verb == u"click") {
            // A radio button takes the click on its indicator.
            const QPoint at = qobject_cast<QRadioButton *>(widget) ? QPoint(6, 8) : widget->rect().center();
            QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        } else if (verb == u"rightclick") { // the window system's context menu request after a right click
            QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(widget, &menu);
        } else if (verb == u"type" && qobject_cast<QLineEdit *>(widget)) {
            static_cast<QLineEdit *>(widget)->selectAll();
            QTest::keyClick(widget, Qt::Key_Delete);
            QTest::keyClicks(widget, rest);
        } else if (verb == u"append" && qobject_cast<QLineEdit *>(widget)) {
            QTest::mouseClick(widget, Qt::LeftButton);
            QTest::keyClick(widget, Qt::Key_End);
            QTest::keyClicks(widget, rest);
        } else if (verb == u"close") {
            widget->close(); // as the window's frame closes it
        } else if (verb == u"point") {
            const QStringList at = rest.split(u' ', Qt::SkipEmptyParts);
            const QPointF twips = at.size() == 2 ? QPointF(at[0].toDouble(), at[1].toDouble()) : QPointF(widget->rect().center() * 15);
            auto *curve = qobject_cast<zelta::FrmCurve *>(widget->window());
            // The pointer moves by whole pixels of 15 twips; a place between them goes to the surface's handler.
            if (curve && widget == curve->PicCurve && (std::fmod(twips.x(), 15) != 0 || std::fmod(twips.y(), 15) != 0)) {
                curve->PicCurve_MouseMove(float(twips.x()), float(twips.y()));
            } else { // to the control under the pointer, as the window system reports it
                const QPoint pixel = (twips / 15).toPoint();
                QWidget *under = widget->childAt(pixel) ? widget->childAt(pixel) : widget;
                QMouseEvent move(QEvent::MouseMove, under->mapFrom(widget, pixel), widget->mapToGlobal(pixel), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(under, &move);
            }
        } else if (verb == u"focus") {
            widget->setFocus();
        } else if (verb == u"leave") {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(widget, &leave);
        } else if (verb == u"activate") {
            widget->activateWindow();
            if (!QTest::qWaitForWindowActive(widget))
                return QStringLiteral("%1: the window did not become active").arg(step);
        } else if (verb == u"key") {
            keyClick(widget, rest);
        } else {
            return QStringLiteral("%1: no such step").arg(step);
        }
    }
    return {};
}

} // namespace drive
