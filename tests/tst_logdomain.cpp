// log x narrows the domain to x > 0 for the rest of the equation; values beyond the double
// range are points off the surface.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

struct DomainRow {
    QString scale, start, end;
    int firstColumn, lastColumn;
    bool anyStored;
};
Q_DECLARE_METATYPE(DomainRow)

class TstLogDomain : public QObject {
    Q_OBJECT
    FrmMain *frm = nullptr;
    ScriptedDialogs dialogs;

    QImage picture() const { return windows().frmCurve()->PicCurve->Image(); }
    QRgb curveColour() const { return windows().frmCurve()->PicCurve->ForeColor() | 0xff000000u; }

private slots:
    void init() { frm = windows().frmMain(); frm->show(); }
    void cleanup() { windows().destroyAll(); }

    void logNarrowsTheDomain_data()
    {
        QTest::addColumn<DomainRow>("r");
        QTest::newRow("across 0") << DomainRow{"OptHalf", "", "", 4601, 9100, true};
        QTest::newRow("from 0") << DomainRow{"OptOne", "0", "9", 4601, 9100, true};
        QTest::newRow("right of 0") << DomainRow{"OptHalf", "0.5", "4.5", 5100, 9100, true};
        QTest::newRow("wholly left of 0") << DomainRow{"OptHalf", "-4.5", "-1", 4601, 3600, false};
    }
    void logNarrowsTheDomain()
    {
        QFETCH(DomainRow, r);
        drive::setGrid(frm, r.scale, r.start, r.end);
        drive::addTerm(frm, "1", "Cmdlog");
        QCOMPARE(int(frm->plot.FirstColumn), r.firstColumn);
        QCOMPARE(int(frm->plot.LastColumn), r.lastColumn);
        // The term counts even where it stores nothing.
        QCOMPARE(frm->TxtEquation->text(), "log x");
        QCOMPARE(int(frm->state.TermIndex), 1);
        QCOMPARE(frm->state.term(0, 4600), 0.0);
        const double *row = frm->state.row(0);
        QCOMPARE(std::any_of(row, row + EquationState::Columns, [](double v) { return v != 0; }), r.anyStored);
    }

    void laterTermsStartRightOfZero()
    {
        drive::setGrid(frm);
        drive::addTerm(frm, "1", "Cmdlog");
        drive::click(frm->CmdPlus);
        drive::addTerm(frm, "1", "CmdXSquare");
        QCOMPARE(frm->state.term(1, 100), 0.0);
        QCOMPARE(frm->state.term(1, 4600), 0.0);
        QCOMPARE(frm->state.term(1, 4601), 0.002 * 0.002);
        QCOMPARE(frm->state.term(1, 9100), 81.0);
    }

    void sketchAfterLogLeavesTheLeftHalfAlone()
    {
        drive::setGrid(frm);
        drive::addTerm(frm, "1", "CmdXFive"); // stored across the whole domain
        drive::click(frm->CmdPlus);
        drive::addTerm(frm, "1", "Cmdlog");
        drive::click(frm->cmdSketch);
        const QImage img = picture();
        // log 1 + 1 = 1 at x = 1: column 5100, row 2900.
        QCOMPARE(img.pixel(5100 / 15, 2900 / 15), curveColour());
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < 4601 / 15; ++x)
                QVERIFY2(img.pixel(x, y) != curveColour(), qPrintable(QString("%1,%2").arg(x).arg(y)));
    }

    void setGridAgainWidensTheDomain()
    {
        drive::setGrid(frm);
        drive::addTerm(frm, "1", "Cmdlog");
        frm->mnuNew->trigger();
        drive::setGrid(frm);
        QCOMPARE(int(frm->plot.FirstColumn), 100);
    }

    // 1e308 x tan x is beyond the double range wherever |tan x| > 1.8: those columns are not drawn.
    void valuesBeyondTheDoubleRangeAreOffTheSurface()
    {
        drive::setGrid(frm, "OptHalf");
        // "1e" on the way would be refused, so the exponent goes in last.
        QTest::keyClicks(frm->TxtCoeff, "1308");
        QTest::keyClick(frm->TxtCoeff, Qt::Key_Home);
        QTest::keyClick(frm->TxtCoeff, Qt::Key_Right);
        QTest::keyClicks(frm->TxtCoeff, "e");
        QCOMPARE(frm->TxtCoeff->text(), "1e308");
        drive::click(frm->CmdContin);
        drive::click(frm->Cmdtan);
        QVERIFY(std::isinf(frm->state.term(0, 6171)));
        drive::click(frm->cmdSketch);
        const QImage img = picture();
        QCOMPARE(img.pixel(4600 / 15, 3400 / 15), curveColour()); // tan 0 = 0 is on the axis
        const QRect labelLine(4600 / 15, 0, img.width() - 4600 / 15, 200 / 15);
        bool labelled = false;
        for (int y = labelLine.top(); y <= labelLine.bottom(); ++y)
            for (int x = labelLine.left(); x <= labelLine.right(); ++x)
                labelled = labelled || img.pixel(x, y) == curveColour();
        QVERIFY(labelled);
        QCOMPARE(int(frm->state.CurveCount), 1);
    }
};

QTEST_MAIN(TstLogDomain)
#include "tst_logdomain.moc"
