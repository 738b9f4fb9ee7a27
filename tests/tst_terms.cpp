// Coefficient entry, the joining of terms and the power terms, driven through the main window.
#include "equation/terms.h"
#include "scripteddialogs.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace zelta;

namespace {
const QString NotNumber = QStringLiteral("The coefficient is not a number.");
const QString TermDone = QStringLiteral("Click + or - or sketch curve as appropriate");
const QString NotValid = QStringLiteral("Please enter a valid value");
const QString OutOfRange = QStringLiteral(" Please enter a valid value. ");
const QString Prompt =
    QStringLiteral("Enter the value of a below. Only integers(between 0-10) are the acceptable choice");
constexpr double Sentinel = 77.25;

// A data column's value inside an expression.
template <typename T> T fetch(const char *column)
{
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

bool near(double actual, double expected)
{
    return actual == expected || std::abs(actual - expected) <= 1e-12 * std::abs(expected);
}
} // namespace

class TstTerms : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    FrmMain *frm = nullptr;

    // Chooses the scale and domain, then presses Set Grid.
    void setGrid(const QString &option = QStringLiteral("OptOne"), const QString &start = {},
                 const QString &end = {})
    {
        if (option != u"OptOne")
            QTest::mouseClick(frm->findChild<QRadioButton *>(option), Qt::LeftButton);
        if (!start.isNull()) {
            frm->TxtStartX->clear();
            QTest::keyClicks(frm->TxtStartX, start);
            frm->TxtEndX->clear();
            QTest::keyClicks(frm->TxtEndX, end);
        }
        QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
        QVERIFY(frm->FrameEquation->isVisible());
        QCOMPARE(dialogs.messages, QStringList());
    }
    // Types into the box; '^' stands for the Home key.
    static void type(QLineEdit *box, const QString &keys)
    {
        for (QChar c : keys) {
            if (c == u'^')
                QTest::keyClick(box, Qt::Key_Home);
            else
                QTest::keyClicks(box, QString(c));
        }
    }
    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    QPushButton *button(const QString &name) { return frm->findChild<QPushButton *>(name); }
    bool termsEnabled(bool on) const
    {
        for (QPushButton *b : frm->termButtons())
            if (b->isEnabled() != on)
                return false;
        return true;
    }

private slots:
    void init()
    {
        dialogs.messages.clear();
        dialogs.prompts.clear();
        dialogs.inputs.clear();
        windows().destroyAll();
        frm = windows().frmMain();
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm));
    }
    void cleanup() { windows().destroyAll(); }

    void coefficientCheck_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("continueOn");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("lone minus") << "-" << "-" << true << QStringList();
        QTest::newRow("negative") << "-2" << "-2" << true << QStringList();
        QTest::newRow("decimal") << "0.5" << "0.5" << true << QStringList();
        QTest::newRow("letter") << "a" << "" << false << QStringList{NotNumber};
        QTest::newRow("digit then letter") << "2x" << "" << false << QStringList{NotNumber};
        QTest::newRow("blank first") << " " << "" << false << QStringList{NotNumber};
        QTest::newRow("blanks around") << "2 ^ " << " 2 " << true << QStringList();
    }
    void coefficientCheck()
    {
        QFETCH(QString, keys);
        setGrid();
        QCOMPARE(frm->CmdContin->isEnabled(), false);
        type(frm->TxtCoeff, keys);
        QCOMPARE(frm->TxtCoeff->text(), fetch<QString>("text"));
        QCOMPARE(frm->CmdContin->isEnabled(), fetch<bool>("continueOn"));
        QCOMPARE(dialogs.messages, fetch<QStringList>("messages"));
        QCOMPARE(frm->lblDes->text(), QStringLiteral(" Click continue when done."));
    }

    void coefficientNeedsDomain()
    {
        setGrid();
        frm->TxtEndX->setText(QString());
        type(frm->TxtCoeff, QStringLiteral("2"));
        QCOMPARE(frm->CmdContin->isEnabled(), false);
        QCOMPARE(frm->lblDes->text(), QStringLiteral("Enter the settings of the grid or accept the default values."));
        QCOMPARE(dialogs.messages, QStringList());
    }

    void continueAppends_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("appended");
        QTest::addColumn<double>("stored");
        QTest::newRow("one") << "1" << "" << 1.0;
        QTest::newRow("one point zero") << "1.0" << " (1.0) " << 1.0;
        QTest::newRow("leading zero") << "01" << " (01) " << 1.0;
        QTest::newRow("two") << "2" << " (2) " << 2.0;
        QTest::newRow("negative") << "-2.5" << " (-2.5) " << -2.5;
        QTest::newRow("blanks kept") << "2 ^ " << " ( 2 ) " << 2.0;
    }
    void continueAppends()
    {
        QFETCH(QString, keys);
        setGrid();
        type(frm->TxtCoeff, keys);
        const QString typed = frm->TxtCoeff->text();
        click(frm->CmdContin);
        QCOMPARE(frm->TxtEquation->text(), fetch<QString>("appended"));
        QCOMPARE(frm->state.TermCoefficients[0], fetch<double>("stored"));
        QCOMPARE(frm->state.TermIndex, std::int16_t(0));
        QCOMPARE(frm->TxtCoeff->text(), typed);
        // Continued
        QCOMPARE(frm->lblDes->text(), QStringLiteral("Now select appropriate term."));
        QVERIFY(termsEnabled(true));
        for (QWidget *w : std::initializer_list<QWidget *>{frm->CmdGrid, frm->CmdContin, frm->cmdSketch, frm->TxtCoeff,
                                                            frm->LblCoefficient, frm->CmdPlus, frm->CmdMinus})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QCOMPARE(dialogs.messages, QStringList());
    }

    void continueOnLoneMinus()
    {
        setGrid();
        type(frm->TxtCoeff, QStringLiteral("-"));
        click(frm->CmdContin);
        QCOMPARE(dialogs.messages, QStringList{NotNumber});
        QCOMPARE(frm->TxtEquation->text(), QString());
        QCOMPARE(frm->state.TermCoefficients[0], 0.0);
        QVERIFY(termsEnabled(false));
        QVERIFY(frm->CmdContin->isEnabled());
        QVERIFY(frm->TxtCoeff->isEnabled());
        QCOMPARE(frm->TxtCoeff->text(), QStringLiteral("-"));
        QCOMPARE(frm->lblDes->text(), QStringLiteral(" Click continue when done."));
        // Finishing the number still works.
        type(frm->TxtCoeff, QStringLiteral("3"));
        click(frm->CmdContin);
        QCOMPARE(frm->TxtEquation->text(), QStringLiteral(" (-3) "));
        QCOMPARE(frm->state.TermCoefficients[0], -3.0);
    }

    void termAdded_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("termText");
        QTest::addColumn<QString>("instruction");
        QTest::newRow("x^2") << "CmdXSquare" << "x^2" << TermDone;
        QTest::newRow("x^3") << "CmdXCube" << "x^3" << TermDone + u' ';
        QTest::newRow("x") << "CmdXFive" << "x" << TermDone;
        QTest::newRow("1/x") << "CmdXFour" << "(1/x)" << TermDone;
        QTest::newRow("x^a") << "CmdXY" << "x^4" << TermDone + u' ';
    }
    void termAdded()
    {
        QFETCH(QString, name);
        setGrid();
        type(frm->TxtCoeff, QStringLiteral("2"));
        click(frm->CmdContin);
        dialogs.inputs = {QStringLiteral("4")};
        click(button(name));
        QCOMPARE(frm->TxtEquation->text(), QStringLiteral(" (2) ") + fetch<QString>("termText"));
        QCOMPARE(frm->lblDes->text(), fetch<QString>("instruction"));
        QCOMPARE(frm->state.TermIndex, std::int16_t(1));
        QVERIFY(termsEnabled(false));
        QVERIFY(frm->CmdPlus->isEnabled() && frm->CmdMinus->isEnabled() && frm->cmdSketch->isEnabled());
        QVERIFY(!frm->CmdContin->isEnabled() && !frm->TxtCoeff->isEnabled() && !frm->CmdGrid->isEnabled());
        QCOMPARE(dialogs.messages, QStringList());
    }

    void signChosen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("joint");
        QTest::addColumn<int>("sign");
        QTest::newRow("plus") << "CmdPlus" << " + " << 1;
        QTest::newRow("minus") << "CmdMinus" << " - " << -1;
    }
    void signChosen()
    {
        QFETCH(QString, joint);
        QFETCH(int, sign);
        setGrid();
        type(frm->TxtCoeff, QStringLiteral("2"));
        click(frm->CmdContin);
        click(frm->CmdXSquare);
        click(button(fetch<QString>("name")));
        QString text = QStringLiteral(" (2) x^2") + joint;
        QCOMPARE(frm->TxtEquation->text(), text);
        QCOMPARE(frm->state.TermSign, std::int16_t(sign));
        QCOMPARE(frm->lblDes->text(), QStringLiteral("Enter the next coefficient "));
        QVERIFY(frm->CmdContin->isEnabled() && frm->TxtCoeff->isEnabled() && frm->LblCoefficient->isEnabled());
        QVERIFY(!frm->cmdSketch->isEnabled() && !frm->CmdPlus->isEnabled() && !frm->CmdMinus->isEnabled());
        QCOMPARE(frm->TxtCoeff->text(), QStringLiteral("2"));

        // Continue at once reuses the previous coefficient and shows it again.
        click(frm->CmdContin);
        text += QStringLiteral(" (2) ");
        QCOMPARE(frm->TxtEquation->text(), text);
        QCOMPARE(frm->state.TermCoefficients[1], 2.0);
        click(frm->CmdXFive);
        QCOMPARE(frm->state.term(1, 5100), 2.0 * 1 * sign);

        // An edited coefficient replaces it.
        click(button(fetch<QString>("name")));
        QTest::keyClick(frm->TxtCoeff, Qt::Key_Backspace);
        QVERIFY(!frm->CmdContin->isEnabled());
        type(frm->TxtCoeff, QStringLiteral("1"));
        QCOMPARE(frm->lblDes->text(), QStringLiteral(" Click continue when done."));
        click(frm->CmdContin);
        click(frm->CmdXCube);
        QCOMPARE(frm->TxtEquation->text(), text + QStringLiteral("x") + joint + QStringLiteral("x^3"));
        QCOMPARE(frm->state.term(2, 5600), 1.0 * 8 * sign);
        QCOMPARE(dialogs.messages, QStringList());
    }

    void equationDiscardsKeys()
    {
        setGrid();
        type(frm->TxtCoeff, QStringLiteral("2"));
        click(frm->CmdContin);
        click(frm->CmdXSquare);
        frm->TxtEquation->setFocus();
        QTest::keyClicks(frm->TxtEquation, QStringLiteral("abc 1+"));
        QTest::keyClick(frm->TxtEquation, Qt::Key_Backspace);
        QTest::keyClick(frm->TxtEquation, Qt::Key_Return);
        frm->TxtEquation->selectAll();
        QTest::keyClick(frm->TxtEquation, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(frm->TxtEquation->text(), QStringLiteral(" (2) x^2"));
    }

    void powerValues_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("power"); // -1: the reciprocal
        QTest::addColumn<QString>("coefficient");
        QTest::addColumn<bool>("afterMinus");
        QTest::newRow("x^2 one") << "OptOne" << "-9" << "9" << 500 << "CmdXSquare" << 2 << "2" << false;
        QTest::newRow("x^3 half") << "OptHalf" << "-4.5" << "4.5" << 1000 << "CmdXCube" << 3 << "-1.5" << false;
        QTest::newRow("x two") << "OptTwo" << "-3" << "5" << 250 << "CmdXFive" << 1 << "0.5" << false;
        QTest::newRow("1/x four") << "OptFour" << "-36" << "36" << 125 << "CmdXFour" << -1 << "3" << false;
        QTest::newRow("x^2 minus") << "OptOne" << "-2" << "7" << 500 << "CmdXSquare" << 2 << "2.5" << true;
        QTest::newRow("x^3 minus four") << "OptFour" << "-10" << "20" << 125 << "CmdXCube" << 3 << "1" << true;
        QTest::newRow("1/x minus half") << "OptHalf" << "-2" << "2.5" << 1000 << "CmdXFour" << -1 << "-4" << true;
        QTest::newRow("x minus one") << "OptOne" << "0" << "9" << 500 << "CmdXFive" << 1 << "7" << true;
    }
    void powerValues()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, unit);
        QFETCH(int, power);
        QFETCH(QString, coefficient);
        QFETCH(bool, afterMinus);
        setGrid(fetch<QString>("option"), start, end);
        const int first = 4600 + static_cast<int>(start.toDouble() * unit);
        const int last = 4600 + static_cast<int>(end.toDouble() * unit);
        QCOMPARE(int(frm->plot.FirstColumn), first);
        QCOMPARE(int(frm->plot.LastColumn), last);

        type(frm->TxtCoeff, coefficient);
        click(frm->CmdContin);
        const int slot = afterMinus ? 1 : 0;
        if (afterMinus) {
            click(frm->CmdXSquare);
            click(frm->CmdMinus);
            click(frm->CmdContin);
        }
        for (int c : {first - 1, last + 1, 4600})
            frm->state.term(slot, c) = Sentinel;
        click(button(fetch<QString>("name")));
        QCOMPARE(frm->state.TermIndex, std::int16_t(slot + 1));

        const double coef = coefficient.toDouble();
        const double sign = afterMinus ? -1 : 1;
        for (int c : {first, first + 1, 4600 - unit, 4600, 4600 + unit, last - 1, last}) {
            if (c < first || c > last)
                continue;
            const double x = double(c - 4600) / unit;
            double expected;
            if (power < 0)
                expected = c == 4600 ? Sentinel : coef / x * sign;
            else
                expected = coef * std::pow(x, power) * sign;
            QVERIFY2(near(frm->state.term(slot, c), expected),
                     qPrintable(QStringLiteral("column %1: %2, expected %3").arg(c).arg(frm->state.term(slot, c)).arg(expected)));
        }
        QCOMPARE(frm->state.term(slot, first - 1), Sentinel);
        QCOMPARE(frm->state.term(slot, last + 1), Sentinel);
    }

    void xPowerReplies_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("coefficient");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("a");
        QTest::newRow("11") << "-9" << "2" << QStringList{"11", "2"} << QStringList{OutOfRange} << " (2) x^2" << 2.0;
        QTest::newRow("-1") << "-9" << "2" << QStringList{"-1", "3"} << QStringList{OutOfRange} << " (2) x^3" << 3.0;
        QTest::newRow("abc") << "-9" << "2" << QStringList{"abc", "2"} << QStringList{NotValid} << " (2) x^2" << 2.0;
        QTest::newRow("cancel") << "-9" << "2" << QStringList{"", "2"} << QStringList{NotValid} << " (2) x^2" << 2.0;
        QTest::newRow("every time") << "-9" << "2" << QStringList{"abc", "", "11", "abc", "5"}
                                    << QStringList{NotValid, NotValid, OutOfRange, NotValid} << " (2) x^5" << 5.0;
        QTest::newRow("10") << "-9" << "2" << QStringList{"10"} << QStringList() << " (2) x^10" << 10.0;
        QTest::newRow("0 after 1") << "-9" << "1" << QStringList{"0"} << QStringList() << "1" << 0.0;
        QTest::newRow("0 after 1.0") << "-9" << "1.0" << QStringList{"0"} << QStringList() << " (1.0) 1" << 0.0;
        QTest::newRow("0 after 3") << "-9" << "3" << QStringList{"0"} << QStringList() << " (3) " << 0.0;
        QTest::newRow("3.0") << "-9" << "2" << QStringList{"3.0"} << QStringList() << " (2) x^3" << 3.0;
        QTest::newRow("2.5 on 0..9") << "0" << "2" << QStringList{"2.5"} << QStringList() << " (2) x^2.5" << 2.5;
        QTest::newRow("2.5 on negative x") << "-9" << "2" << QStringList{"2.5", "2"} << QStringList{NotValid}
                                           << " (2) x^2" << 2.0;
    }
    void xPowerReplies()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, replies);
        QFETCH(double, a);
        setGrid(QStringLiteral("OptOne"), start, QStringLiteral("9"));
        const int first = frm->plot.FirstColumn;
        type(frm->TxtCoeff, fetch<QString>("coefficient"));
        click(frm->CmdContin);
        dialogs.inputs = replies;
        click(frm->CmdXY);
        QCOMPARE(dialogs.inputs, QStringList());
        QCOMPARE(dialogs.prompts, QStringList(replies.size(), Prompt));
        QCOMPARE(dialogs.messages, fetch<QStringList>("messages"));
        QCOMPARE(frm->TxtEquation->text(), fetch<QString>("text"));
        QCOMPARE(frm->state.TermIndex, std::int16_t(1));
        QCOMPARE(frm->lblDes->text(), TermDone + u' ');
        const double coef = frm->state.TermCoefficients[0];
        for (int c : {first, 4100, 4600, 4601, 5100, 9100}) {
            if (c < first)
                continue;
            const double expected = coef * std::pow(double(c - 4600) / 500, a);
            QVERIFY2(near(frm->state.term(0, c), expected), qPrintable(QString::number(c)));
        }
    }

    void addTermValuesCommitsOnlyOnSuccess()
    {
        EquationState state;
        PlotSettings plot;
        plot.FirstColumn = 100;
        plot.LastColumn = 9100;
        state.TermCoefficients[0] = 2;
        for (int c : {100, 4000, 5100, 9100})
            state.term(0, c) = Sentinel;
        // Fails in the middle of the domain: nothing before the failing column is kept either.
        const TermFunction failing = [](double k, double x) {
            return x > 1 ? std::numeric_limits<double>::quiet_NaN() : k * x;
        };
        QVERIFY(!addTermValues(state, plot, failing));
        QCOMPARE(state.TermIndex, std::int16_t(0));
        for (int c : {100, 4000, 5100, 9100})
            QCOMPARE(state.term(0, c), Sentinel);
        QCOMPARE(state.term(0, 4100), 0.0);

        // A domain that runs backwards writes nothing but the term still counts.
        plot.FirstColumn = 5000;
        plot.LastColumn = 4000;
        QVERIFY(addTermValues(state, plot, linearTerm));
        QCOMPARE(state.TermIndex, std::int16_t(1));
        QCOMPARE(state.term(0, 4000), Sentinel);
        QCOMPARE(state.term(0, 4500), 0.0);

        // Every slot taken: refused, nothing changes.
        state.TermIndex = EquationState::Slots;
        state.term(EquationState::Slots - 1, 4600) = Sentinel;
        plot.FirstColumn = 100;
        plot.LastColumn = 9100;
        QVERIFY(!addTermValues(state, plot, powerOf(0)));
        QCOMPARE(state.TermIndex, std::int16_t(EquationState::Slots));
        QCOMPARE(state.term(EquationState::Slots - 1, 4600), Sentinel);
    }
};

QTEST_MAIN(TstTerms)
#include "tst_terms.moc"
