// The curve window: layout, copy, save, reset, close and the pointer read-out.
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace zelta;

namespace {
const QString DesignedScale = QStringLiteral("Scale: One big square on each axis represents one units.");
const QString ResetPrompt =
    QStringLiteral("Enter the settings of the grid or choose the default values and click Set grid.");

QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

// The default grid of a scale on a surface that has never been drawn on.
QImage freshGrid(double boxUnits, QRgb foreColor = DesignedForeColor, const QString &font = QString())
{
    ImageSurface surface;
    surface.setForeColor(foreColor);
    if (!font.isEmpty())
        surface.setFontName(font);
    drawGrid(surface, 3400, 4600, boxUnits);
    return rgb(surface.Image());
}

QImage white() { QImage w(613, 453, QImage::Format_RGB32); w.fill(Qt::white); return w; }
} // namespace

class TstCurveWindow : public QObject {
    Q_OBJECT
    ScriptedDialogs m_dialogs;
    FrmMain *main = nullptr;
    FrmCurve *curve() { return windows().frmCurve(); }

    void setGrid(QRadioButton *scale)
    {
        QTest::mouseClick(scale, Qt::LeftButton, {}, QPoint(6, scale->height() / 2));
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
    }
    void sketch(const char *coefficient, QPushButton *term)
    {
        QTest::keyClicks(main->TxtCoeff, QString::fromLatin1(coefficient));
        QTest::mouseClick(main->CmdContin, Qt::LeftButton);
        QTest::mouseClick(term, Qt::LeftButton);
        QTest::mouseClick(main->cmdSketch, Qt::LeftButton);
    }
    void checkResetControls()
    {
        QCOMPARE(main->TxtStartX->text(), QStringLiteral("-9"));
        QCOMPARE(main->TxtEndX->text(), QStringLiteral("9"));
        QCOMPARE(main->TxtEquation->text(), QString());
        QCOMPARE(main->TxtCoeff->text(), QString());
        QCOMPARE(main->lblDes->text(), ResetPrompt);
        for (QPushButton *b : main->termButtons())
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        for (QPushButton *b : {main->CmdMinus, main->CmdPlus, main->CmdContin, main->cmdSketch})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(main->CmdGrid->isEnabled());
        for (QWidget *w : {static_cast<QWidget *>(main->TxtStartX), static_cast<QWidget *>(main->TxtEndX),
                           static_cast<QWidget *>(main->TxtCoeff)})
            QVERIFY(w->isEnabled());
        for (QRadioButton *o : main->scaleOptions())
            QVERIFY(o->isEnabled());
        QVERIFY(main->FrameSettings->isVisible());
        QVERIFY(!main->FrameEquation->isVisible());
        QCOMPARE(main->state.GridDrawn, false);
        QCOMPARE(main->state.GridSet, false);
        QCOMPARE(main->state.CurveCount, std::int16_t(0));
        QCOMPARE(main->state.TermIndex, std::int16_t(0));
        QVERIFY(std::all_of(main->state.TermTable.begin(), main->state.TermTable.end(),
                            [](double v) { return v == 0; }));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

private slots:
    void init()
    {
        windows().destroyAll();
        QGuiApplication::clipboard()->clear();
        main = windows().frmMain();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        m_dialogs.messages.clear();
        m_dialogs.saveNames.clear();
    }
    void cleanup() { windows().destroyAll(); }

    void layout()
    {
        FrmCurve *c = curve();
        QCOMPARE(c->windowTitle(), QStringLiteral("Curve"));
        QCOMPARE(c->minimumSize(), QSize(613, 471));
        QCOMPARE(c->maximumSize(), QSize(613, 471));
        QCOMPARE(c->PicCurve->geometry(), QRect(0, 0, 613, 453));
        QCOMPARE(c->CmdCopy->geometry(), QRect(64, 416, 153, 25));
        QCOMPARE(c->CmdSave->geometry(), QRect(232, 416, 153, 25));
        QCOMPARE(c->Cmd->geometry(), QRect(400, 416, 161, 25));
        QCOMPARE(c->LblScale->geometry(), QRect(0, 456, 609, 17));
        QCOMPARE(c->CmdCopy->text(), QStringLiteral("Copy to Clipboard"));
        QCOMPARE(c->CmdSave->text(), QStringLiteral("Save as Bitmap"));
        QCOMPARE(c->Cmd->text(), QStringLiteral("Reset Zeltaplot"));
        QVERIFY(c->LblScale->alignment() & Qt::AlignHCenter);

        c->showInFront();
        QVERIFY(QTest::qWaitForWindowActive(c));
        // The buttons lie over the surface and stay in front of it.
        for (QPushButton *b : {c->CmdCopy, c->CmdSave, c->Cmd})
            QCOMPARE(c->childAt(b->geometry().center()), b);
        // Tab order: Reset, Save, Copy.
        c->Cmd->setFocus();
        QTest::keyClick(c, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c->CmdSave);
        QTest::keyClick(c, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c->CmdCopy);
    }

    void sameIconAsMainWindow()
    {
        QVERIFY(!curve()->windowIcon().isNull());
        for (int size : {16, 32})
            QCOMPARE(curve()->windowIcon().pixmap(size).toImage(), main->windowIcon().pixmap(size).toImage());
    }

    void designedScaleCaption()
    {
        windows().destroyAll();
        FrmCurve *c = windows().frmCurve();
        QCOMPARE(c->LblScale->text(), DesignedScale);
        QCOMPARE(rgb(c->PicCurve->Image()), white());
        QCOMPARE(c->PicCurve->FontName(), QStringLiteral("MS Sans Serif"));
        // Loading the main window selects the one-unit scale, which writes the label.
        windows().frmMain();
        QCOMPARE(c->LblScale->text(), QStringLiteral("Scale: One big box represents one unit on each axis"));
    }

    void resetButton_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<double>("boxUnits");
        QTest::newRow("half") << "OptHalf" << 0.5;
        QTest::newRow("one") << "OptOne" << 1.0;
        QTest::newRow("four") << "OptFour" << 4.0;
    }
    void resetButton()
    {
        QFETCH(QString, scale);
        QFETCH(double, boxUnits);
        setGrid(main->findChild<QRadioButton *>(scale));
        QCOMPARE(main->plot.BoxUnits, boxUnits);
        sketch("3", main->CmdXSquare);
        FrmCurve *c = curve();
        QVERIFY(c->isVisible());
        QTest::mouseClick(c->CmdCopy, Qt::LeftButton);
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        const QRgb curveColour = c->PicCurve->ForeColor();

        QTest::mouseClick(c->Cmd, Qt::LeftButton);
        QCOMPARE(curve(), c); // hidden, not unloaded
        QVERIFY(c->isHidden());
        checkResetControls();
        QVERIFY(main->OptOne->isChecked());
        QCOMPARE(main->plot.BoxUnits, 1.0);
        QCOMPARE(main->plot.UnitTwips, std::int16_t(500));
        QCOMPARE(main->plot.XLimit, 9.0);
        QCOMPARE(main->LblInGrid->text(), QStringLiteral("The starting and ending X values can have values in the range -9 to 9"));
        QCOMPARE(c->LblScale->text(), QStringLiteral("Scale: One big box represents one unit on each axis"));
        QTRY_VERIFY(main->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), main->OptOne);
        QCOMPARE(rgb(c->PicCurve->Image()), white());
        for (QPushButton *b : {c->Cmd, c->CmdCopy, c->CmdSave})
            QVERIFY(b->isEnabled());

