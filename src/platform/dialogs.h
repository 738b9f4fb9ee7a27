// Every modal dialog of the program goes through this service, so tests can answer them.
#pragma once

#include "plot/printoptions.h"

#include <QString>
#include <QStringList>

class QPrinter;
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

    struct PictureName {
        QString fileName; // empty when cancelled
        int type = 0;     // index of the chosen filter
        PictureOptions options;
    };
    // A save dialog for a picture of one of the types, each a filter such as "SVG drawing (*.svg)";
    // the name typed is read as typedPictureName reads it. A service that cannot ask cancels.
    virtual PictureName savePictureName(const QStringList &filters);
    // The print dialog for the printer, with the picture's choices; false when cancelled. A
    // service that cannot ask cancels.
    virtual bool setUpPrinter(QPrinter &printer, PictureOptions &options);
};

// A name typed for a picture, as file dialogs read one: a suffix of one of the types ("png",
// "svg", ...) chooses that type, any other name is of the chosen type and gets its suffix; blanks
// at the end are no part of the name.
DialogService::PictureName typedPictureName(const QString &typed, const QStringList &suffixes, int chosen);

DialogService &dialogs();
// Replaces the service (tests); nullptr brings back the Qt one.
void setDialogService(DialogService *service);

class QtDialogService : public DialogService {
public:
    void message(const QString &text) override;
    QString input(const QString &prompt) override;
    QString saveBitmapName() override;
    PictureName savePictureName(const QStringList &filters) override;
    bool setUpPrinter(QPrinter &printer, PictureOptions &options) override;
};

} // namespace zelta
