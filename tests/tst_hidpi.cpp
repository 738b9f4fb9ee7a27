// The surface on a screen at 200 %: twice the pixels, lines two pixels wide, same twips.
#include "plot/geometry.h"
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QClipboard>
#include <QPushButton>

#include <QTemporaryDir>
#include <QtTest>

class TestHiDpi : public QObject {
    Q_OBJECT
    ScriptedDialogs m_dialogs;

    static QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

private slots:
    void pictureHasTwiceThePixels()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        zelta::ImageSurface surface;
        const QImage picture = surface.Image();
        QCOMPARE(picture.size(), QSize(1226, 906));
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(613, 453));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
    }

    void gridLinesAreTwoDevicePixelsWide()
    {
        zelta::ImageSurface surface;
        zelta::drawGrid(surface, zelta::OriginRow, zelta::OriginColumn, 1);
        const QImage picture = surface.Image();
        const QRgb axis = qRgb(100, 100, 100);
        // Row 3400 twips is device row 453; the axis covers 453 and 454.
        QCOMPARE(picture.pixel(24, 453), axis);
        QCOMPARE(picture.pixel(24, 454), axis);
        QCOMPARE(picture.pixel(24, 455), qRgb(255, 255, 255));
        QCOMPARE(picture.pixel(615, 24), qRgb(255, 255, 255));
        QCOMPARE(picture.pixel(613, 24), axis);
        QCOMPARE(picture.pixel(614, 24), axis);
    }

    void savedBitmapKeepsTheDevicePixels()
    {
        zelta::ImageSurface surface;
        zelta::drawGrid(surface, zelta::OriginRow, zelta::OriginColumn, 1);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("hidpi.bmp"));
        QVERIFY(zelta::saveBitmap(surface.Image(), name));
        const QImage saved(name);
        QCOMPARE(saved.size(), QSize(1226, 906));
        QCOMPARE(saved.pixel(20, 454), qRgb(100, 100, 100));
    }

    void windowShowsAndCopiesTheFullPicture()
    {
        zelta::FrmMain *main = zelta::windows().frmMain();
        main->show();
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        zelta::FrmCurve *curve = zelta::windows().frmCurve();
        const QImage picture = curve->PicCurve->Image();
        QCOMPARE(picture.size(), QSize(1226, 906));
        curve->showInFront();
        QVERIFY(QTest::qWaitForWindowExposed(curve));
        QCOMPARE(rgb(curve->PicCurve->grab().toImage()), rgb(picture));
        QTest::mouseClick(curve->CmdCopy, Qt::LeftButton);
        QCOMPARE(rgb(QGuiApplication::clipboard()->image()), rgb(picture));
        zelta::windows().destroyAll();
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
