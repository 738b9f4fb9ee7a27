// Coefficient entry, the joining of terms and the power terms, driven through the main window.
#include "equation/terms.h"
#include "scripteddialogs.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"
#include <QtTest>
#include <QtWidgets>

static const QString NotNumber = QStringLiteral("The coefficient is not a number.");
static const QString NotValid = QStringLiteral("Please enter a valid value");
static const QString Range = QStringLiteral(" Please enter a valid value. ");
static const QString Pick = QStringLiteral("Now select appropriate term.");
static const QString Done = QStringLiteral("Click + or - or sketch curve as appropriate");
static QString col(const char *name) { return *static_cast<QString *>(QTest::qData(name, QMetaType::QString)); }

class TstTerms : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { zelta::windows().destroyAll(); }

    // values "k n": the last term stores k x^n (n = -1: k / x, skipping x = 0) at the domain's ends, x = -1, 0, 1
    void termEntry_data()
    {
        for (const char *name : {"script", "equation", "label", "messages", "values"})
            QTest::addColumn<QString>(name);
        QTest::newRow("-2") << "OptTwo|Grid|-2|Contin|XFour" << " (-2) (1/x)" << Done << "" << "-2 -1";
        QTest::newRow("lone -") << "Grid|-|Contin" << "" << " Click continue when done." << NotNumber << "0 0";
        QTest::newRow("1 -") << "Grid|1|Contin|XFive|Minus" << "x - " << "Enter the next coefficient " << "" << "1 1";
        QTest::newRow("1.0 +") << "Grid|1.0|Contin|XCube|Plus|Contin" << " (1.0) x^3 +  (1.0) " << Pick << "" << "1 3";
        QTest::newRow("a, blanks") << "OptFour|Grid|a2 ^ |Contin|XFive" << " ( 2 ) x" << Done << NotNumber << "2 1";
        QTest::newRow("-") << "Grid|1|Contin|XFive|Minus|Contin|XFour" << "x - (1/x)" << Done << "" << "-1 -1";
        QTest::newRow("11") << "OptHalf|Grid|2|Contin|?11|?2|XY" << " (2) x^2" << Done + ' ' << Range << "2 2";
        QTest::newRow("-1, 10") << "Grid|2|Contin|?-1|?10|XY" << " (2) x^10" << Done + ' ' << Range << "2 10";
        QTest::newRow("abc, 0 after 1") << "Grid|1|Contin|?abc|?0|XY" << "1" << Done + ' ' << NotValid << "1 0";
        QTest::newRow("cancel, 0 after 3") << "Grid|3|Contin|?|?0|XY" << " (3) " << Done + ' ' << NotValid << "3 0";
        QTest::newRow("2.5 on -9..9") << "Grid|2|Contin|?2.5|?3|XY" << " (2) x^3" << Done + ' ' << NotValid << "2 3";
        QTest::newRow("2.5 on 0..9") << "=0|Grid|2|Contin|?2.5|XY" << " (2) x^2.5" << Done + ' ' << "" << "2 2.5";
    }
    void termEntry()
    {
        ScriptedDialogs dialogs;
        zelta::FrmMain *frm = zelta::windows().frmMain();
        const QString script = col("script"), label = col("label");
        // Steps: button names less "Cmd" click, ?r queues a reply, =t types the domain start, text the coefficient.
        for (const QString &t : script.split(u'|')) {
            QLineEdit *box = t.startsWith(u'=') ? frm->TxtStartX : frm->TxtCoeff;
            box->selectAll();
            if (auto *b = frm->findChild<QAbstractButton *>(t.startsWith(u"Opt") ? t : "Cmd" + t))
                QTest::mouseClick(b, Qt::LeftButton);
            else if (t.startsWith(u'?'))
                dialogs.inputs.append(t.mid(1));
            else
                for (QChar c : t.mid(box == frm->TxtStartX)) // '^' presses Home
                    c == u'^' ? QTest::keyClick(box, Qt::Key_Home) : QTest::keyClicks(box, QString(c));
        }
        QTest::keyClicks(frm->TxtEquation, QStringLiteral("x+1")); // typed keys are dropped
        QCOMPARE(frm->TxtEquation->text(), col("equation"));
        QCOMPARE(frm->lblDes->text(), label);
        QCOMPARE(dialogs.messages.join(u'|'), col("messages"));
        QCOMPARE(int(frm->state.TermIndex), int(script.count(u"|X")));
        const bool choosing = label == Pick, added = label.startsWith(Done);
        QCOMPARE((QList<bool>{frm->CmdXSquare->isEnabled(), frm->cmdSketch->isEnabled(), frm->CmdContin->isEnabled()}),
                 (QList<bool>{choosing, added, !choosing && !added}));
        const double k = col("values").section(u' ', 0, 0).toDouble(), n = col("values").section(u' ', 1).toDouble();
        const int u = frm->plot.UnitTwips, first = frm->plot.FirstColumn, slot = std::max(frm->state.TermIndex - 1, 0);
        for (int c : {first, std::max(first, 4600 - u), 4600, 4600 + u, int(frm->plot.LastColumn)})
            QCOMPARE(frm->state.term(slot, c), n == -1 && c == 4600 ? 0 : k * std::pow((c - 4600.0) / u, n));
    }

    void failedTermChangesNothing()
    {
        zelta::EquationState s;
        s.term(0, 9100) = 7;
        QVERIFY(!addTermValues(s, {1, 500, 9, 0, 9100}, [](double, double x) { return x < 8 ? x : std::nan(""); }));
        // No slot taken, the values before the failure not kept, no cell overwritten.
        QCOMPARE((QList<double>{double(s.TermIndex), s.term(0, 0), s.term(0, 9100)}), (QList<double>{0, 0, 7}));
    }
};

QTEST_MAIN(TstTerms)
#include "tst_terms.moc"
