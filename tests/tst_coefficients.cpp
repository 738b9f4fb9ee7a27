// The coefficient box, Continue, + and -, and the limit of 26 terms.
#include "drive.h"
#include "scripteddialogs.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

static const QString NotNumber = QStringLiteral("The coefficient is not a number.");

// Types the keys into the box; '^' presses Home, since a leading blank alone is refused.
static void typeKeys(QLineEdit *box, const QString &keys)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (QChar k : keys)
        k == u'^' ? QTest::keyClick(box, Qt::Key_Home) : QTest::keyClicks(box, QString(k));
}

class TstCoefficients : public QObject {
    Q_OBJECT
    FrmMain *frm = nullptr;
    ScriptedDialogs dialogs;

private slots:
    void init()
    {
        frm = windows().frmMain();
        frm->show();
        drive::setGrid(frm);
        dialogs.messages.clear();
    }
    void cleanup() { windows().destroyAll(); }

    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("continueEnabled");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("lone minus") << "-" << "-" << true << QStringList();
        QTest::newRow("negative") << "-2" << "-2" << true << QStringList();
        QTest::newRow("blanks around") << "2 ^ " << " 2 " << true << QStringList();
        QTest::newRow("a letter") << "a" << "" << false << QStringList{NotNumber};
        QTest::newRow("letter after digits") << "5x" << "" << false << QStringList{NotNumber};
        QTest::newRow("lone point") << "." << "" << false << QStringList{NotNumber};
    }
    void typing()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, continueEnabled);
        QFETCH(QStringList, messages);
        typeKeys(frm->TxtCoeff, keys);
        QCOMPARE(frm->TxtCoeff->text(), text);
        QCOMPARE(frm->CmdContin->isEnabled(), continueEnabled);
        QCOMPARE(dialogs.messages, messages);
    }

    void continueAppends_data()
    {
        QTest::addColumn<QString>("coefficient");
        QTest::addColumn<QString>("equation");
        QTest::addColumn<double>("stored");
        QTest::newRow("1 shows nothing") << "1" << "" << 1.0;
        QTest::newRow("1.0 is shown") << "1.0" << " (1.0) " << 1.0;
        QTest::newRow("01 is shown") << "01" << " (01) " << 1.0;
        QTest::newRow("-2") << "-2" << " (-2) " << -2.0;
        QTest::newRow("blanks kept") << "2 ^ " << " ( 2 ) " << 2.0;
    }
    void continueAppends()
    {
        QFETCH(QString, coefficient);
        QFETCH(QString, equation);
        QFETCH(double, stored);
        typeKeys(frm->TxtCoeff, coefficient);
        drive::click(frm->CmdContin);
        QCOMPARE(frm->TxtEquation->text(), equation);
        QCOMPARE(frm->state.TermCoefficients[0], stored);
        QCOMPARE(frm->lblDes->text(), "Now select appropriate term.");
        QVERIFY(std::ranges::all_of(frm->termButtons(), &QPushButton::isEnabled));
        QVERIFY(!frm->TxtCoeff->isEnabled() && !frm->CmdContin->isEnabled() && !frm->cmdSketch->isEnabled());
    }

    void continueRefusesALoneMinus()
    {
        QTest::keyClicks(frm->TxtCoeff, "-");
        drive::click(frm->CmdContin);
        QCOMPARE(dialogs.messages, QStringList{NotNumber});
        QCOMPARE(frm->TxtEquation->text(), "");
        QVERIFY(std::ranges::none_of(frm->termButtons(), &QPushButton::isEnabled));
    }

    void signKeepsTheCoefficient_data()
    {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("equation");
        QTest::addColumn<double>("stored");
        QTest::newRow("+") << "CmdPlus" << " (2) x^2 +  (2) x^2" << 2 * 4.0;
        QTest::newRow("-") << "CmdMinus" << " (2) x^2 -  (2) x^2" << -2 * 4.0;
    }
    // Continue straight after a sign repeats the previous coefficient.
    void signKeepsTheCoefficient()
    {
        QFETCH(QString, sign);
        QFETCH(QString, equation);
        QFETCH(double, stored);
        drive::addTerm(frm, "2", "CmdXSquare");
        drive::click(drive::button(frm, sign));
        QCOMPARE(frm->lblDes->text(), "Enter the next coefficient ");
        drive::click(frm->CmdContin);
        drive::click(frm->CmdXSquare);
        QCOMPARE(frm->TxtEquation->text(), equation);
        QCOMPARE(frm->state.term(1, 5600), stored); // x = 2
    }

    void typingInTheEquationIsDropped()
    {
        drive::addTerm(frm, "2", "CmdXSquare");
        QTest::keyClicks(frm->TxtEquation, "x+1\b");
        QTest::keyClick(frm->TxtEquation, Qt::Key_Return);
        QCOMPARE(frm->TxtEquation->text(), " (2) x^2");
    }

    // Pasted long coefficients: the equation, and so the label, keeps every character.
    void longEquationIsNeverCut()
    {
        const QString coefficient = "1." + QString(20000, '0');
        QGuiApplication::clipboard()->setText(coefficient);
        frm->TxtCoeff->setFocus();
        QTest::keySequence(frm->TxtCoeff, QKeySequence::Paste);
        QCOMPARE(frm->TxtCoeff->text(), coefficient);
        drive::click(frm->CmdContin);
        drive::click(frm->CmdXFive);
        drive::click(frm->CmdPlus);
        drive::click(frm->CmdContin);
        drive::click(frm->CmdXSquare);
        const QString part = " (" + coefficient + ") ";
        QCOMPARE(frm->TxtEquation->text(), part + "x + " + part + "x^2");
    }

    // Once 26 terms are stored, a sign is refused and the equation can still be sketched.
    void twentySixTermsAreTheLimit()
    {
        drive::addTerm(frm, "1", "CmdXSquare");
        for (int i = 1; i < 26; ++i) {
            drive::click(frm->CmdPlus);
            drive::click(frm->CmdContin);
            drive::click(frm->CmdXFive);
        }
        QCOMPARE(int(frm->state.TermIndex), 26);
        const QString equation = frm->TxtEquation->text();
        for (QPushButton *sign : {frm->CmdPlus, frm->CmdMinus}) {
            drive::click(sign);
            QCOMPARE(dialogs.messages.takeLast(), "The equation cannot hold more than 26 terms.");
            QCOMPARE(frm->TxtEquation->text(), equation);
            QVERIFY(frm->cmdSketch->isEnabled() && !frm->CmdContin->isEnabled());
        }
        QCOMPARE(int(frm->state.TermSign), 1);
    }
};

QTEST_MAIN(TstCoefficients)
#include "tst_coefficients.moc"
