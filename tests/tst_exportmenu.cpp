// Export... and Print... from the surface's menu: paper at true size or fitted, the empty paper,
// failures told with their reason, the real save dialog, and nothing else changed.
#include "drive.h"
#include "equation/sketch.h"
#include "pictureprobe.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/windows.h"

#include <QPrinter>
#include <QSvgRenderer>
#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace zelta;

namespace {

enum Type { Png1, Png2, Png4, Svg, Pdf }; // the rows of the Export dialog's list

// Answers the picture and printer dialogs; the printer writes a PDF file.
class ExportDialogs : public ScriptedDialogs {
public:
    QList<PictureName> pictureNames;
    QString printTo; // cancels when empty
    bool fit = false;
    QPageSize paper = QPageSize(QPageSize::A4);

    PictureName savePictureName(const QStringList &) override
    {
        return pictureNames.isEmpty() ? PictureName{} : pictureNames.takeFirst();
    }
    bool setUpPrinter(QPrinter &printer, bool &fitToPage) override
    {
        if (printTo.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        printer.setPageSize(paper);
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        fitToPage = fit;
        return true;
    }
};

QString saveFileIn(const QString &folder, const char *name) { return QDir(folder).filePath(QLatin1String(name)); }

// The default grid, drawn by Set Grid.
void setGrid()
{
    FrmMain *frm = windows().frmMain();
    frm->show();
    drive::setGrid(frm);
}

} // namespace

class TstExportMenu : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void cleanup()
    {
        windows().destroyAll();
        for (const QString &f : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(m_dir.filePath(f));
    }

    void printed_data()
    {
        QTest::addColumn<bool>("fit");
        QTest::addColumn<double>("squareMm");
        QTest::addColumn<int>("offset"); // pixels from an axis to 330 twips of the surface
        // A4 within 10 mm margins leaves 190 x 277 mm: the 162.28 mm wide picture fits as it is,
        // or grows by 190 / 162.28.
        QTest::newRow("true size") << false << 8.82 << 69;
        QTest::newRow("fit to page") << true << 10.33 << 80;
    }
    // Printed centred within the margins, so the axes cross at the centre of the A4 sheet.
    void printed()
    {
        QFETCH(bool, fit);
        QFETCH(double, squareMm);
        QFETCH(int, offset);
        ExportDialogs dialogs;
        dialogs.printTo = m_dir.filePath("printed.pdf");
        dialogs.fit = fit;
        setGrid();
        windows().frmCurve()->mnuPrint_Click();
        QCOMPARE(dialogs.messages, QStringList());
        // 300 dpi: the sheet is 2480 x 3508 pixels (and a part) and its centre at 1240, 1754.
        const QImage page = pdfPage(dialogs.printTo, 300);
        QCOMPARE(page.width(), 2480);
        QVERIFY(std::abs(page.height() - 3508) <= 1);
        for (bool alongRow : {true, false}) {
            // Below and right of the axes, clear of the labels and the small boxes' lines.
            const QList<double> lines = linesAcross(page, (alongRow ? 1754 : 1240) + offset, alongRow, 215);
            const double squarePx = squareMm / 25.4 * 300;
            const auto axis = std::find_if(lines.begin(), lines.end(),
                                           [&](double c) { return std::abs(c - (alongRow ? 1240 : 1754)) < 2; });
            QVERIFY2(axis != lines.end(), "an axis crosses the centre of the sheet");
            QVERIFY(axis + 1 != lines.end());
            QVERIFY2(std::abs(*(axis + 1) - *axis - squarePx) < 1.5,
                     qPrintable(QString("square of %1 px").arg(*(axis + 1) - *axis)));
        }
    }

