#include "scripteddialogs.h"

#include <stdexcept>

QString ScriptedDialogs::input(const QString &prompt)
{
    prompts.append(prompt);
    if (onInput)
        onInput();
    // A prompt that keeps coming back would loop for ever: stop the test instead.
    if (inputs.isEmpty())
        throw std::runtime_error("input box shown with no reply scripted");
    return inputs.takeFirst();
}
