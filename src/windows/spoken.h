// What a screen reader says: the windows as windows, the instruction line as it changes, and the
// General Curves items in words.
#pragma once

#include <QLabel>

namespace zelta {

// Installs the accessibility factory for the program's windows and spoken menu items (once).
void installSpokenNames();

// The words a screen reader says for a menu item instead of its caption ("y equals x squared").
void setSpokenName(QObject *menuItem, const char *words);

// The main window's instruction line: every new caption is announced, as a notification shown.
class InstructionLine : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // Hides QLabel::setText, which a screen reader only hears from a focused control: every
    // caption given to the line goes through here.
    void setText(const QString &text);
};

} // namespace zelta
