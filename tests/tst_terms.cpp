// The thirteen term buttons: the values they store, the texts they append, the factor they ask for.
#include "drive.h"
#include "equation/terms.h"
#include "scripteddialogs.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

struct ValueRow {
    QString scale, start, end;
    bool afterMinus; // 1 x, then - before the term
    QString coefficient, button, reply;
    int column;
    double value; // worked out by hand
};
Q_DECLARE_METATYPE(ValueRow)

struct ReplyRow {
    QString button, coefficient, start;
    QStringList replies, messages;
    QString equation;
};
Q_DECLARE_METATYPE(ReplyRow)

static const QString Scaled = QStringLiteral(" Enter the value of a.Only integers (between 1 and 10) are acceptable.");
static const QString Base = QStringLiteral(" Enter the value of a.Only integers (between 1 and 20) are acceptable.");
static const QString Exponent =
    QStringLiteral("Enter the value of a below. Only integers(between 0-10) are the acceptable choice");
static const QString Invalid = QStringLiteral("Please enter a valid value.");
static const QString OutOfRange = QStringLiteral(" Please enter a valid value.");

class TstTerms : public QObject {
    Q_OBJECT
    FrmMain *frm = nullptr;

private slots:
    void init() { frm = windows().frmMain(); frm->show(); }
    void cleanup() { windows().destroyAll(); }

    void storedValue_data()
    {
        QTest::addColumn<ValueRow>("r");
        const auto row = [](const char *name, ValueRow r) { QTest::newRow(name) << r; };
        row("x^2 at the start -9", {"OptOne", "", "", false, "2", "CmdXSquare", "", 100, 162});
        row("x^3 at 2", {"OptOne", "", "", false, "2", "CmdXCube", "", 5600, 16});
        row("x at -1", {"OptOne", "", "", false, "2", "CmdXFive", "", 4100, -2});
        row("1/x next to 0", {"OptOne", "", "", false, "1", "CmdXFour", "", 4601, 500});
        row("1/x leaves 0 alone", {"OptOne", "", "", false, "1", "CmdXFour", "", 4600, 0});
        row("x^2.5 at 4", {"OptOne", "0", "9", false, "2", "CmdXY", "2.5", 6600, 64});
        row("x^0 after 3", {"OptOne", "", "", false, "3", "CmdXY", "0", 100, 3});
        row("sin x at 0", {"OptOne", "", "", false, "3", "Cmdsin", "", 4600, 0});
        row("sin x at 0.5", {"OptOne", "", "", false, "3", "Cmdsin", "", 4850, 1.438276615812609});
        row("sin x at the start -9", {"OptOne", "", "", false, "3", "Cmdsin", "", 100, -1.2363554557252698});
        row("cos x at 0", {"OptOne", "", "", false, "3", "Cmdcos", "", 4600, 3});
        row("cos x at 0 after -", {"OptOne", "", "", true, "3", "Cmdcos", "", 4600, -3});
        row("cos x at the end 9", {"OptOne", "", "", false, "3", "Cmdcos", "", 9100, -2.7333907856540307});
        row("tan x at 0", {"OptHalf", "", "", false, "1", "Cmdtan", "", 4600, 0});
        row("tan x left of the pole", {"OptHalf", "", "", false, "1", "Cmdtan", "", 6170, 1255.7655915007897});
        row("tan x right of the pole", {"OptHalf", "", "", false, "1", "Cmdtan", "", 6171, -4909.82594232296});
        row("tan x at the end 4.5", {"OptHalf", "", "", false, "1", "Cmdtan", "", 9100, 4.637332054551185});
        row("sin 2x at 0.5", {"OptOne", "", "", false, "5", "cmdSinAX", "2", 4850, 4.207354924039483});
        row("cos 2.5x at 1", {"OptOne", "", "", false, "5", "cmdCosAX", "2.5", 5100, -4.005718077734668});
        row("tan 10x at 0.1", {"OptOne", "", "", false, "5", "cmdTanAX", "10", 4650, 7.787038623274512});
        row("tan 10x at 0.1 after -", {"OptOne", "", "", true, "5", "cmdTanAX", "10", 4650, -7.787038623274512});
        row("log x at 0.001", {"OptHalf", "", "", false, "1", "Cmdlog", "", 4601, -6.907755278982137});
        row("log x at 1", {"OptHalf", "", "", false, "1", "Cmdlog", "", 5600, 0});
        row("log x at the end 4.5", {"OptHalf", "", "", false, "1", "Cmdlog", "", 9100, 1.5040773967762742});
        row("2^x at 0", {"OptOne", "", "", false, "3", "CmdAX", "2", 4600, 3});
        row("2^x at 1", {"OptOne", "", "", false, "3", "CmdAX", "2", 5100, 6});
        row("2^x at -1", {"OptOne", "", "", false, "3", "CmdAX", "2", 4100, 1.5});
        row("2^x at 1 after -", {"OptOne", "", "", true, "3", "CmdAX", "2", 5100, -6});
        row("20^x at the end 36", {"OptFour", "", "", false, "1", "CmdAX", "20", 9100, 6.8719476736e46});
    }
    void storedValue()
    {
        QFETCH(ValueRow, r);
        ScriptedDialogs dialogs;
        drive::setGrid(frm, r.scale, r.start, r.end);
        if (r.afterMinus) {
            drive::addTerm(frm, "1", "CmdXFive");
            drive::click(frm->CmdMinus);
        }
        if (!r.reply.isEmpty())
            dialogs.inputs << r.reply;
        drive::addTerm(frm, r.coefficient, r.button);
        QCOMPARE(int(frm->state.TermIndex), r.afterMinus ? 2 : 1);
        const double stored = frm->state.term(frm->state.TermIndex - 1, r.column);
        QVERIFY2(qAbs(stored - r.value) <= 1e-12 * qMax(1.0, qAbs(r.value)), qPrintable(QString::number(stored, 'g', 17)));
    }

