// A dialog service for tests: answers from queues and records what the program showed.
#pragma once

#include "platform/dialogs.h"

#include <QStringList>
#include <functional>

class ScriptedDialogs : public zelta::DialogService {
public:
    ScriptedDialogs() { zelta::setDialogService(this); }
    ~ScriptedDialogs() override { zelta::setDialogService(nullptr); }

    void message(const QString &text) override { messages.append(text); }
    QString input(const QString &prompt) override;
    QString saveBitmapName() override { return saveNames.isEmpty() ? QString() : saveNames.takeFirst(); }

    QStringList messages;
    QStringList prompts;
    QStringList inputs;    // replies, in order; an empty queue fails the test
    QStringList saveNames; // names the save dialog returns
    std::function<void()> onInput; // runs while an input box is open
};
