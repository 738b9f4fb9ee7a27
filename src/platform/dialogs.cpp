#include "platform/dialogs.h"

#include "platform/pictureoptionsbox.h"
#include "platform/twips.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

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

QStringList suffixesOf(const QStringList &filters)
{
    QStringList suffixes;
    for (const QString &filter : filters)
        suffixes << suffixOf(filter);
    return suffixes;
}

// The save dialog of every picture: a replaced file confirmed, opening where the last one went.
class PictureFileDialog : public QFileDialog {
public:
    // By suffix, the name typed chooses one of the filters' types; otherwise the dialog adds the
    // first filter's suffix to a name typed without one.
    PictureFileDialog(QWidget *parent, const QStringList &filters, bool bySuffix)
        : QFileDialog(parent), m_bySuffix(bySuffix)
    {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setOption(QFileDialog::DontConfirmOverwrite, false);
        // Qt's own dialog, which takes the picture's choices below its list.
        setOption(QFileDialog::DontUseNativeDialog, bySuffix);
        if (!lastFolder().isEmpty())
            setDirectory(lastFolder());
        setNameFilters(filters);
        if (!bySuffix)
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
    void accept() override
    {
        auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        const QString typed = edit ? edit->text() : QString();
        // Qt's file dialog reads a double quote as a list of names ("a" "b") and keeps only the
        // quoted pieces, so a name typed with one would be saved under a part of it, in the
        // dialog's folder: refuse it and keep the dialog open.
        if (typed.contains(u'"')) {
            dialogs().message(QStringLiteral("The picture cannot be saved as %1: "
                                             "a file name must not contain a double quote (\").")
                                  .arg(typed));
            return;
        }
        // Made the name it will be before the dialog asks whether to replace a file of that name;
        // a folder's name opens the folder.
        if (m_bySuffix && !typed.isEmpty() && !QFileInfo(QDir(directory()).filePath(typed)).isDir()) {
            const DialogService::PictureName chosen =
                typedPictureName(typed, suffixesOf(nameFilters()), static_cast<int>(nameFilters().indexOf(selectedNameFilter())));
            // Choosing a filter rewrites the name's suffix, so the name comes after.
            selectNameFilter(nameFilters().value(chosen.type));
            edit->setText(chosen.fileName);
        }
        QFileDialog::accept();
    }

private:
    // The folder saved to last, where the next picture most likely goes too; at first the one
    // remembered from an earlier run, while it is there.
    static QString &lastFolder()
    {
        static QString folder = [] {
            const QString remembered = rememberedChoices().folder;
            return QFileInfo(remembered).isDir() ? remembered : QString();
        }();
        return folder;
    }

    bool m_bySuffix;
};

} // namespace

DialogService::PictureName DialogService::savePictureName(const QStringList &) { return {}; }

bool DialogService::setUpPrinter(QPrinter &, PictureOptions &) { return false; }

DialogService::PictureName typedPictureName(const QString &typed, const QStringList &suffixes, int chosen)
{
    QString name = typed;
    while (name.endsWith(u' '))
        name.chop(1);
    chosen = std::clamp(chosen, 0, static_cast<int>(suffixes.size()) - 1);
    const QString suffix = QFileInfo(name).suffix().toLower();
    // The chosen type first: a PNG at a larger size keeps its size.
    if (suffix == suffixes.value(chosen))
        return {name, chosen, {}};
    if (suffixes.contains(suffix))
        return {name, static_cast<int>(suffixes.indexOf(suffix)), {}};
    if (!name.endsWith(u'.'))
        name += u'.';
    return {name + suffixes.value(chosen), chosen, {}};
}

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
    return PictureFileDialog(dialogParent(), {QStringLiteral("Bitmaps (*.bmp)")}, false).run();
}

DialogService::PictureName QtDialogService::savePictureName(const QStringList &filters)
{
    PictureChoices remembered = rememberedChoices();
    PictureFileDialog box(dialogParent(), filters, true);
    box.selectNameFilter(filters.value(remembered.exportType));
    auto *options = new PictureOptionsBox(remembered.options, false, &box);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addWidget(options, grid->rowCount(), 0, 1, grid->columnCount());
    const QString name = box.run();
    if (name.isEmpty())
        return {};
    // Again, for a dialog of the platform's own that our accept() never saw.
    PictureName chosen =
        typedPictureName(name, suffixesOf(filters), static_cast<int>(filters.indexOf(box.selectedNameFilter())));
    chosen.options = options->options();
    remembered = {chosen.type, QFileInfo(chosen.fileName).absolutePath(), chosen.options};
    rememberChoices(remembered);
    return chosen;
}

bool QtDialogService::setUpPrinter(QPrinter &printer, PictureOptions &options)
{
    PictureChoices remembered = rememberedChoices();
    QPrintDialog box(&printer, dialogParent());
    auto *picture = new PictureOptionsBox(remembered.options, true);
    picture->setWindowTitle(QStringLiteral("Picture"));
    picture->setPaper(printer.pageLayout().pageSize().name(), printer.pageLayout().paintRect(QPageLayout::Millimeter).size());
    box.setOptionTabs({picture});
    if (box.exec() != QDialog::Accepted)
        return false;
    // Transparency is the files' choice alone: it is kept for them, and paper stays white.
    const bool transparent = remembered.options.transparent;
    remembered.options = options = picture->options();
    remembered.options.transparent = transparent;
    rememberChoices(remembered);
    return true;
}

} // namespace zelta
