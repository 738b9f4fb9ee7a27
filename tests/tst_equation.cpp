// Building the equation: what each term stores and appends, the factor replies, the coefficient
// box, and the limits of the table. Expected values are worked out by hand.
#include "drive.h"
#include "equation/sketch.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

namespace {
// Set Grid at the default scale, then a coefficient and a term.
QString term(const QString &coefficient, const QString &button, const QString &before = "click CmdGrid;")
{
    return before + QStringLiteral("type TxtCoeff %1; click CmdContin; click %2;").arg(coefficient, button);
}
const QString NotNumber = QStringLiteral("The coefficient is not a number.");
const QString Refused = QStringLiteral(" Please enter a valid value."), NotValid = QStringLiteral("Please enter a valid value.");
const QString Done = QStringLiteral("Click + or - or sketch curve as appropriate");
} // namespace

class TstEquation : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    FrmMain *frm = nullptr;


private slots:
    void init()
    {
        frm = windows().frmMain();
        frm->show();
        programRandom() = RandomSequence();
        dialogs.messages.clear();
        dialogs.prompts.clear();
    }
    void cleanup() { windows().destroyAll(); }

    void storedValue_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("column");
        QTest::addColumn<double>("value");
        const QString half = "click OptHalf; click CmdGrid;";
        QTest::newRow("2x^2 at 1") << term("2", "CmdXSquare") << QStringList() << 0 << 5100 << 2.0;
        QTest::newRow("1/x leaves 0 out") << term("1", "CmdXFour") << QStringList() << 0 << 4600 << 0.0;
        QTest::newRow("1/x next to 0") << term("1", "CmdXFour") << QStringList() << 0 << 4601 << 500.0;
        QTest::newRow("3x^0") << term("3", "CmdXY") << QStringList{"0"} << 0 << 100 << 3.0;
        QTest::newRow("x^2.5 at 4") << term("1", "CmdXY", "type TxtStartX 0; click CmdGrid;") << QStringList{"2.5"} << 0 << 6600 << 32.0;
        QTest::newRow("tan x before its pole") << term("1", "Cmdtan", half) << QStringList() << 0 << 6170 << 1255.7655915;
        QTest::newRow("tan x after its pole") << term("1", "Cmdtan", half) << QStringList() << 0 << 6171 << -4909.8259423;
        QTest::newRow("log x at 0.001") << term("1", "Cmdlog", half) << QStringList() << 0 << 4601 << -6.907755278982137;
        QTest::newRow("log x at 4.5") << term("1", "Cmdlog", half) << QStringList() << 0 << 9100 << 1.5040773967762742;
        QTest::newRow("log x leaves 0 out") << term("1", "Cmdlog", half) << QStringList() << 0 << 4600 << 0.0;
        QTest::newRow("3 2^x at 1") << term("3", "CmdAX") << QStringList{"2"} << 0 << 5100 << 6.0;
        QTest::newRow("20^x at 36") << term("1", "CmdAX", "click OptFour; click CmdGrid;") << QStringList{"20"} << 0 << 9100 << 6.8719476736e46;
        QTest::newRow("cos 2.5x at 1") << term("1", "cmdCosAX") << QStringList{"2.5"} << 0 << 5100 << -0.8011436155;
        QTest::newRow("minus negates the next term") << term("1", "CmdXFive") + "click CmdMinus;" + term("1", "Cmdcos", "")
                                                     << QStringList() << 1 << 4600 << -1.0;
        QTest::newRow("after log x, not at 0") << term("1", "Cmdlog") + "click CmdPlus;" + term("1", "CmdXSquare", "")
                                               << QStringList() << 1 << 4600 << 0.0;
        QTest::newRow("after log x, right of 0") << term("1", "Cmdlog") + "click CmdPlus;" + term("1", "CmdXSquare", "")
                                                 << QStringList() << 1 << 4601 << 4e-6;
        QTest::newRow("left of the domain") << term("1", "CmdXSquare", "type TxtStartX 1; click CmdGrid;") << QStringList()
                                            << 0 << 5099 << 0.0;
    }
    // The value a term stores for a column: coefficient x f(x) x sign.
    void storedValue()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, replies);
        QFETCH(int, slot);
        QFETCH(int, column);
        QFETCH(double, value);
        dialogs.inputs = replies;
        DRIVE(script);
        const double stored = frm->state.term(slot, column);
        QVERIFY2(std::abs(stored - value) <= 1e-9 * std::max(1.0, std::abs(value)), qPrintable(QString::number(stored, 'g', 17)));
    }

    void appended_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("equation");
        QTest::addColumn<QString>("instruction");
        QTest::newRow("x^2") << term("1", "CmdXSquare") << "x^2" << Done;
        QTest::newRow("x^3") << term("1", "CmdXCube") << "x^3" << Done + ' ';
        QTest::newRow("x") << term("1", "CmdXFive") << "x" << Done;
        QTest::newRow("1/x") << term("1", "CmdXFour") << "(1/x)" << Done;
        QTest::newRow("sin x") << term("1", "Cmdsin") << "sin x" << Done + ' ';
        QTest::newRow("cos x") << term("1", "Cmdcos") << "cos x" << Done + ' ';
        QTest::newRow("tan x") << term("1", "Cmdtan") << "tan x" << Done + ' ';
        QTest::newRow("log x") << term("1", "Cmdlog") << "log x" << Done + ' ';
        QTest::newRow("coefficient 1.0") << term("1.0", "CmdXSquare") << " (1.0) x^2" << Done;
        QTest::newRow("coefficient with a blank") << term("2 ", "CmdXSquare") << " (2 ) x^2" << Done;
        QTest::newRow("+ reuses the coefficient") << term("2", "CmdXFive") + "click CmdPlus; click CmdContin; click CmdXSquare"
                                                  << " (2) x +  (2) x^2" << Done;
        QTest::newRow("sign chosen") << term("2", "CmdXFive") + "click CmdMinus" << " (2) x - " << "Enter the next coefficient ";
        QTest::newRow("grid never set") << "menu mnuCur01; type TxtCoeff 2" << ""
                                        << "Enter the settings of the grid or accept the default values.";
    }
    // What a step appends to the equation and what the instruction line says next.
    void appended()
    {
        QFETCH(QString, script);
        QFETCH(QString, equation);
        QFETCH(QString, instruction);
        DRIVE(script);
        QCOMPARE(frm->TxtEquation->text(), equation);
        QCOMPARE(frm->lblDes->text(), instruction);
    }

    void answered_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("equation");
        const QString power = "Enter the value of a below. Only integers(between 0-10) are the acceptable choice";
        const QString scale = " Enter the value of a.Only integers (between 1 and 10) are acceptable.";
        const QString base = " Enter the value of a.Only integers (between 1 and 20) are acceptable.";
        const QStringList none;
        QTest::newRow("x^a, 3.0") << term("1", "CmdXY") << QStringList{"3.0"} << power << none << "x^3";
        QTest::newRow("x^a, 0 after 1") << term("1", "CmdXY") << QStringList{"0"} << power << none << "1";
        QTest::newRow("x^a, 0 after 1.0") << term("1.0", "CmdXY") << QStringList{"0"} << power << none << " (1.0) 1";
        QTest::newRow("x^a, 0 after 3") << term("3", "CmdXY") << QStringList{"0"} << power << none << " (3) ";
        QTest::newRow("x^a out of range") << term("1", "CmdXY") << QStringList{"11", "-1", "10"} << power
                                          << QStringList(2, " Please enter a valid value. ") << "x^10";
        QTest::newRow("x^a, no number") << term("1", "CmdXY") << QStringList{"abc", "", "2"} << power
                                        << QStringList(2, "Please enter a valid value") << "x^2";
        // x^2.5 fails at a negative x: asked again, and only the accepted term is written.
        QTest::newRow("x^a failing") << term("1", "CmdXY") << QStringList{"2.5", "2"} << power
                                     << QStringList{"Please enter a valid value"} << "x^2";
        QTest::newRow("sin ax") << term("1", "cmdSinAX") << QStringList{"10.5", "0.5", "abc", "", "2"} << scale
                                << QStringList{Refused, Refused, NotValid, NotValid} << "sin2x";
        QTest::newRow("cos ax, 2.50") << term("1", "cmdCosAX") << QStringList{"2.50"} << scale << none << "cos2.5x";
        QTest::newRow("tan ax, 10") << term("1", "cmdTanAX") << QStringList{"10"} << scale << none << "tan10x";
        QTest::newRow("a^x") << term("1", "CmdAX") << QStringList{"20.5", "0", "", "20"} << base
                             << QStringList{Refused, Refused, NotValid} << "(20^x)";
        QTest::newRow("a^x, 2.50") << term("1", "CmdAX") << QStringList{"2.50"} << base << none << "(2.5^x)";
        QTest::newRow("a lone minus") << "click CmdGrid; type TxtCoeff -; click CmdContin" << none << "" << QStringList{NotNumber} << "";
        // "1e" on the way to 1e1 is no number: the box is emptied there.
        QTest::newRow("exponent typed") << "click CmdGrid; type TxtCoeff 1e1" << none << "" << QStringList{NotNumber} << "";
    }
    // What a step asks for, the answers it refuses and why, and what it appends once answered.
    void answered()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, replies);
        QFETCH(QString, prompt);
        QFETCH(QStringList, messages);
        QFETCH(QString, equation);
        dialogs.inputs = replies;
        DRIVE(script);
        QCOMPARE(dialogs.prompts.value(0), prompt);
        QCOMPARE(dialogs.messages, messages);
        QCOMPARE(frm->TxtEquation->text(), equation);
        // Every term with a factor ends its instruction with a blank.
        if (!equation.isEmpty())
            QCOMPARE(frm->lblDes->text(), Done + ' ');
    }

    // Room for 26 terms: the sign that would open a 27th is refused and changes nothing.
    void twentySeventhTermRefused()
    {
        QString script = term("1", "CmdXFive");
        for (int i = 1; i < 26; ++i)
            script += "click CmdPlus;" + term("1", "CmdXFive", "");
        DRIVE(script);
        const QString equation = frm->TxtEquation->text();
        DRIVE("click CmdPlus");
        QCOMPARE(dialogs.messages, QStringList{"The equation cannot hold more than 26 terms."});
        QCOMPARE(int(frm->state.TermIndex), 26);
        QCOMPARE(frm->TxtEquation->text(), equation);
    }

    void labelLine_data()
    {
        QTest::addColumn<int>("curve");
        QTest::addColumn<float>("row"); // -1: no label
        QTest::newRow("first") << 1 << 0.0f;
        QTest::newRow("second") << 2 << 200.0f;
        QTest::newRow("164th, the last row in 16 bits") << 164 << 32600.0f;
        QTest::newRow("165th, beyond 16 bits") << 165 << -1.0f;
    }
    // A curve's label goes on line curve - 1, 200 twips a line, while the line is a 16-bit row.
    void labelLine()
    {
        QFETCH(int, curve);
        QFETCH(float, row);
        ImageSurface surface;
        surface.setCurrentY(-1);
        printCurveLabel(surface, std::int16_t(curve), "y=x", "y=x ", frm->font());
        // Printing moves the current point one text line down from the label's row.
        QCOMPARE(surface.CurrentY(), row < 0 ? -1.0f : float(row + surface.lineHeight()));
    }

    // The curve count stops at the largest 16-bit value; the curve is still drawn.
    void curveCountStops()
    {
        DRIVE(term("1", "CmdXFive"));
        frm->state.CurveCount = 32767;
        DRIVE("click cmdSketch");
        QCOMPARE(int(frm->state.CurveCount), 32767);
        QCOMPARE(windows().frmCurve()->PicCurve->Image().pixel(340, 193), qRgb(126, 28, 231));
    }

    // Values beyond the double range are points off the surface: the rest of the curve and its label stay.
    void valuesBeyondTheDoubleRange()
    {
        const QString huge = '1' + QString(308, '0'); // typed digit by digit, every step a number
        DRIVE(term(huge, "Cmdtan") + "click CmdPlus;" + term(huge, "Cmdtan", "") + "click cmdSketch");
        const QImage picture = windows().frmCurve()->PicCurve->Image();
        QCOMPARE(picture.pixel(306, 226), qRgb(126, 28, 231)); // tan 0 = 0, on the axis
        QVERIFY(std::isinf(frm->state.term(1, 5200))); // 1e308 tan 1.2
        QCOMPARE(int(frm->state.CurveCount), 1);
    }
};

QTEST_MAIN(TstEquation)
#include "tst_equation.moc"