    void fitChoice_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("ticked") << false << true;
        QTest::newRow("left as it was") << true << true;
        QTest::newRow("cleared") << true << false;
    }
    // The print dialog carries the fit-to-page choice, as it was last left.
    void fitChoice()
    {
        QFETCH(bool, before);
        QFETCH(bool, ticked);
        QTimer::singleShot(300, this, [=] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            auto *fit = box ? box->findChild<QCheckBox *>("fitToPage") : nullptr;
            if (fit && fit->isChecked() == before)
                fit->setChecked(ticked);
            if (box)
                box->accept();
        });
        QPrinter printer;
        bool fitToPage = before;
        QVERIFY(QtDialogService().setUpPrinter(printer, fitToPage));
        QCOMPARE(fitToPage, ticked);
    }

    // Before anything is drawn every kind of picture is the white surface, not an error.
    void emptyPaper()
    {
        ExportDialogs dialogs;
        dialogs.pictureNames << DialogService::PictureName{m_dir.filePath("empty.pdf"), Pdf}
                             << DialogService::PictureName{m_dir.filePath("empty.svg"), Svg};
        windows().frmCurve()->mnuExport_Click();
        windows().frmCurve()->mnuExport_Click();
        QCOMPARE(dialogs.messages, QStringList());
        QImage white(230, 170, QImage::Format_Grayscale8); // 36 dpi
        white.fill(255);
        QCOMPARE(pdfPage(m_dir.filePath("empty.pdf"), 36).convertToFormat(QImage::Format_Grayscale8), white);
        QImage shown(230, 170, QImage::Format_Grayscale8);
        shown.fill(0);
        QPainter painter(&shown);
        QSvgRenderer(m_dir.filePath("empty.svg")).render(&painter);
        painter.end();
        QCOMPARE(shown, white);
    }

    void failedExport_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("where"); // "read-only" or a file size limit
        QTest::addColumn<QString>("reason");
        const QString readOnly = geteuid() == 0 ? "Operation not permitted" : "Permission denied";
        QTest::newRow("pdf, read-only folder") << int(Pdf) << "read-only" << readOnly;
        QTest::newRow("png, read-only folder") << int(Png2) << "read-only" << readOnly;
        QTest::newRow("svg, nothing fits") << int(Svg) << "0" << "File too large";
        QTest::newRow("pdf, the start fits") << int(Pdf) << "100" << "File too large";
        QTest::newRow("png, part fits") << int(Png4) << "20000" << "File too large";
    }
    // A file that cannot be written is told with its reason; the earlier file stays as it was.
    void failedExport()
    {
        QFETCH(int, type);
        QFETCH(QString, where);
        QFETCH(QString, reason);
        setGrid();
        const QImage before = windows().frmCurve()->PicCurve->Image();
        const QString folder = m_dir.filePath("folder");
        QVERIFY(QDir().mkpath(folder));
        const QString name = saveFileIn(folder, "earlier");
        QFile earlier(name);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        ExportDialogs dialogs;
        dialogs.pictureNames << DialogService::PictureName{name, type};

        const int fd = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
        int flags = FS_IMMUTABLE_FL;
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        if (where == "read-only") {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            // Root writes anywhere but into an immutable folder.
            QVERIFY(geteuid() != 0 || ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        } else {
            rlimit limited = saved;
            limited.rlim_cur = where.toULong();
            QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        }
        windows().frmCurve()->mnuExport_Click();
        flags = 0;
        if (geteuid() == 0)
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
        close(fd);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(dialogs.messages, QStringList{QString("The picture was not saved to %1: %2").arg(name, reason)});
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"earlier"});
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        QCOMPARE(windows().frmCurve()->PicCurve->Image(), before);
        QVERIFY(QDir(folder).removeRecursively());
    }

    void typedName_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("starts");
        QTest::newRow("png by default") << "" << "plot" << "plot.png" << QByteArray("\x89PNG");
        QTest::newRow("pdf chosen") << "PDF document (*.pdf)" << "plot" << "plot.pdf" << QByteArray("%PDF");
        QTest::newRow("svg chosen") << "SVG drawing (*.svg)" << "plot" << "plot.svg" << QByteArray("<?xml");
        QTest::newRow("svg typed, png chosen") << "" << "plot.svg" << "plot.svg" << QByteArray("<?xml");
        QTest::newRow("pdf typed, svg chosen") << "SVG drawing (*.svg)" << "plot.PDF" << "plot.PDF" << QByteArray("%PDF");
        QTest::newRow("quote") << "PDF document (*.pdf)" << "my\"plot" << "" << QByteArray();
    }
    // The real dialog: the file's kind follows the chosen filter, or the suffix typed; a name with
    // a double quote is refused with a message and the dialog stays open.
    void typedName()
    {
        QFETCH(QString, filter);
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QFETCH(QByteArray, starts);
        struct RealPictureDialog : ScriptedDialogs {
            PictureName savePictureName(const QStringList &filters) override
            {
                return QtDialogService().savePictureName(filters);
            }
        } dialogs;
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QTimer::singleShot(200, this, [=] {
            auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (!filter.isEmpty())
                box->selectNameFilter(filter);
            QTest::keyClicks(QApplication::focusWidget(), typed + u'\r');
            if (auto *still = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                still->reject();
        });
        windows().frmCurve()->mnuExport_Click();
        QCOMPARE(QDir().entryList(QDir::Files), file.isEmpty() ? QStringList() : QStringList{file});
        if (file.isEmpty()) {
            QCOMPARE(dialogs.messages, QStringList{"The picture cannot be saved as my\"plot: a file name must not "
                                                   "contain a double quote (\")."});
            return;
        }
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith(starts));
    }

    // Exporting, printing and cancelling either leave the picture, the equation, the curve count
    // and the colours to come as they were.
    void changesNothing()
    {
        FrmMain *frm = windows().frmMain();
        frm->show();
        drive::setGrid(frm);
        drive::addTerm(frm, "2", "CmdXSquare");
        drive::click(frm->cmdSketch);
        frm->mnuCurve06_Click();
        const QImage picture = windows().frmCurve()->PicCurve->Image();
        const QString equation = frm->TxtEquation->text();
        const auto curves = frm->state.CurveCount;
        RandomSequence colours = programRandom();

        ExportDialogs dialogs;
        for (int type = Png1; type <= Pdf; ++type)
            dialogs.pictureNames << DialogService::PictureName{m_dir.filePath(QString("all%1").arg(type)), type};
        for (int i = 0; i <= Pdf + 1; ++i) // the last one cancelled
            windows().frmCurve()->mnuExport_Click();
        dialogs.printTo = m_dir.filePath("printed.pdf");
        windows().frmCurve()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows().frmCurve()));
        QTest::keyClick(windows().frmCurve(), Qt::Key_P, Qt::ControlModifier);
        dialogs.printTo.clear();
        windows().frmCurve()->mnuPrint_Click();

        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 6);
        QCOMPARE(windows().frmCurve()->PicCurve->Image(), picture);
        QCOMPARE(frm->TxtEquation->text(), equation);
        QCOMPARE(frm->state.CurveCount, curves);
        QCOMPARE(nextCurveColour(programRandom()), nextCurveColour(colours));
    }

    void menu_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("right button") << "right button";
        QTest::newRow("Menu key") << "Menu key";
        QTest::newRow("Shift+F10") << "Shift+F10";
    }
    // The surface's menu opens by mouse and keyboard with its four spoken items; Export... asks.
    void menu()
    {
        QFETCH(QString, how);
        ExportDialogs dialogs;
        FrmCurve *curve = windows().frmCurve();
        curve->showInFront();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        curve->PicCurve->setFocus();
        if (how == "right button") {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 100), curve->PicCurve->mapToGlobal(QPoint(100, 100)));
            QApplication::sendEvent(curve->PicCurve, &event);
        } else if (how == "Menu key") {
            QTest::keyClick(curve->PicCurve, Qt::Key_Menu);
        } else {
            QTest::keyClick(curve->PicCurve, Qt::Key_F10, Qt::ShiftModifier);
        }
        QTRY_VERIFY(curve->PictureMenu->isVisible());
        QStringList names;
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(curve->PictureMenu);
        for (int i = 0; i < menu->childCount(); ++i)
            names << menu->child(i)->text(QAccessible::Name);
        QCOMPARE(names, (QStringList{"Copy to Clipboard", "Save as Bitmap...", "Export...", "Print..."}));
        QTest::keyClick(curve->PictureMenu, Qt::Key_E);
        QTRY_VERIFY(!curve->PictureMenu->isVisible());
        dialogs.pictureNames << DialogService::PictureName{m_dir.filePath("menu.svg"), Svg};
        curve->PictureMenu->actions().at(2)->trigger();
        QVERIFY(QFile::exists(m_dir.filePath("menu.svg")));
    }
};

QTEST_MAIN(TstExportMenu)
#include "tst_exportmenu.moc"
