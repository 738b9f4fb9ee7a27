// The picture on a screen at 200 %: twice the pixels, lines two pixels wide, the same in copies and files.
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"
#include "plot/imagesurface.h"

#include <QClipboard>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestHiDpi : public QObject {
    Q_OBJECT
    ScriptedDialogs m_dialogs;

    // Pixels only: a file carries no device pixel ratio.
    static QImage rgb(QImage image)
    {
        image.setDevicePixelRatio(1);
        return image.convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void pictureShownCopiedAndSavedAtTwiceThePixels()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        zelta::FrmMain *main = zelta::windows().frmMain();
        main->show();
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        zelta::FrmCurve *curve = zelta::windows().frmCurve();
        const QImage picture = curve->PicCurve->Image();
        QCOMPARE(picture.size(), QSize(1226, 906));
        // Row 3400 twips is device row 453; the axis covers rows 453 and 454, column 4600 covers 613 and 614.
        const QRgb axis = qRgb(100, 100, 100), white = qRgb(255, 255, 255);
        QCOMPARE(picture.pixel(24, 453), axis);
        QCOMPARE(QList<QRgb>({picture.pixel(24, 454), picture.pixel(24, 455), picture.pixel(614, 24)}),
                 QList<QRgb>({axis, white, axis}));

        curve->showInFront();
        QVERIFY(QTest::qWaitForWindowExposed(curve));
        QCOMPARE(rgb(curve->PicCurve->grab().toImage()), rgb(picture));
        QTest::mouseClick(curve->CmdCopy, Qt::LeftButton);
        QCOMPARE(rgb(QGuiApplication::clipboard()->image()), rgb(picture));
        QTemporaryDir dir;
        m_dialogs.saveNames = {dir.filePath(QStringLiteral("hidpi.bmp"))};
        QTest::mouseClick(curve->CmdSave, Qt::LeftButton);
        QCOMPARE(rgb(QImage(dir.filePath(QStringLiteral("hidpi.bmp")))), rgb(picture));
        zelta::windows().destroyAll();
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
