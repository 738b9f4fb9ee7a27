// A dialog service for tests: answers from queues and records what the program showed.
#pragma once

#include "platform/dialogs.h"

#include <QStringList>
#include <stdexcept>

class ScriptedDialogs : public zelta::DialogService {
public:
    ScriptedDialogs() : m_replaced(&zelta::dialogs()) { zelta::setDialogService(this); }
    ~ScriptedDialogs() override { zelta::setDialogService(m_replaced); }

    void message(const QString &text) override
    {
        messages.append(text);
        shown.append(QStringLiteral("message \"%1\"").arg(text));
    }
    QString input(const QString &prompt) override
    {
        prompts.append(prompt);
        // A prompt that keeps coming back would loop for ever: stop the test instead.
        if (inputs.isEmpty())
            throw std::runtime_error("input box shown with no reply scripted");
        shown.append(QStringLiteral("input \"%1\" answered \"%2\"").arg(prompt, inputs.first()));
        return inputs.takeFirst();
    }
    QString saveBitmapName() override { return saveNames.isEmpty() ? QString() : saveNames.takeFirst(); }

    QStringList messages, prompts;
    QStringList shown;     // both, in the order shown, with the replies
    QStringList inputs;    // replies, in order
    QStringList saveNames; // names the save dialog returns

private:
    zelta::DialogService *m_replaced;
};