    void factorReply_data()
    {
        QTest::addColumn<ReplyRow>("r");
        const auto row = [](const char *name, ReplyRow r) { QTest::newRow(name) << r; };
        row("sin ax 1", {"cmdSinAX", "1", "", {"1"}, {}, "sin1x"});
        row("sin ax 10", {"cmdSinAX", "1", "", {"10"}, {}, "sin10x"});
        row("sin ax 10.5", {"cmdSinAX", "1", "", {"10.5", "2"}, {OutOfRange}, "sin2x"});
        row("sin ax 0.5", {"cmdSinAX", "1", "", {"0.5", "2"}, {OutOfRange}, "sin2x"});
        row("sin ax 2.5", {"cmdSinAX", "1", "", {"2.5"}, {}, "sin2.5x"});
        row("sin ax abc", {"cmdSinAX", "1", "", {"abc", "2"}, {Invalid}, "sin2x"});
        row("sin ax empty or Cancel", {"cmdSinAX", "1", "", {"", "", "2"}, {Invalid, Invalid}, "sin2x"});
        row("sin ax blanks only", {"cmdSinAX", "1", "", {"  ", "2"}, {Invalid}, "sin2x"});
        row("cos ax 2.50", {"cmdCosAX", "1", "", {"2.50"}, {}, "cos2.5x"});
        row("tan ax 10", {"cmdTanAX", "1", "", {"10"}, {}, "tan10x"});
        row("tan ax 1e1", {"cmdTanAX", "2", "", {"1e1"}, {}, " (2) tan10x"});
        row("a^x 2", {"CmdAX", "1", "", {"2"}, {}, "(2^x)"});
        row("a^x 2.5", {"CmdAX", "1", "", {"2.5"}, {}, "(2.5^x)"});
        row("a^x 20", {"CmdAX", "1", "", {"20"}, {}, "(20^x)"});
        row("a^x 20.5", {"CmdAX", "1", "", {"20.5", "2"}, {OutOfRange}, "(2^x)"});
        row("a^x 0", {"CmdAX", "1", "", {"0", "2"}, {OutOfRange}, "(2^x)"});
        row("a^x Cancel", {"CmdAX", "1", "", {"", "1"}, {Invalid}, "(1^x)"});
        row("x^a 11", {"CmdXY", "2", "", {"11", "2"}, {" Please enter a valid value. "}, " (2) x^2"});
        row("x^a -1", {"CmdXY", "2", "", {"-1", "10"}, {" Please enter a valid value. "}, " (2) x^10"});
        row("x^a 3.0", {"CmdXY", "2", "", {"3.0"}, {}, " (2) x^3"});
        row("x^a abc, 0 after 1", {"CmdXY", "1", "", {"abc", "0"}, {"Please enter a valid value"}, "1"});
        row("x^a Cancel, 0 after 3", {"CmdXY", "3", "", {"", "0"}, {"Please enter a valid value"}, " (3) "});
        row("x^a 2.5 with negative x", {"CmdXY", "2", "", {"2.5", "3"}, {"Please enter a valid value"}, " (2) x^3"});
        row("x^a 2.5 on 0..9", {"CmdXY", "2", "0", {"2.5"}, {}, " (2) x^2.5"});
    }
    // Every refused reply brings the prompt back and leaves the equation as it was.
    void factorReply()
    {
        QFETCH(ReplyRow, r);
        ScriptedDialogs dialogs;
        drive::setGrid(frm, "OptOne", r.start);
        drive::type(frm->TxtCoeff, r.coefficient);
        drive::click(frm->CmdContin);
        const QString before = frm->TxtEquation->text();
        dialogs.inputs = r.replies;
        dialogs.onInput = [&] {
            QCOMPARE(frm->TxtEquation->text(), before);
            QCOMPARE(int(frm->state.TermIndex), 0);
            QCOMPARE(frm->state.term(0, 5100), 0.0);
        };
        drive::click(drive::button(frm, r.button));
        const QString prompt = r.button == "CmdAX" ? Base : r.button == "CmdXY" ? Exponent : Scaled;
        QCOMPARE(dialogs.prompts, QStringList(r.replies.size(), prompt));
        QCOMPARE(dialogs.messages, r.messages);
        QCOMPARE(frm->TxtEquation->text(), r.equation);
        QCOMPARE(int(frm->state.TermIndex), 1);
    }

