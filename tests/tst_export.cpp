// The picture replayed from the surface's record: PNG at one, two and four times the screen, SVG
// and PDF at the surface's true size with poles kept apart, paper, the record's memory, the
// surface's menu, and nothing else changed by any of them.
#include "drive.h"
#include "filedialogs.h"
#include "equation/sketch.h"
#include "pictureprobe.h"
#include "plot/grid.h"
#include "presets/presets.h"
#include "windows/main/frmmain.h"

#include <QSvgRenderer>
#include <QtTest>
#include <QtWidgets>

using namespace zelta;
using namespace files;

class TstExport : public FileTestCase {
    Q_OBJECT

private slots:
    void pictureSize_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("dotsPerMeter"); // a printer's true size: 96 dpi times the scale
        QTest::newRow("PNG") << int(Png1) << QSize(613, 453) << 3780;
        QTest::newRow("PNG, twice") << int(Png2) << QSize(1226, 906) << 7559;
        QTest::newRow("PNG, four times") << int(Png4) << QSize(2453, 1813) << 15118;
    }
    // Larger PNGs: more pixels for each of the screen's, with a resolution that gives the true size.
    void pictureSize()
    {
        QFETCH(int, type);
        QFETCH(QSize, size);
        QFETCH(int, dotsPerMeter);
        DRIVE("click CmdGrid");
        const QImage png = QImage::fromData(exported(Type(type)), "PNG");
        QCOMPARE(png.size(), size);
        QCOMPARE(png.dotsPerMeterX(), dotsPerMeter);
        // The Y axis at twip column 4600, as wide as the scale, on white.
        const int scale = size.width() / 613, axis = 4600 * scale / 15;
        QCOMPARE(png.pixel(axis - 1, 12 * scale), qRgb(255, 255, 255));
        QCOMPARE(png.pixel(axis + scale - 1, 12 * scale), qRgb(100, 100, 100));
        QCOMPARE(png.pixel(axis + scale, 12 * scale), qRgb(255, 255, 255));
    }

    // The SVG shown at 96 dpi is the screen's picture wherever there is no text.
    void svgAt96Dpi()
    {
        DRIVE("click OptFour; click CmdGrid; menu mnuCurve03; menu mnuOneOver; menu mnuCurve06; type TxtCoeff 3; click CmdContin;"
              "click Cmdsin; click CmdMinus; type TxtCoeff 1; click CmdContin; click CmdXSquare; click cmdSketch");
        QImage shown(613, 453, QImage::Format_RGB32);
        shown.fill(Qt::white);
        QPainter painter(&shown);
        QSvgRenderer(exported(Svg)).render(&painter, QRectF(0, 0, 9200 / 15.0, 6800 / 15.0));
        painter.end();
        // Text is drawn by the renderer's own rules: each text's box is left out, generously.
        struct Texts {
            QRegion boxes;
            void line(float, float, float, float, QRgb) {}
            void points(float, const float *, std::size_t, QRgb) {}
            void text(const SurfaceRecord::Text &t)
            {
                const QFontMetrics m(t.font);
                boxes += QRect(int(t.x / 15) - 3, int(t.y / 15) - 3, m.horizontalAdvance(t.text) * 3 / 2 + 6, m.height() + 6);
            }
        } texts;
        windows().frmCurve()->PicCurve->record().replay(texts);
        const QImage screen = windows().frmCurve()->PicCurve->Image();
        int compared = 0;
        for (int y = 0; y < 453; ++y)
            for (int x = 0; x < 613; ++x)
                if (!texts.boxes.contains(QPoint(x, y)) && ++compared)
                    QVERIFY2(shown.pixel(x, y) == screen.pixel(x, y), qPrintable(QString("at %1,%2").arg(x).arg(y)));
        QVERIFY(compared > 613 * 453 * 9 / 10);
    }

    // The PDF's one page is the surface at true size, 460 x 340 points, with its faces embedded.
    void pdfPage()
    {
        FileDialogs dialogs;
        DRIVE("click CmdGrid");
        dialogs.save(Pdf, m_dir.filePath("page.pdf"));
        QProcess info, fonts;
        info.start("pdfinfo", {m_dir.filePath("page.pdf")});
        fonts.start("pdffonts", {m_dir.filePath("page.pdf")});
        QVERIFY(info.waitForFinished(30000) && fonts.waitForFinished(30000));
        QVERIFY(info.readAllStandardOutput().contains("Page size:       460 x 340 pts"));
        const QStringList faces = QString::fromLatin1(fonts.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(faces.size(), 1);
        QCOMPARE(faces.first().section(u' ', -5, -5, QString::SectionSkipEmpty), "yes");
    }

    void polesNotCrossed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QList<int>>("poles"); // twip columns
        QTest::newRow("1/x, SVG") << int(Svg) << 3 << QList<int>{4600};
        QTest::newRow("tan x, PDF") << int(Pdf) << 7 << QList<int>{673, 2244, 3815, 5385, 6956, 8527};
    }
    // The branches on either side of a pole come close to it, and nothing is drawn across it.
    void polesNotCrossed()
    {
        QFETCH(int, type);
        QFETCH(int, preset);
        QFETCH(QList<int>, poles);
        ImageSurface surface; // only the curve: every dark pixel is the curve's
        surface.setForeColor(qRgb(0, 0, 0));
        plotPreset(surface, Presets[std::size_t(preset)], 500);
        QImage picture(920, 680, QImage::Format_RGB32); // 144 dpi: ten twips a pixel
        if (type == Svg) {
            picture.fill(Qt::white);
            QPainter painter(&picture);
            QSvgRenderer(exported(Svg, &surface)).render(&painter, QRectF(0, 0, 920, 680));
        } else {
            QFile file(m_dir.filePath("poles.pdf"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(exported(Pdf, &surface)) > 0);
            file.close();
            picture = ::pdfPage(file.fileName(), 144);
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
            QVERIFY(darkIn(pole - 200, pole - 40) > 10 && darkIn(pole + 40, pole + 200) > 10);
        }
    }

    // A point that is not a number is drawn nowhere, also larger than the screen.
    void pointNotANumber()
    {
        ImageSurface surface;
        surface.PSet(4600, std::nanf(""));
        QImage white(1226, 906, QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(QImage::fromData(exported(Png2, &surface), "PNG").convertToFormat(QImage::Format_RGB32), white);
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
        QVERIFY(surface.record().isEmpty() && surface.record().bytes() < 64u << 10);
    }

    void printed_data()
    {
        QTest::addColumn<bool>("fit");
        QTest::addColumn<double>("squareMm");
        // A4 within 10 mm margins leaves 190 x 277 mm: the 162.28 mm wide picture fits as it is,
        // or grows by 190 / 162.28.
        QTest::newRow("true size") << false << 8.82;
        QTest::newRow("fit to page") << true << 10.33;
    }
    // Printed centred within the margins, so the Y axis runs through the centre of the A4 sheet.
    void printed()
    {
        QFETCH(bool, fit);
        QFETCH(double, squareMm);
        FileDialogs dialogs;
        dialogs.printTo = m_dir.filePath("printed.pdf");
        dialogs.fit = fit;
        DRIVE("click CmdGrid");
        windows().frmCurve()->mnuPrint_Click();
        // At 300 dpi the sheet is 2480 pixels wide; a row below the X axis, clear of labels and small lines.
        const QImage page = ::pdfPage(dialogs.printTo, 300);
        QCOMPARE(page.width(), 2480);
        const QList<double> lines = linesAcross(page, page.height() / 2 + (fit ? 80 : 69), true, 215);
        const auto axis = std::find_if(lines.begin(), lines.end(), [](double c) { return std::abs(c - 1240) < 2; });
        QVERIFY(axis != lines.end() && axis + 1 != lines.end());
        QVERIFY2(std::abs(*(axis + 1) - *axis - squareMm / 25.4 * 300) < 1.5, qPrintable(QString::number(*(axis + 1) - *axis)));
    }

    // At true size on a sheet too small for it the picture is cut at the margins, not drawn into them.
    void marginsKept()
    {
        FileDialogs dialogs;
        dialogs.printTo = m_dir.filePath("small.pdf");
        dialogs.paper = QPageSize::A6;
        DRIVE("click CmdGrid");
        windows().frmCurve()->mnuPrint_Click();
        // A6 at 100 dpi is 413.4 x 582.7 pixels; the 10 mm margins are 39.4 pixels wide, a pixel
        // of which the edge of the picture may grey.
        const QImage page = ::pdfPage(dialogs.printTo, 100);
        QCOMPARE(page.width(), 413);
        int inMargins = 0, inside = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const bool margin = x < 38 || x > 374 || y < 38 || y > 544, white = qGray(page.pixel(x, y)) == 255;
                (margin ? inMargins : inside) += margin ? !white : white;
            }
        QCOMPARE(inMargins, 0);
        QVERIFY(inside < 334 * 504 * 9 / 10); // the grid fills the rest
    }

    // Before anything is drawn a picture is the white surface, not an error.
    void emptyPaper()
    {
        FileDialogs dialogs;
        dialogs.save(Pdf, m_dir.filePath("empty.pdf"));
        QCOMPARE(dialogs.messages, QStringList());
        QImage white(230, 170, QImage::Format_Grayscale8); // 36 dpi
        white.fill(255);
        QCOMPARE(::pdfPage(m_dir.filePath("empty.pdf"), 36).convertToFormat(QImage::Format_Grayscale8), white);
    }

    // Exporting, printing and cancelling leave the picture, the equation, the curve count and the
    // colours to come as they were.
    void changesNothing()
    {
        FrmMain *frm = windows().frmMain();
        DRIVE("click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare; click cmdSketch; menu mnuCurve06");
        const QImage picture = windows().frmCurve()->PicCurve->Image();
        const QString equation = frm->TxtEquation->text();
        const auto curves = frm->state.CurveCount;
        RandomSequence colours = programRandom();
        FileDialogs dialogs;
        for (int type = Png1; type <= Pdf; ++type)
            dialogs.save(Type(type), m_dir.filePath(QString("all%1").arg(type)));
        windows().frmCurve()->mnuExport_Click(); // cancelled
        dialogs.printTo = m_dir.filePath("printed.pdf");
        windows().frmCurve()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows().frmCurve()));
        DRIVE("key frmCurve Ctrl+P");
        dialogs.printTo.clear();
        windows().frmCurve()->mnuPrint_Click(); // cancelled
        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 6);
        QCOMPARE(windows().frmCurve()->PicCurve->Image(), picture);
        QCOMPARE(frm->TxtEquation->text(), equation);
        QCOMPARE(frm->state.CurveCount, curves);
        QCOMPARE(nextCurveColour(programRandom()), nextCurveColour(colours));
    }

    void menu_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("how"); // a key, or none: the right button on the control
        QTest::newRow("right button") << "PicCurve" << "";
        QTest::newRow("right button on a button") << "Cmd" << "";
        QTest::newRow("Menu key on a button") << "Cmd" << "Menu";
        QTest::newRow("Shift+F10 on a button") << "CmdSave" << "Shift+F10";
    }
    // The surface's menu is the window's one context menu, by mouse and keyboard wherever the
    // focus is, with its four spoken items; Export... asks.
    void menu()
    {
        QFETCH(QString, focus);
        QFETCH(QString, how);
        FileDialogs dialogs;
        FrmCurve *curve = windows().frmCurve();
        curve->showInFront();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        auto *control = qobject_cast<QWidget *>(drive::find(focus));
        control->setFocus();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
        if (how.isEmpty())
            QApplication::sendEvent(control, &click);
        else
            DRIVE("key " + focus + " " + how);
        QTRY_VERIFY(curve->PictureMenu->isVisible());
        QStringList names;
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(curve->PictureMenu);
        for (int i = 0; i < menu->childCount(); ++i)
            names << menu->child(i)->text(QAccessible::Name);
        QCOMPARE(names, (QStringList{"Copy to Clipboard", "Save as Bitmap...", "Export...", "Print..."}));
        dialogs.pictureNames << DialogService::PictureName{m_dir.filePath("menu.svg"), Svg};
        QTest::keyClick(curve->PictureMenu, Qt::Key_E);
        QTRY_VERIFY(QFile::exists(m_dir.filePath("menu.svg")));
    }
};

QTEST_MAIN(TstExport)
#include "tst_export.moc"
