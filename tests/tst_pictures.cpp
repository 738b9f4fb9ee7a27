// Every window state a user meets, as a picture compared pixel for pixel with tests/golden/.
// Curves also carry points worked out by hand, so a golden picture made wrong cannot pass.
#include "drive.h"
#include "golden.h"
#include "platform/fonts.h"
#include "platform/random.h"
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

enum Shot { Main, Curve, Surface, Splash, Help, Message, Input };

struct State {
    const char *name;
    Shot shot;
    const char *script;
    QStringList replies; // to the input boxes the script opens
    // Pixels (x,y) the curve must colour, from the equation at hand.
    QList<QPoint> points;
    QRgb colour = qRgb(126, 28, 231); // the first colour of every run
};

const QString Term = QStringLiteral("click CmdGrid; type TxtCoeff %1; click CmdContin; click %2; click cmdSketch");

// A column of x is 4600 + 500x twips, a row of y 3400 - 500y, a pixel 15 twips (one unit per big box).
const State States[] = {
    {"main-settings", Main, "", {}, {}},
    {"main-settings-half", Main, "click OptHalf", {}, {}},
    {"main-settings-two", Main, "click OptTwo", {}, {}},
    {"main-settings-four", Main, "click OptFour", {}, {}},
    {"main-equation", Main, "click CmdGrid", {}, {}},
    {"main-continued", Main, "click CmdGrid; type TxtCoeff 2; click CmdContin", {}, {}},
    {"main-term", Main, "click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare", {}, {}},
    {"curve-window", Curve, "click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare; click cmdSketch", {}, {}},
    {"grid-half", Surface, "click OptHalf; click CmdGrid", {}, {}},
    {"grid-one", Surface, "click CmdGrid", {}, {}},
    {"grid-two", Surface, "click OptTwo; click CmdGrid", {}, {}},
    {"grid-four", Surface, "click OptFour; click CmdGrid", {}, {}},
    // New Curve clears the surface but keeps its font: these labels are in Arial.
    {"grid-after-new-curve", Surface, "click CmdGrid; menu mnuNew; click CmdGrid", {}, {}},
    // 2x^2: 0 at x = 0, 2 at x = 1 and x = -1.
    {"term-x2", Surface, "", {"2", "CmdXSquare"}, {{306, 226}, {340, 160}, {273, 160}}},
    // x^3: 1 at x = 1, -1 at x = -1.
    {"term-x3", Surface, "", {"1", "CmdXCube"}, {{340, 193}, {273, 260}}},
    // -x: -2 at x = 2.
    {"term-x", Surface, "", {"-1", "CmdXFive"}, {{373, 293}, {306, 226}}},
    // 1/x: 1 at x = 1, 0.5 at x = 2, -0.5 at x = -2.
    {"term-1-over-x", Surface, "", {"1", "CmdXFour"}, {{340, 193}, {373, 210}, {240, 243}}},
    // x^2.5 on 0..9: 1 at x = 1, 2.488 at x = 1.44 (column 5320, row 2155.8).
    {"term-x-to-a", Surface, "type TxtStartX 0", {"1", "CmdXY", "2.5"}, {{340, 193}, {354, 143}}},
    // sin x: 0 at x = 0, 1 at x = 1.57 (column 5385).
    {"term-sin", Surface, "", {"1", "Cmdsin"}, {{306, 226}, {359, 193}}},
    // cos x: 1 at x = 0, -1 at x = 3.142 (column 6171).
    {"term-cos", Surface, "", {"1", "Cmdcos"}, {{306, 193}, {411, 260}}},
    // tan x: 1.003 at x = 0.786 (column 4993).
    {"term-tan", Surface, "", {"1", "Cmdtan"}, {{332, 193}, {306, 226}}},
    // log x: 0 at x = 1, 0.9999 at x = 2.718 (column 5959).
    {"term-log", Surface, "", {"1", "Cmdlog"}, {{340, 226}, {397, 193}}},
    // 2^x: 1 at x = 0, 2 at x = 1, 0.5 at x = -1.
    {"term-a-to-x", Surface, "", {"1", "CmdAX", "2"}, {{306, 193}, {340, 160}, {273, 210}}},
    // sin 2x: 1 at x = 0.786 (column 4993).
    {"term-sin-ax", Surface, "", {"1", "cmdSinAX", "2"}, {{332, 193}, {306, 226}}},
    // cos 2x: 1 at x = 0, -0.999999 at x = 1.57 (column 5385, row 3899.9995).
    {"term-cos-ax", Surface, "", {"1", "cmdCosAX", "2"}, {{306, 193}, {359, 259}}},
    // tan 2x: 0.996 at x = 0.392 (column 4796).
    {"term-tan-ax", Surface, "", {"1", "cmdTanAX", "2"}, {{319, 193}, {306, 226}}},
    // x^2 on the domain 2 to 2, one column: the one point 4 at x = 2.
    {"one-column", Surface, "type TxtStartX 2; type TxtEndX 2", {"1", "CmdXSquare"}, {{373, 93}}},
    // 2x^2, then 2x^2 - 3x in the second colour: -1 at x = 1, 5 at x = -1.
    {"two-curves", Surface,
     "click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare; click cmdSketch; click CmdMinus;"
     "type TxtCoeff 3; click CmdContin; click CmdXFive; click cmdSketch", {}, {{340, 260}, {273, 60}}, qRgb(129, 26, 247)},
    // The nine presets on one grid; y = x alone passes -2 at x = -2.
    {"presets", Surface,
     "menu mnuCur01; menu mnuCurve02; menu mnuCurve03; menu mnuOneOver; menu mnuOverSquare; menu mnuCurve04;"
     "menu mnuCurve05; menu mnuCurve06; menu mnuLog", {}, {{240, 293}}},
    {"splash", Splash, "", {}, {}},
    {"help", Help, "menu mnuHowTo", {}, {}},
    {"help-topic-raised", Help, "menu mnuHowTo; point lblDes3; click cmdDes3", {}, {}},
    {"message-box", Message, "", {}, {}},
    {"input-box", Input, "", {}, {}},
};

