// What the random-action driver does and answers: one user action, the boxes the program
// defines, and a dialog service that replies from the action or makes up a reply.
#pragma once

#include "platform/dialogs.h"

#include <QPoint>
#include <QStringList>
#include <random>

struct Action {
    enum Kind { Click, Type, Key, Menu, Close, Point } kind;
    QString target; // objectName of the control, menu item or window
    QString text;   // what is typed, or the key
    QPoint at;      // where the pointer goes
    QStringList replies; // the answers to the boxes this action opened, in order
    QString describe() const
    {
        static const char *kinds[] = {"click", "type", "key", "menu", "close", "point"};
        QString s = QStringLiteral("%1 %2").arg(QLatin1String(kinds[kind]), target);
        if (!text.isEmpty())
            s += " \"" + (text.size() > 40 ? text.left(40) + "..." : text) + '"';
        if (kind == Point)
            s += QStringLiteral(" %1,%2").arg(at.x()).arg(at.y());
        if (!replies.isEmpty())
            s += " replies [" + replies.join(" | ") + ']';
        return s;
    }
};

extern const QStringList Messages;
extern const QStringList Prompts;

// Answers every box from the action's replies; a random one is made up and kept when none is left.
class RandomDialogs : public zelta::DialogService {
public:
    std::mt19937 *random = nullptr; // nullptr: replaying
    Action *action = nullptr;
    int used = 0;
    QStringList unknown; // boxes the program does not define
    QString saveFolder;

    void message(const QString &text) override
    {
        if (!Messages.contains(text) && !text.startsWith("The picture was not saved to "))
            unknown << "message \"" + text + '"';
    }
    QString input(const QString &prompt) override
    {
        if (!Prompts.contains(prompt))
            unknown << "input \"" + prompt + '"';
        // After a few refusals a user gives a value every prompt accepts.
        static const QStringList some{"2", "abc", "", "12", "0.5", "10", "-1", "2.5", "1e1", "20", "0", " 3 "};
        return next(some, "2");
    }
    QString saveBitmapName() override
    {
        const QStringList some{"", saveFolder + "/a.bmp", saveFolder + "/b", saveFolder, "/nonexistent/c.bmp"};
        return next(some, "");
    }

private:
    QString next(const QStringList &some, const QString &last)
    {
        if (used < action->replies.size())
            return action->replies[used++];
        const QString reply = random && action->replies.size() < 4 ? some[(*random)() % some.size()] : last;
        action->replies << reply;
        ++used;
        return reply;
    }
};

// A random text of digits, signs, separators, letters, blanks and now and then a long run.
QString randomText(std::mt19937 &random);
