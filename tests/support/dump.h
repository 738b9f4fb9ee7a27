// The program's visible state as text, one "what: value" line each: windows, named controls and
// menu items, focus, what the dialogs showed, the clipboard, the files in the working folder and
// the scale and equation variables. A control's accessible role is in brackets, with its name
// where that is not its caption.
#pragma once

#include <QImage>
#include <QStringList>

namespace dump {

struct Seen {             // what the program showed that is gone by the time of the dump
    QStringList dialogs;  // message and input boxes, with the replies given
    QStringList notes;    // what the row asked to be written down (values, opened addresses)
    QStringList spoken;   // announcements and focus changes heard through the accessibility bridge
    int quits = 0;
};

QStringList state(const Seen &seen);

// The lines of after that are not in before, and "key: (gone)" for keys before has and after lacks,
// leaving out the controls of a window that is gone as a whole.
QStringList changes(const QStringList &before, const QStringList &after);

// Empty when the picture equals tests/golden/<name>.png; otherwise what differs, with the actual
// picture and a difference picture (changed pixels red) written to the build's golden-out folder.
// ZELTAPLOT_GOLDEN=update writes the picture as the one to compare with.
QString mismatch(const QImage &picture, const QString &name);

} // namespace dump
