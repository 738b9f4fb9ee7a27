// The drawing surface's menu: copy and save as the buttons do, export to a picture file, print.
#include "platform/dialogs.h"
#include "platform/savefile.h"
#include "plot/imagesurface.h"
#include "plot/picturefiles.h"
#include "sound/wav.h"
#include "windows/curve/frmcurve.h"

#include <QMenu>
#include <QPrinter>
#include <QShortcut>

#include <algorithm>

namespace zelta {

namespace {
struct MenuItem {
    const char *name;
    const char *caption;
    QKeySequence::StandardKey key;
    void (FrmCurve::*handler)();
};
// clang-format off
constexpr MenuItem MenuItems[] = {
    {"mnuCopy", "&Copy to Clipboard", QKeySequence::Copy, &FrmCurve::CmdCopy_Click},
    {"mnuSave", "&Save as Bitmap...", QKeySequence::Save, &FrmCurve::CmdSave_Click},
    {"mnuExport", "&Export...", QKeySequence::UnknownKey, &FrmCurve::mnuExport_Click},
    {"mnuPrint", "&Print...", QKeySequence::Print, &FrmCurve::mnuPrint_Click},
    {"mnuPlay", "P&lay Curve", QKeySequence::UnknownKey, &FrmCurve::mnuPlay_Click},
    {"mnuPlayAll", "Play &All Curves", QKeySequence::UnknownKey, &FrmCurve::mnuPlayAll_Click},
};
// clang-format on
} // namespace

void FrmCurve::buildPictureMenu()
{
    PictureMenu = new QMenu(this);
    PictureMenu->setObjectName(QStringLiteral("PictureMenu"));
    PictureMenu->setAccessibleName(QStringLiteral("Graph"));
    for (const MenuItem &item : MenuItems) {
        QAction *action = PictureMenu->addAction(QString::fromLatin1(item.caption), this, item.handler);
        action->setObjectName(QString::fromLatin1(item.name));
        // Shown beside the item; the window's own shortcuts do the work.
        action->setShortcut(QKeySequence(item.key));
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    // The window's one context menu: the right button anywhere on it, or the Menu key or
    // Shift+F10 wherever the focus is, the buttons' too.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PictureMenu->popup(mapToGlobal(at)); });
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [this] { PictureMenu->popup(PicCurve->mapToGlobal(PicCurve->rect().center())); });
    }
}

void FrmCurve::mnuExport_Click()
{
    QStringList filters;
    for (const PictureType &type : PictureTypes)
        filters << QString::fromLatin1(type.filter);
    filters << QString::fromLatin1(sound::WavFilter);
    const DialogService::PictureName chosen = dialogs().savePictureName(filters);
    if (chosen.fileName.isEmpty())
        return;
    QString reason;
    if (chosen.type == static_cast<int>(PictureTypes.size())) {
        if (!sound::saveWav(PicCurve->curves(), chosen.fileName, &reason))
            dialogs().message(QStringLiteral("The sound was not saved to %1: %2").arg(chosen.fileName, reason));
        return;
    }
    const PictureType &type = PictureTypes[static_cast<std::size_t>(
        std::clamp(chosen.type, 0, static_cast<int>(PictureTypes.size()) - 1))];
    const SurfaceRecord &record = PicCurve->record();
    const auto write = [&](QIODevice &device, QString &error) {
        return writePicture(record, type, device, error, chosen.options);
    };
    if (!saveFile(chosen.fileName, write, &reason))
        dialogs().message(QStringLiteral("The picture was not saved to %1: %2").arg(chosen.fileName, reason));
}

void FrmCurve::mnuPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Zeltaplot"));
    PictureOptions options;
    if (!dialogs().setUpPrinter(printer, options))
        return;
    if (const QString refused = paperRefusal(printer, options); !refused.isEmpty()) {
        dialogs().message(refused);
        return;
    }
    const QString fileName = printer.outputFileName();
    QString reason;
    if (!fileName.isEmpty()) {
        if (!printPictureToFile(PicCurve->record(), printer, options, reason))
            dialogs().message(QStringLiteral("The picture was not saved to %1: %2").arg(fileName, reason));
    } else if (!printPicture(PicCurve->record(), printer, options)) {
        dialogs().message(QStringLiteral("The picture was not printed: the printer %1 did not take it.")
                              .arg(printer.printerName()));
    }
}

} // namespace zelta