        // The next Set Grid draws a fresh grid on the cleared surface: later labels are
        // in Arial and in the colour the last curve left.
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        QVERIFY(main->FrameEquation->isVisible());
        QCOMPARE(rgb(c->PicCurve->Image()), freshGrid(1, curveColour, QStringLiteral("Arial")));
        QCOMPARE(m_dialogs.messages, QStringList());
    }

    void closingKeepsScale()
    {
        setGrid(main->OptFour);
        sketch("1", main->CmdXFive);
        QPointer<FrmCurve> old = curve();
        QVERIFY(old->isVisible());
        QTest::mouseClick(old->CmdCopy, Qt::LeftButton);
        old->close();
        QTRY_VERIFY(old.isNull());
        QVERIFY(!windows().curveLoaded());
        checkResetControls();
        QVERIFY(main->OptFour->isChecked());
        QCOMPARE(main->plot.XLimit, 36.0);
        QCOMPARE(main->plot.UnitTwips, std::int16_t(125));

        // -9..9 is inside the four-unit limit; the grid goes on a new, white surface.
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        QCOMPARE(m_dialogs.messages, QStringList());
        QVERIFY(main->FrameEquation->isVisible());
        QCOMPARE(main->plot.FirstColumn, std::int16_t(4600 - 9 * 125));
        QCOMPARE(main->plot.LastColumn, std::int16_t(4600 + 9 * 125));
        QVERIFY(windows().curveLoaded());
        FrmCurve *fresh = curve();
        QVERIFY(fresh->isHidden());
        QCOMPARE(fresh->LblScale->text(), DesignedScale);
        QCOMPARE(rgb(fresh->PicCurve->Image()), freshGrid(4));
    }

    void copy()
    {
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        FrmCurve *c = curve();
        c->showInFront();
        QVERIFY(QTest::qWaitForWindowExposed(c));
        QTest::mouseClick(c->CmdCopy, Qt::LeftButton);
        // The grid alone, without the window's buttons.
        const QImage grid = rgb(QGuiApplication::clipboard()->image());
        QCOMPARE(grid.size(), QSize(613, 453));
        QCOMPARE(grid, freshGrid(1));

        sketch("2", main->CmdXSquare);
        QTest::mouseClick(c->CmdCopy, Qt::LeftButton);
        const QImage withCurve = rgb(QGuiApplication::clipboard()->image());
        QCOMPARE(withCurve, rgb(c->PicCurve->Image()));
        // y = 2 at x = 1: column 5100, row 2400.
        QCOMPARE(withCurve.pixel(340, 160), c->PicCurve->ForeColor() | 0xff000000u);
    }

    void save_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("new file") << false;
        QTest::newRow("replaces a file") << true;
    }
    void save()
    {
        QFETCH(bool, replace);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("grid.bmp"));
        if (replace) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier");
        }
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        sketch("-1", main->CmdXCube);
        m_dialogs.saveNames << name;
        QTest::mouseClick(curve()->CmdSave, Qt::LeftButton);
        QVERIFY(m_dialogs.saveNames.isEmpty());
        QCOMPARE(m_dialogs.messages, QStringList());
        QFile f(name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        const QImage saved(name);
        QCOMPARE(saved.size(), QSize(613, 453));
        QCOMPARE(rgb(saved), rgb(curve()->PicCurve->Image()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("grid.bmp")});
    }

    void saveFails_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("missing folder") << "missing/pic.bmp";
        QTest::newRow("parent is a file") << "plain.txt/pic.bmp";
    }
    void saveFails()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QFile plain(dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QString name = dir.filePath(target);
        m_dialogs.saveNames << name;
        QTest::mouseClick(curve()->CmdSave, Qt::LeftButton);
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY2(m_dialogs.messages.first().contains(name), qPrintable(m_dialogs.messages.first()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
        QVERIFY(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty());
        // The program goes on: the next save works.
        m_dialogs.saveNames << dir.filePath(QStringLiteral("ok.bmp"));
        QTest::mouseClick(curve()->CmdSave, Qt::LeftButton);
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(QImage(dir.filePath(QStringLiteral("ok.bmp"))).size(), QSize(613, 453));
    }

    void failedWriteKeepsEarlierFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("keep.bmp"));
        const QByteArray earlier("an earlier picture");
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(earlier);
        f.close();
        QString error;
        // An empty picture cannot be written as a bitmap.
        QVERIFY(!saveBitmap(QImage(), name, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), earlier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"keep.bmp"});
    }

    void saveCancelled()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        m_dialogs.saveNames << QString();
        QTest::mouseClick(curve()->CmdSave, Qt::LeftButton);
        QDir::setCurrent(previous);
        QCOMPARE(m_dialogs.messages, QStringList());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void saveDialogAddsExtension()
    {
        QTemporaryDir dir;
        FrmCurve *c = curve();
        c->showInFront();
        QVERIFY(QTest::qWaitForWindowActive(c));
        QStringList seen;
        // Answers the real dialog as a user would: type a name without extension, press Enter,
        // and confirm replacing a file that exists.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                seen << QStringLiteral("confirm");
                box->button(QMessageBox::Yes)->click();
            } else if (auto *fd = qobject_cast<QFileDialog *>(modal); fd && !fd->property("typed").toBool()) {
                fd->setProperty("typed", true);
                seen << fd->defaultSuffix() << fd->nameFilters().join(u';')
                     << QString::number(fd->testOption(QFileDialog::DontConfirmOverwrite));
                fd->setDirectory(dir.path());
                auto *edit = fd->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                QTest::keyClicks(edit, QStringLiteral("curve"));
                // Later, so this poll keeps running while the dialog asks for confirmation.
                QTimer::singleShot(0, edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); });
            }
        });
        poll.start(50);
        setDialogService(nullptr);
        QTest::mouseClick(c->CmdSave, Qt::LeftButton);
        QCOMPARE(seen, (QStringList{"bmp", "Bitmaps (*.bmp)", "0"}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"curve.bmp"});
        QCOMPARE(QImage(dir.filePath("curve.bmp")).size(), QSize(613, 453));
        seen.clear();
        QTest::mouseClick(c->CmdSave, Qt::LeftButton);
        setDialogService(&m_dialogs);
        QCOMPARE(seen, (QStringList{"bmp", "Bitmaps (*.bmp)", "0", "confirm"}));
    }

    void readout_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QString>("tip");
        QTest::newRow("half a box up right") << "OptOne" << 4850.f << 3150.f << "0.5,0.5";
        QTest::newRow("origin") << "OptOne" << 4600.f << 3400.f << "0,0";
        QTest::newRow("down left") << "OptOne" << 4350.f << 3650.f << "-0.5,-0.5";
        QTest::newRow("half, top left") << "OptHalf" << 0.f << 0.f << "-4.6,3.4";
        QTest::newRow("two, bottom right") << "OptTwo" << 9200.f << 6800.f << "18.4,-13.6";
        QTest::newRow("four, top left") << "OptFour" << 0.f << 0.f << "-36.8,27.2";
        QTest::newRow("one twip") << "OptOne" << 4601.f << 3399.f << "0.002,0.002";
        QTest::newRow("seven digits") << "OptHalf" << 5834.567f << 3400.f << "1.234567,0";
    }
    void readout()
    {
        QFETCH(QString, scale);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QString, tip);
        QTest::mouseClick(main->findChild<QRadioButton *>(scale), Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(main->findChild<QRadioButton *>(scale)->isChecked());
        curve()->PicCurve_MouseMove(x, y);
        QCOMPARE(curve()->PicCurve->toolTip(), tip);
    }

    void readoutFollowsPointer()
    {
        FrmCurve *c = curve();
        c->showInFront();
        QVERIFY(QTest::qWaitForWindowExposed(c));
        // Pixel (323, 210) is column 4845, row 3150; the move goes through the window system.
        QTest::mouseMove(c->windowHandle(), c->PicCurve->mapTo(c, QPoint(323, 210)));
        QTRY_COMPARE(c->PicCurve->toolTip(), QStringLiteral("0.49,0.5"));
    }
};

QTEST_MAIN(TstCurveWindow)
#include "tst_curvewindow.moc"
