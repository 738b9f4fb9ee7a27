// What a screen reader and a keyboard user get: spoken names, the graph's description, keys of habit.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/windows.h"

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

using namespace zelta;

static QString spoken(QWidget *w, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(t) : QString();
}

class TstAccessibility : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    FrmMain *frm = nullptr;

private slots:
    void init()
    {
        frm = windows().frmMain();
        frm->show();
    }
    void cleanup() { windows().destroyAll(); }

    void everyFocusableControlHasAName_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main") << "frmMain";
        QTest::newRow("curve") << "frmCurve";
    }
    void everyFocusableControlHasAName()
    {
        QFETCH(QString, window);
        QWidget *w = window == "frmMain" ? static_cast<QWidget *>(frm) : windows().frmCurve();
        int focusable = 0;
        for (QWidget *c : w->findChildren<QWidget *>())
            if (c->focusPolicy() != Qt::NoFocus && !c->objectName().isEmpty()) {
                ++focusable;
                QVERIFY2(!spoken(c).trimmed().isEmpty(), qPrintable(c->objectName()));
            }
        QVERIFY(focusable >= 4);
    }

    void textBoxesHaveNamesOfTheirOwn()
    {
        QStringList names;
        for (QLineEdit *box : frm->findChildren<QLineEdit *>())
            names << spoken(box);
        names.sort();
        QCOMPARE(names, (QStringList{"Coefficient", "Ending X value", "Equation", "Starting X value"}));
    }

    void symbolButtonsAreSpokenInWords_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("-") << "CmdMinus" << "minus";
        QTest::newRow("+") << "CmdPlus" << "plus";
        QTest::newRow("x^2") << "CmdXSquare" << "x squared";
        QTest::newRow("1/x") << "CmdXFour" << "one over x";
        QTest::newRow("x^a") << "CmdXY" << "x to the power a";
        QTest::newRow("a^x") << "CmdAX" << "a to the power x";
    }
    void symbolButtonsAreSpokenInWords()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QCOMPARE(spoken(drive::button(frm, button)), name);
        QCOMPARE(drive::button(frm, button)->text().size() <= 3, true); // the caption itself stays a symbol
    }

    void graphDescribesWhatIsDrawn()
    {
        ImageSurface *surface = windows().frmCurve()->PicCurve;
        QCOMPARE(spoken(surface, QAccessible::Description),
                 "Scale: One big box represents one unit on each axis. No curves drawn.");
        drive::setGrid(frm);
        frm->mnuCurve04->trigger();
        drive::addTerm(frm, "2", "CmdXSquare");
        drive::click(frm->cmdSketch);
        QCOMPARE(spoken(surface, QAccessible::Description),
                 "Scale: One big box represents one unit on each axis. Curves: y=sin x; y= (2) x^2.");
        frm->mnuNew->trigger();
        QVERIFY(spoken(surface, QAccessible::Description).endsWith("No curves drawn."));
    }

    void curveWindowKeys()
    {
        frm->mnuCur01->trigger();
        FrmCurve *curve = windows().frmCurve();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        QGuiApplication::clipboard()->clear();
        QTest::keySequence(curve, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->image(), curve->PicCurve->Image());
        QTemporaryDir dir;
        dialogs.saveNames << dir.filePath("keys.bmp");
        QTest::keySequence(curve, QKeySequence::Save);
        QCOMPARE(QImage(dir.filePath("keys.bmp")).size(), QSize(613, 453));
    }

    void f1AsksForHelp()
    {
        QVERIFY(QTest::qWaitForWindowActive(frm));
        QSignalSpy howTo(frm->mnuHowTo, &QAction::triggered);
        QTest::keyClick(frm, Qt::Key_F1);
        QCOMPARE(howTo.size(), 1);
    }
};

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
