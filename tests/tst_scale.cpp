// At 100 % and at 200 %: every caption fits its control, the main window is drawn crisp, and the
// picture has the screen's pixels on screen, on the clipboard and in a file.
#include "drive.h"
#include "golden.h"
#include "scripteddialogs.h"
#include "platform/fonts.h"
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

namespace {

QWidget *window(const QString &name)
{
    if (name == "frmMain")
        return windows().frmMain();
    if (name == "frmCurve")
        return windows().frmCurve();
    if (name == "frmHelp")
        return windows().frmHelp();
    return windows().frmSplash();
}

// The caption and the width the control leaves it, as the style lays the control out.
std::pair<QString, int> captionAndRoom(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        const auto element = qobject_cast<QRadioButton *>(w) ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
        return {b->text(), w->style()->subElementRect(element, &o, w).width()};
    }
    if (auto *l = qobject_cast<QLabel *>(w))
        return {l->text(), l->contentsRect().width()};
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return {g->title(), g->width()};
    return {};
}

} // namespace

class TstScale : public QObject {
    Q_OBJECT

private slots:
    // A text cursor that does not blink is in every picture alike.
    void initTestCase() { QApplication::setCursorFlashTime(0); }
    void cleanup() { windows().destroyAll(); }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *w : {"frmMain", "frmCurve", "frmHelp", "frmSplash"})
            QTest::newRow(w) << w;
    }
    // The ink of every caption lies within its control, as at 100 % with the designed face.
    void captionsFit()
    {
        QFETCH(QString, window);
        int captions = 0;
        for (QWidget *w : ::window(window)->findChildren<QWidget *>()) {
            auto [caption, room] = captionAndRoom(w);
            caption.remove(u'&');
            if (caption.trimmed().isEmpty())
                continue;
            ++captions;
            const int ink = QFontMetrics(w->font()).boundingRect(caption).width();
            QVERIFY2(ink <= room, qPrintable(QStringLiteral("%1 \"%2\": %3 > %4").arg(w->objectName(), caption).arg(ink).arg(room)));
        }
        QVERIFY(captions >= 4);
    }

    void mainWindowPicture_data()
    {
        QTest::addColumn<bool>("equationPanel");
        QTest::newRow("grid settings") << false;
        QTest::newRow("equation") << true;
    }
    // Both panels as drawn at this scale, menus included.
    void mainWindowPicture()
    {
        QFETCH(bool, equationPanel);
        FrmMain *main = windows().frmMain();
        main->show();
        if (equationPanel)
            QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        // At 100 % the same states as tst_pictures'.
        const QString name = QStringLiteral("main-%1").arg(equationPanel ? "equation" : "settings") +
                             (qApp->devicePixelRatio() == 1 ? QString() : QStringLiteral("-200"));
        const QString differs = golden::mismatch(main->grab().toImage(), name);
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }

    // Twice the pixels at 200 %, lines two pixels wide, the same on screen, on the clipboard and in a file.
    void pictureAtThisScale()
    {
        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        dialogs.saveNames = {dir.filePath("scaled.bmp")};
        windows().frmMain()->show();
        DRIVE("click CmdGrid; menu mnuCur01; click CmdCopy; click CmdSave");
        const int dpr = int(qApp->devicePixelRatio());
        const auto pixels = [](QImage image) {
            image.setDevicePixelRatio(1);
            return image.convertToFormat(QImage::Format_RGB32);
        };
        const QImage picture = pixels(windows().frmCurve()->PicCurve->Image());
        QCOMPARE(picture.size(), QSize(613, 453) * dpr);
        // Row 3400 twips is pixel row 226 at 100 %, device rows 453 and 454 at 200 %: the axis.
        for (int y = 3400 * dpr / 15; y < 3400 * dpr / 15 + dpr; ++y)
            QCOMPARE(picture.pixel(24, y), qRgb(100, 100, 100));
        QCOMPARE(picture.pixel(24, 3400 * dpr / 15 + dpr), qRgb(255, 255, 255));
        QCOMPARE(pixels(windows().frmCurve()->PicCurve->grab().toImage()), picture);
        QCOMPARE(pixels(QGuiApplication::clipboard()->image()), picture);
        QCOMPARE(pixels(QImage(dir.filePath("scaled.bmp"))), picture);
    }
};

QTEST_MAIN(TstScale)
#include "tst_scale.moc"
