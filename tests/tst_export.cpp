// Export and print: the picture replayed from the surface's record into PNG, SVG and PDF files at
// the surface's true size and on paper, poles kept apart, failures told with their reason, the
// record's memory, the surface's menu, and nothing else changed.
#include "drive.h"
#include "equation/sketch.h"
#include "pictureprobe.h"
#include "plot/canvas.h"
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "plot/picturefiles.h"
#include "presets/presets.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
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

// The picture of the surface (the curve window's by default) as a file of the type.
QByteArray exported(Type type, const ImageSurface *surface = nullptr)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!writePicture((surface ? surface : windows().frmCurve()->PicCurve)->record(), PictureTypes[type], buffer, error))
        qWarning() << error;
    return bytes;
}

} // namespace

class TstExport : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init() { windows().frmMain()->show(); }
    void cleanup()
    {
        windows().destroyAll();
        for (const QString &f : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(m_dir.filePath(f));
    }

    void largerPng_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("dotsPerMeter");
        QTest::addColumn<int>("axisColumn"); // the Y axis at twip column 4600
        QTest::addColumn<QPoint>("arrowTip"); // the X axis's arrow head ends at twips 9100, 3400
        QTest::newRow("twice") << int(Png2) << QSize(1226, 906) << 7559 << 613 << QPoint(1213, 453);
        QTest::newRow("four times") << int(Png4) << QSize(2453, 1813) << 15118 << 1226 << QPoint(2426, 906);
    }
    // Two and four pixels for each of the screen's, and a resolution that gives the true size.
    void largerPng()
    {
        QFETCH(int, type);
        QFETCH(QSize, size);
        QFETCH(int, dotsPerMeter);
        QFETCH(int, axisColumn);
        QFETCH(QPoint, arrowTip);
        DRIVE("click CmdGrid");
        const QImage png = QImage::fromData(exported(Type(type)), "PNG");
        QCOMPARE(png.size(), size);
        QCOMPARE(png.dotsPerMeterX(), dotsPerMeter);
        const int scale = type == Png2 ? 2 : 4, row = 12 * scale; // row 12 of the screen is clear of lines
        QCOMPARE(png.pixel(axisColumn - 1, row), qRgb(255, 255, 255));
        for (int x = axisColumn; x < axisColumn + scale; ++x)
            QCOMPARE(png.pixel(x, row), qRgb(100, 100, 100));
        QCOMPARE(png.pixel(axisColumn + scale, row), qRgb(255, 255, 255));
        QCOMPARE(png.pixel(arrowTip), qRgb(0, 0, 0));
    }

    void svgAt96Dpi_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("presets") << "menu mnuCur01; menu mnuCurve02; menu mnuCurve03; menu mnuOneOver; menu mnuCurve06; menu mnuLog";
        QTest::newRow("sketch on four") << "click OptFour; click CmdGrid; type TxtCoeff 3; click CmdContin; click Cmdsin; click CmdMinus;"
                                           "type TxtCoeff 1; click CmdContin; click CmdXSquare; click cmdSketch";
    }
    // The SVG shown at 96 dpi is the screen's picture wherever there is no text.
    void svgAt96Dpi()
    {
        QFETCH(QString, script);
        DRIVE(script);
        const ImageSurface &surface = *windows().frmCurve()->PicCurve;
        QSvgRenderer svg(exported(Svg));
        QVERIFY(svg.isValid());
        QImage shown(613, 453, QImage::Format_RGB32);
        shown.fill(Qt::white);
        QPainter painter(&shown);
        svg.render(&painter, QRectF(0, 0, 9200 / 15.0, 6800 / 15.0));
        painter.end();
        // Text is drawn by the renderer's own rules; mask it generously.
        struct Texts {
            QList<QRect> boxes;
            void line(float, float, float, float, QRgb) {}
            void points(float, const float *, std::size_t, QRgb) {}
            void text(const SurfaceRecord::Text &t)
            {
                const QFontMetrics metrics(t.font);
                boxes << QRect(int(t.x / 15) - 3, int(t.y / 15) - 3, metrics.horizontalAdvance(t.text) * 3 / 2 + 6,
                               metrics.height() + 6);
            }
        } texts;
        surface.record().replay(texts);
        QImage screen = surface.Image();
        int compared = 0;
        for (int y = 0; y < 453; ++y)
            for (int x = 0; x < 613; ++x) {
                if (std::any_of(texts.boxes.begin(), texts.boxes.end(), [&](const QRect &r) { return r.contains(x, y); }))
                    continue;
                ++compared;
                QVERIFY2(shown.pixel(x, y) == screen.pixel(x, y), qPrintable(QString("at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(compared > 613 * 453 * 9 / 10);
    }

    // The PDF's page is the surface at its true size: 460 x 340 points, a big square 8.82 mm.
    void pdfAtTrueSize()
    {
        DRIVE("click CmdGrid");
        QFile file(m_dir.filePath("true.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(exported(Pdf)) > 0);
        file.close();
        QProcess info;
        info.start("pdfinfo", {file.fileName()});
        QVERIFY(info.waitForFinished(30000));
        const QByteArray properties = info.readAllStandardOutput();
        QVERIFY(properties.contains("Page size:       460 x 340 pts"));
        QVERIFY(properties.contains("Creator:         Zeltaplot\n"));
        // The labels' faces travel with the file (the window's default face has only bitmaps).
        QProcess fonts;
        fonts.start("pdffonts", {file.fileName()});
        QVERIFY(fonts.waitForFinished(30000));
        const QStringList faces = QString::fromLatin1(fonts.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(faces.size(), 1);
        for (const QString &face : faces)
            QVERIFY2(face.section(u' ', -5, -5, QString::SectionSkipEmpty) == "yes", qPrintable(face));
        // At 720 dpi the page is 4600 x 3400 pixels: half a twip each.
        const QImage page = pdfPage(file.fileName(), 720);
        QCOMPARE(page.size(), QSize(4600, 3400));
        // Row 2065 (twip 4130) and column 2465 (twip 4930) pass between small boxes' lines and labels.
        for (bool alongRow : {true, false}) {
            const QList<double> lines = linesAcross(page, alongRow ? 2065 : 2465, alongRow, 200);
            QCOMPARE(lines.size(), alongRow ? 19 : 13);
            for (qsizetype i = 1; i < lines.size(); ++i)
                QVERIFY2(std::abs((lines[i] - lines[i - 1]) / 720 * 25.4 - 8.82) < 0.02,
                         qPrintable(QString("square %1 is %2 px").arg(i).arg(lines[i] - lines[i - 1])));
        }
    }

    void polesNotCrossed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QList<int>>("poles"); // twip columns
        const QList<int> tan{3815, 5385, 6956, 8527, 2244, 673};
        QTest::newRow("1/x svg") << int(Svg) << 3 << QList<int>{4600};
        QTest::newRow("1/x pdf") << int(Pdf) << 3 << QList<int>{4600};
        QTest::newRow("tan x svg") << int(Svg) << 7 << tan;
        QTest::newRow("tan x pdf") << int(Pdf) << 7 << tan;
    }
    // The branches on either side of a pole come close to it, and nothing is drawn across it.
    void polesNotCrossed()
    {
        QFETCH(int, type);
        QFETCH(int, preset);
        QFETCH(QList<int>, poles);
        ImageSurface surface; // only the curve: every dark pixel is the curve's
        surface.setForeColor(qRgb(0, 0, 0));
        plotPreset(surface, Presets[static_cast<std::size_t>(preset)], 500);
        const QByteArray bytes = exported(Type(type), &surface);
        QImage picture(920, 680, QImage::Format_RGB32); // 144 dpi: ten twips a pixel
        if (type == Svg) {
            picture.fill(Qt::white);
            QPainter painter(&picture);
            QSvgRenderer(bytes).render(&painter, QRectF(0, 0, 920, 680));
        } else {
            QFile file(m_dir.filePath("poles.pdf"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
            file.close();
            picture = pdfPage(file.fileName(), 144);
        }
        const auto darkIn = [&](int from, int to) {
            int dark = 0;
            for (int x = from / 10; x < to / 10; ++x)
                for (int y = 0; y < picture.height(); ++y)
                    dark += qGray(picture.pixel(x, y)) < 128;
            return dark;
        };
        for (int pole : poles) {
            QCOMPARE(darkIn(pole - 40, pole + 40), 0);
            QVERIFY(darkIn(pole - 200, pole - 40) > 10);
            QVERIFY(darkIn(pole + 40, pole + 200) > 10);
        }
    }

    // Thirty curves on one grid cost a float a column; Cls gives the memory back.
    void recordStaysSmall()
    {
        ImageSurface surface;
        drawGrid(surface, OriginRow, OriginColumn, 1);
        EquationState equation;
        RandomSequence random;
        for (int i = 0; i < 30; ++i)
            drawPreset(surface, equation, 500, Presets[0], surface.printFont(), random);
        QVERIFY2(surface.record().bytes() < 3u << 20, qPrintable(QString::number(surface.record().bytes())));
        surface.Cls();
        QVERIFY(surface.record().isEmpty());
        QVERIFY2(surface.record().bytes() < 64u << 10, qPrintable(QString::number(surface.record().bytes())));
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
        DRIVE("click CmdGrid");
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
        DRIVE("click CmdGrid");
        const QImage before = windows().frmCurve()->PicCurve->Image();
        const QString folder = m_dir.filePath("folder");
        QVERIFY(QDir().mkpath(folder));
        const QString name = QDir(folder).filePath("earlier");
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
        DRIVE("click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare; click cmdSketch; menu mnuCurve06");
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

QTEST_MAIN(TstExport)
#include "tst_export.moc"