    void termButtonsGiveWayToSigns_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("instruction");
        const QString plain = "Click + or - or sketch curve as appropriate";
        for (const char *b : {"CmdXSquare", "CmdXFive", "CmdXFour"})
            QTest::newRow(b) << b << plain;
        for (const char *b : {"CmdXCube", "CmdXY", "Cmdsin", "Cmdcos", "Cmdtan", "Cmdlog", "CmdAX", "cmdSinAX",
                              "cmdCosAX", "cmdTanAX"})
            QTest::newRow(b) << b << plain + ' ';
    }
    void termButtonsGiveWayToSigns()
    {
        QFETCH(QString, button);
        QFETCH(QString, instruction);
        ScriptedDialogs dialogs;
        dialogs.inputs << "2";
        drive::setGrid(frm);
        drive::addTerm(frm, "1", button);
        QCOMPARE(frm->lblDes->text(), instruction);
        QVERIFY(std::ranges::none_of(frm->termButtons(), &QPushButton::isEnabled));
        QVERIFY(frm->CmdPlus->isEnabled() && frm->CmdMinus->isEnabled() && frm->cmdSketch->isEnabled());
    }

    void sinAxWithOneIsSinX()
    {
        ScriptedDialogs dialogs;
        drive::setGrid(frm);
        drive::addTerm(frm, "2", "Cmdsin");
        drive::click(frm->CmdPlus);
        dialogs.inputs << "1";
        drive::addTerm(frm, "2", "cmdSinAX");
        QCOMPARE(frm->TxtEquation->text(), " (2) sin x +  (2) sin1x");
        for (int c = 100; c <= 9100; ++c)
            QCOMPARE(frm->state.term(1, c), frm->state.term(0, c));
    }

    void failedTermChangesNothing()
    {
        EquationState s;
        s.term(0, 9100) = 7;
        QVERIFY(!addTermValues(s, {1, 500, 9, 0, 9100}, [](double, double x) { return x < 8 ? x : std::nan(""); }));
        QCOMPARE(int(s.TermIndex), 0);
        QCOMPARE(s.term(0, 0), 0.0); // the values before the failure are not kept
        QCOMPARE(s.term(0, 9100), 7.0);
    }
};

QTEST_MAIN(TstTerms)
#include "tst_terms.moc"
