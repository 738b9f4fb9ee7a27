// The save, picture and printer dialogs answered for file tests, and the picture as a file.
#pragma once

#include "plot/imagesurface.h"
#include "plot/picturefiles.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QBuffer>
#include <QFileDialog>
#include <QPrinter>
#include <QtTest>

namespace files {

using namespace zelta;

// The rows of the Export dialog's list, Save as Bitmap, and Print to a PDF file.
enum Type { Png1, Png2, Png4, Svg, Pdf, Bmp, Wav, Print };

// Answers the save, picture and printer dialogs from queues; the printer writes a PDF file.
class FileDialogs : public ScriptedDialogs {
public:
    QList<PictureName> pictureNames;
    QString printTo; // the next print dialog's file; it cancels when empty
    bool realDialogs = false;
    PictureOptions options; // the print dialog's answer
    QPageSize::PageSizeId paper = QPageSize::A4;
    PictureName savePictureName(const QStringList &filters) override
    {
        if (realDialogs)
            return QtDialogService().savePictureName(filters);
        return pictureNames.isEmpty() ? PictureName{} : pictureNames.takeFirst();
    }
    QString saveBitmapName() override { return realDialogs ? QtDialogService().saveBitmapName() : ScriptedDialogs::saveBitmapName(); }
    bool setUpPrinter(QPrinter &printer, PictureOptions &chosen) override
    {
        if (printTo.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(std::exchange(printTo, QString()));
        printer.setPageSize(QPageSize(paper));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        chosen = options;
        return true;
    }
    // Saves the curve window's picture as the type, the name answered.
    void save(Type type, const QString &name)
    {
        if (type == Bmp) {
            saveNames << name;
            windows().frmCurve()->CmdSave_Click();
        } else if (type == Print) {
            printTo = name;
            windows().frmCurve()->mnuPrint_Click();
        } else {
            pictureNames << PictureName{name, type, {}};
            windows().frmCurve()->mnuExport_Click();
        }
    }
};

// The picture of the surface (the curve window's by default) as a file of the type.
inline QByteArray exported(Type type, const ImageSurface *surface = nullptr)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!writePicture((surface ? surface : windows().frmCurve()->PicCurve)->record(), PictureTypes[type], buffer, error))
        qWarning() << error;
    return bytes;
}

inline QByteArray bytesOf(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace files