class TstPictures : public QObject {
    Q_OBJECT

    // The box the dialog service opens, grabbed as soon as it is up, then cancelled; its title and place.
    static QImage grabDialog(Shot shot, QString &title, QPoint &at)
    {
        QImage picture;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            picture = box->grab().toImage();
            title = box->windowTitle();
            at = box->pos();
            static_cast<QDialog *>(box)->reject();
        });
        if (shot == Message)
            QtDialogService().message(QStringLiteral("Inavlid range"));
        else if (!QtDialogService().input(QStringLiteral(" Enter the value of a.Only integers (between 1 and 10) are acceptable.")).isEmpty())
            title = "Cancel gave a reply";
        return picture;
    }

private slots:
    void initTestCase()
    {
        QApplication::setCursorFlashTime(0); // a cursor that does not blink
        QApplication::setFont(windowFont()); // as the program sets it for its boxes
    }
    void cleanup() { windows().destroyAll(); }

    void picture_data()
    {
        QTest::addColumn<int>("state");
        for (int i = 0; i < int(std::size(States)); ++i)
            QTest::newRow(States[i].name) << i;
    }
    void picture()
    {
        QFETCH(int, state);
        const State &s = States[state];
        programRandom() = RandomSequence();
        ScriptedDialogs dialogs;
        // A term row: the coefficient, the term's button and its factor reply.
        QString script = QString::fromLatin1(s.script);
        if (s.shot == Surface && s.replies.size() >= 2) {
            script += u';' + Term.arg(s.replies[0], s.replies[1]);
            dialogs.inputs = s.replies.mid(2);
        }
        FrmSplash *splash = s.shot == Splash ? windows().frmSplash() : nullptr;
        FrmMain *main = windows().frmMain();
        if (!splash)
            main->show();
        const QString failed = drive::run(script);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QImage picture;
        switch (s.shot) {
        case Main: picture = main->grab().toImage(); break;
        case Curve: picture = windows().frmCurve()->grab().toImage(); break;
        case Surface:
            picture = windows().frmCurve()->PicCurve->Image();
            // The surface's record, replayed through a painter, is the same picture.
            QCOMPARE(windows().frmCurve()->PicCurve->replayedImage(), picture);
            break;
        case Splash: picture = splash->grab().toImage(); break;
        case Help: picture = windows().frmHelp()->grab().toImage(); break;
        case Message: case Input: {
            QString title;
            QPoint at;
            picture = grabDialog(s.shot, title, at);
            // The message box is captioned with the program's title; the input box stands 4000 x 3000 twips in.
            QCOMPARE(title, s.shot == Message ? "Tavrin" : "Zeltaplot");
            if (s.shot == Input)
                QCOMPARE(at, QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(267, 200));
            break;
        }
        }
        for (const QPoint &p : s.points)
            QVERIFY2(picture.pixel(p) == (s.colour | 0xff000000u),
                     qPrintable(QStringLiteral("no curve at %1,%2").arg(p.x()).arg(p.y())));
        const QString differs = golden::mismatch(picture, QString::fromLatin1(s.name));
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }

    // The grid as drawn, to the twip: the small boxes' lines start one twip in, and the labels
    // and names stand where the arguments put them.
    void gridToTheTwip()
    {
        struct Ops {
            int small = 0;
            QStringList firstSmall, texts;
            void line(float x1, float y1, float x2, float y2, QRgb colour)
            {
                if (colour == qRgb(230, 230, 230) && ++small && (x1 == 0 || y1 == 0 || x1 == 9200))
                    firstSmall << QStringLiteral("%1,%2-%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
            }
            void points(float, const float *, std::size_t, QRgb) {}
            void text(const SurfaceRecord::Text &t) { texts << QStringLiteral("%1 at %2,%3").arg(t.text).arg(t.x).arg(t.y); }
        } ops;
        ImageSurface surface;
        drawGrid(surface, OriginRow, OriginColumn, 0.5);
        surface.record().replay(ops);
        QCOMPARE(ops.small, 137 + 185);
        QCOMPARE(ops.firstSmall, (QStringList{"1,0-9200,0", "0,1-0,6800", "9200,1-9200,6800"}));
        QCOMPARE(ops.texts.size(), 7 + 7 + 10 + 10 + 2);
        QCOMPARE(ops.texts.mid(6, 2), (QStringList{"-3  at 4650,6400", " 0  at 4650,3400"}));
        QVERIFY(ops.texts.contains(" 4.5  at 9100,3450") && ops.texts.contains("y at 4650,25") && ops.texts.contains("x at 9000,3425"));
        QCOMPARE(surface.FontName(), "Arial");
    }
};

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
