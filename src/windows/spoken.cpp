#include "windows/spoken.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>

namespace zelta {

namespace {

const char *const SpokenName = "zeltaSpokenName";

// A menu item that says its words rather than its caption; otherwise as Qt's own.
class SpokenMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit SpokenMenuItem(QAction *action) : m_action(action) {}

    bool isValid() const override { return m_action && menu(); }
    QObject *object() const override { return m_action; }
    QWindow *window() const override { return menu() ? menu()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(menu()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return m_action->property(SpokenName).toString();
        const QString caption = m_action->text();
        const qsizetype key = caption.indexOf(u'&');
        if (t == QAccessible::Accelerator && key >= 0 && key + 1 < caption.size())
            return QStringLiteral("Alt+") + caption.at(key + 1);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QMenu *m = menu();
        if (!m || !m->isVisible())
            return {};
        const QRect r = m->actionGeometry(m_action);
        return {m->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const QMenu *m = menu();
        s.focusable = true;
        s.disabled = !m_action->isEnabled();
        s.invisible = !m || !m->isVisible();
        s.focused = m && m->activeAction() == m_action;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QMenu *menu() const
    {
        if (m_action)
            for (QObject *o : m_action->associatedObjects())
                if (auto *m = qobject_cast<QMenu *>(o))
                    return m;
        return nullptr;
    }
    QPointer<QAction> m_action;
};

// Its caption is its name; a notification, so a screen reader speaks it when it is shown.
class InstructionAccessible : public QAccessibleWidget {
public:
    explicit InstructionAccessible(QLabel *line) : QAccessibleWidget(line, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const QLabel *>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *spoken(const QString &className, QObject *object)
{
    // Qt's plain widgets are announced as fillers; these are windows with a name.
    if (className == u"zelta::FrmSplash" || className == u"zelta::FrmCurve" || className == u"zelta::FrmHelp")
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == u"zelta::InstructionLine" || className == u"zelta::TraceMark")
        return new InstructionAccessible(static_cast<QLabel *>(object));
    if (className == u"QAction" && object->property(SpokenName).isValid())
        return new SpokenMenuItem(static_cast<QAction *>(object));
    return nullptr;
}

} // namespace

void installSpokenNames()
{
    static const bool installed = (QAccessible::installFactory(spoken), true);
    Q_UNUSED(installed);
}

void setSpokenName(QObject *menuItem, const char *words)
{
    menuItem->setProperty(SpokenName, QString::fromLatin1(words));
}

void InstructionLine::setText(const QString &text)
{
    if (text == this->text())
        return;
    QLabel::setText(text);
    // The line never hides; shown anew, it is spoken anew.
    if (isVisible()) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

} // namespace zelta
