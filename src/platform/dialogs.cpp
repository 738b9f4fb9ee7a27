#include "platform/dialogs.h"

#include "platform/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace zelta {

namespace {
DialogService *current = nullptr;

QWidget *dialogParent() { return QApplication::activeWindow(); }

// "png" of "PNG picture (*.png)".
QString suffixOf(const QString &filter)
{
    const qsizetype start = filter.lastIndexOf(QLatin1String("(*.")) + 3;
    return filter.mid(start, filter.lastIndexOf(u')') - start);
}

// The save dialog of every picture: a replaced file confirmed, opening where the last one went.
class PictureFileDialog : public QFileDialog {
public:
    explicit PictureFileDialog(QWidget *parent) : QFileDialog(parent)
    {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setOption(QFileDialog::DontConfirmOverwrite, false);
        if (!lastFolder().isEmpty())
            setDirectory(lastFolder());
    }
    void setFilters(const QStringList &filters)
    {
        setNameFilters(filters);
        setDefaultSuffix(suffixOf(filters.value(0)));
    }
    // The chosen name, or the empty one when cancelled.
    QString run()
    {
        if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
            return QString();
        const QString name = selectedFiles().constFirst();
        lastFolder() = QFileInfo(name).absolutePath();
        return name;
    }

protected:
    // Qt's file dialog reads a double quote as a list of names ("a" "b") and keeps only the
    // quoted pieces, so a name typed with one would be saved under a part of it, in the
    // dialog's folder: refuse it and keep the dialog open.
    void accept() override
    {
        const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (edit && edit->text().contains(u'"')) {
            dialogs().message(QStringLiteral("The picture cannot be saved as %1: "
                                             "a file name must not contain a double quote (\").")
                                  .arg(edit->text()));
            return;
        }
        // The suffix of the type chosen last, however it was chosen, for a name typed without one.
        setDefaultSuffix(suffixOf(selectedNameFilter()));
        QFileDialog::accept();
    }

private:
    // The folder saved to last in this run, where the next picture most likely goes too.
    static QString &lastFolder()
    {
        static QString folder;
        return folder;
    }
};

} // namespace

DialogService::PictureName DialogService::savePictureName(const QStringList &) { return {}; }

bool DialogService::setUpPrinter(QPrinter &, bool &) { return false; }

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
    PictureFileDialog box(dialogParent());
    box.setFilters({QStringLiteral("Bitmaps (*.bmp)")});
    return box.run();
}

DialogService::PictureName QtDialogService::savePictureName(const QStringList &filters)
{
    PictureFileDialog box(dialogParent());
    box.setFilters(filters);
    PictureName chosen{box.run(), static_cast<int>(std::max<qsizetype>(0, filters.indexOf(box.selectedNameFilter())))};
    const QString suffix = QFileInfo(chosen.fileName).suffix().toLower();
    if (suffix != suffixOf(filters.value(chosen.type))) {
        for (qsizetype i = 0; i < filters.size(); ++i) {
            if (suffixOf(filters[i]) == suffix) {
                chosen.type = static_cast<int>(i);
                break;
            }
        }
    }
    return chosen;
}

bool QtDialogService::setUpPrinter(QPrinter &printer, bool &fitToPage)
{
    QPrintDialog box(&printer, dialogParent());
    auto *picture = new QWidget;
    picture->setWindowTitle(QStringLiteral("Picture"));
    // Alt+F is the dialog's own "Output file".
    auto *fit = new QCheckBox(QStringLiteral("Fi&t to page"), picture);
    fit->setObjectName(QStringLiteral("fitToPage"));
    fit->setChecked(fitToPage);
    (new QVBoxLayout(picture))->addWidget(fit);
    box.setOptionTabs({picture});
    if (box.exec() != QDialog::Accepted)
        return false;
    fitToPage = fit->isChecked();
    return true;
}

} // namespace zelta
