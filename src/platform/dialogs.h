// Every modal dialog of the program goes through this service, so tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace zelta {

class DialogService {
public:
    virtual ~DialogService() = default;
    // A message box captioned "Tavrin", no icon, one OK button.
    virtual void message(const QString &text) = 0;
    // An input box titled "Zeltaplot" at 4000 x 3000 twips from the screen corner;
    // Cancel gives the empty reply.
    virtual QString input(const QString &prompt) = 0;
    // A save dialog for bitmaps; the empty name when cancelled.
    virtual QString saveBitmapName() = 0;
};

DialogService &dialogs();
// Replaces the service (tests); nullptr brings back the Qt one.
void setDialogService(DialogService *service);

class QtDialogService : public DialogService {
public:
    void message(const QString &text) override;
    QString input(const QString &prompt) override;
    QString saveBitmapName() override;
};

} // namespace zelta
