#include "platform/dialogs.h"

#include "platform/twips.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

namespace zelta {

namespace {
DialogService *current = nullptr;

QWidget *dialogParent() { return QApplication::activeWindow(); }

// Qt's file dialog reads a double quote as a list of names ("a" "b") and keeps only the
// quoted pieces, so a name typed with one would be saved under a part of it, in the
// dialog's folder: refuse it and keep the dialog open.
class BitmapFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override
    {
        const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (edit && edit->text().contains(u'"')) {
            dialogs().message(QStringLiteral("The picture cannot be saved as %1: "
                                             "a file name must not contain a double quote (\").")
                                  .arg(edit->text()));
            return;
        }
        QFileDialog::accept();
    }
};
} // namespace

DialogService &dialogs()
{
    static QtDialogService qtService;
    return current ? *current : qtService;
}

void setDialogService(DialogService *service) { current = service; }

void QtDialogService::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tavrin"), text, QMessageBox::Ok, dialogParent());
    box.exec();
}

QString QtDialogService::input(const QString &prompt)
{
    QInputDialog box(dialogParent());
    box.setWindowTitle(QStringLiteral("Zeltaplot"));
    box.setLabelText(prompt);
    box.setInputMode(QInputDialog::TextInput);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint corner = screen ? screen->geometry().topLeft() : QPoint();
    box.move(corner + QPoint(twipsToPixels(4000), twipsToPixels(3000)));
    if (box.exec() != QDialog::Accepted)
        return QString();
    return box.textValue();
}

QString QtDialogService::saveBitmapName()
{
    BitmapFileDialog box(dialogParent());
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setDefaultSuffix(QStringLiteral("bmp"));
    box.setNameFilter(QStringLiteral("Bitmaps (*.bmp)"));
    box.setOption(QFileDialog::DontConfirmOverwrite, false);
    // The folder saved to last in this run, where the next picture most likely goes too.
    static QString lastFolder;
    if (!lastFolder.isEmpty())
        box.setDirectory(lastFolder);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return QString();
    const QString name = box.selectedFiles().constFirst();
    lastFolder = QFileInfo(name).absolutePath();
    return name;
}

} // namespace zelta
