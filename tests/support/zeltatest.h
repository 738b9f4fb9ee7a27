// What every window test includes: the dialogs answered from queues, the picture as a file, and
// the fixture they share (the main window shown, the random colours from their start, every window
// gone after each function, and a folder of the test's own as the working directory).
#pragma once

#include "drive.h"
#include "platform/random.h"
#include "plot/imagesurface.h"
#include "platform/dialogs.h"
#include "plot/picturefiles.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <QtWidgets>
#include <stdexcept>

using namespace zelta;

// A dialog service for tests: answers from queues and records what the program showed.
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
        // A prompt that keeps coming back would loop for ever: stop the test instead.
        if (inputs.isEmpty())
            throw std::runtime_error("input box shown with no reply scripted");
        shown.append(QStringLiteral("input \"%1\" answered \"%2\"").arg(prompt, inputs.first()));
        return inputs.takeFirst();
    }
    QString saveBitmapName() override { return saveNames.isEmpty() ? QString() : saveNames.takeFirst(); }

    QStringList messages;
    QStringList shown;     // both, in the order shown, with the replies
    QStringList inputs;    // replies, in order
    QStringList saveNames; // names the save dialog returns

private:
    zelta::DialogService *m_replaced;
};

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

inline QByteArray bytesOf(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace files

class WindowTest : public QObject {
    Q_OBJECT
protected:
    QTemporaryDir m_dir;
    FrmMain *frm = nullptr;

private slots:
    // Remembered choices start empty in each run (none from an earlier one, nor the user's),
    // unless the run is to read another's, named in ZELTATEST_SETTINGS.
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, qEnvironmentVariable("ZELTATEST_SETTINGS", m_dir.path()));
    }
    void init()
    {
        frm = windows().frmMain();
        frm->show();
        programRandom() = RandomSequence();
    }
    void cleanup()
    {
        windows().destroyAll();
        QDir here(m_dir.path());
        for (const QString &f : here.entryList(QDir::Files | QDir::Hidden))
            QVERIFY(here.remove(f));
    }
};
