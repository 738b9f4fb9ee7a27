// The grid settings panel driven through its controls: the domain boxes' live checks, the
// four scales, and Set Grid with its range and order checks and the switch to the equation panel.
#include "scripteddialogs.h"

#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace zelta;

namespace {

const QString StartNotNumber = QStringLiteral("The Starting Xvalue is not a number.");
const QString EndNotNumber = QStringLiteral("The Ending Xvalue is not a number.");
const QString InvalidRange = QStringLiteral("Inavlid range");
const QString OrderWrong = QStringLiteral("The ending value must be greater than the starting value.");

// One change to the empty text, as a user selecting all and deleting would make.
void clearBox(QLineEdit *box)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QVERIFY(box->text().isEmpty());
}

void typeInto(QLineEdit *box, const QString &text)
{
    clearBox(box);
    QTest::keyClicks(box, text);
}

// Clicks on the indicator, which belongs to the button's hit area in every style.
void choose(QRadioButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QVERIFY(option->isChecked());
}

// Pixel of a surface position in twips at scale 1.
QRgb pixelAt(const QImage &image, int column, int row) { return image.pixel(column / 15, row / 15); }

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { windows().destroyAll(); }
    void domainCheck_data();
    void domainCheck();
    void scaleRow_data();
    void scaleRow();
    void setGrid_data();
    void setGrid();
    void panelSwap();

private:
    QRadioButton *option(const QString &name) { return frm->findChild<QRadioButton *>(name); }

    ScriptedDialogs dialogs;
    FrmMain *frm = nullptr;
};

void TestSettings::init()
{
    windows().destroyAll();
    dialogs.messages.clear();
    frm = windows().frmMain();
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm));
}

void TestSettings::domainCheck_data()
{
    QTest::addColumn<bool>("endBox");
    QTest::addColumn<bool>("otherEmpty");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("enabled");

    const auto typed = [](const QString &s) { QTestEventList l; l.addKeyClicks(s); return l; };
    QTestEventList empty;
    // "1e" alone is no number, so the exponent is typed last between the digits.
    QTestEventList exponent = typed(QStringLiteral("11"));
    exponent.addKeyClick(Qt::Key_Left);
    exponent.addKeyClicks(QStringLiteral("e"));

    QTest::newRow("start emptied") << false << false << empty << "" << "" << false;
    QTest::newRow("start letter") << false << false << typed("a") << "" << StartNotNumber << false;
    QTest::newRow("start lone minus") << false << false << typed("-") << "-" << "" << false;
    QTest::newRow("start -5") << false << false << typed("-5") << "-5" << "" << true;
    QTest::newRow("start 5x") << false << false << typed("5x") << "" << StartNotNumber << false;
    QTest::newRow("start 2.5") << false << false << typed("2.5") << "2.5" << "" << true;
    QTest::newRow("start 1e1") << false << false << exponent << "1e1" << "" << true;
    QTest::newRow("start 5, end empty") << false << true << typed("5") << "5" << "" << false;
    QTest::newRow("end emptied") << true << false << empty << "" << "" << false;
    QTest::newRow("end letter") << true << false << typed("a") << "0" << EndNotNumber << true;
    QTest::newRow("end lone minus") << true << false << typed("-") << "-" << "" << false;
    QTest::newRow("end 5x") << true << false << typed("5x") << "0" << EndNotNumber << true;
    QTest::newRow("end 5x, start empty") << true << true << typed("5x") << "0" << EndNotNumber << false;
    QTest::newRow("end 1e1") << true << false << exponent << "1e1" << "" << true;
    QTest::newRow("end -0.5") << true << false << typed("-0.5") << "-0.5" << "" << true;
}

void TestSettings::domainCheck()
{
    QFETCH(bool, endBox);
    QFETCH(bool, otherEmpty);
    QFETCH(QTestEventList, keys);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(bool, enabled);

    QLineEdit *box = endBox ? frm->TxtEndX : frm->TxtStartX;
    QLineEdit *other = endBox ? frm->TxtStartX : frm->TxtEndX;
    QVERIFY(frm->CmdGrid->isEnabled());
    if (otherEmpty)
        clearBox(other);
    clearBox(box);
    QVERIFY(!frm->CmdGrid->isEnabled());
    keys.simulate(box);

    QCOMPARE(box->text(), text);
    QCOMPARE(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(frm->CmdGrid->isEnabled(), enabled);
    QCOMPARE(other->text(), otherEmpty ? QString() : QString::fromLatin1(endBox ? "-9" : "9"));
}

void TestSettings::scaleRow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inGrid");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<double>("boxUnits");
    QTest::addColumn<int>("unitTwips");
    QTest::addColumn<double>("xLimit");

    const QString range = QStringLiteral("The starting and ending X values can have values in the range %1 to %2");
    QTest::newRow("half") << "OptHalf" << range.arg("-4.5", "4.5")
                          << "Scale: One big box represents half a unit on each axis" << "-4.5" << "4.5" << 0.5
                          << 1000 << 4.5;
    QTest::newRow("one") << "OptOne" << range.arg("-9", "9") << "Scale: One big box represents one unit on each axis"
                         << "-9" << "9" << 1.0 << 500 << 9.0;
    QTest::newRow("two") << "OptTwo" << range.arg("-18", "18")
                         << "Scale: One big box represents two units on each axis" << "-18" << "18" << 2.0 << 250
                         << 18.0;
    QTest::newRow("four") << "OptFour" << range.arg("-36", "36")
                          << "Scale: One big box represents four units on each axis" << "-36" << "36" << 4.0 << 125
                          << 36.0;
}

void TestSettings::scaleRow()
{
    QFETCH(QString, name);
    QFETCH(QString, inGrid);
    QFETCH(QString, scale);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(double, boxUnits);
    QFETCH(int, unitTwips);
    QFETCH(double, xLimit);

    // Leave the scale first, so that clicking the option really selects it; typed
    // domain values must give way to the scale's defaults.
    choose(option(name == u"OptHalf" ? QStringLiteral("OptFour") : QStringLiteral("OptHalf")));
    typeInto(frm->TxtStartX, QStringLiteral("2"));
    typeInto(frm->TxtEndX, QStringLiteral("3"));
    choose(option(name));

    for (QRadioButton *o : frm->scaleOptions())
        QCOMPARE(o->isChecked(), o->objectName() == name);
    QCOMPARE(frm->LblInGrid->text(), inGrid);
    QCOMPARE(windows().frmCurve()->LblScale->text(), scale);
    QCOMPARE(frm->TxtStartX->text(), start);
    QCOMPARE(frm->TxtEndX->text(), end);
    QCOMPARE(frm->plot.BoxUnits, boxUnits);
    QCOMPARE(int{frm->plot.UnitTwips}, unitTwips);
    QCOMPARE(frm->plot.XLimit, xLimit);
    QVERIFY(frm->CmdGrid->isEnabled());
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(!windows().frmCurve()->isVisible());
}

void TestSettings::setGrid_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("gridSet");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");

    const QString none;
    QTest::newRow("one -9..9") << "OptOne" << "-9" << "9" << none << true << 100 << 9100;
    QTest::newRow("half at its bounds") << "OptHalf" << "-4.5" << "4.5" << none << true << 100 << 9100;
    QTest::newRow("four at its bounds") << "OptFour" << "-36" << "36" << none << true << 100 << 9100;
    // 4662.5 and 4787.5 before rounding, halves to even.
    QTest::newRow("four 0.5..1.5") << "OptFour" << "0.5" << "1.5" << none << true << 4662 << 4788;
    QTest::newRow("one 0.125..0.375") << "OptOne" << "0.125" << "0.375" << none << true << 4662 << 4788;
    QTest::newRow("one single column") << "OptOne" << "2" << "2" << none << true << 5600 << 5600;
    QTest::newRow("one -1..-1") << "OptOne" << "-1" << "-1" << none << true << 4100 << 4100;
    // 4600.5 and 4600.25: the same column although the end is smaller.
    QTest::newRow("one 0.001..0.0005") << "OptOne" << "0.001" << "0.0005" << none << true << 4600 << 4600;
    // 4599.5 and 4600.5 both round to the even 4600.
    QTest::newRow("one -0.001..0.001") << "OptOne" << "-0.001" << "0.001" << none << true << 4600 << 4600;
    QTest::newRow("two -18..18") << "OptTwo" << "-18" << "18" << none << true << 100 << 9100;
    QTest::newRow("start below -9") << "OptOne" << "-9.01" << "9" << InvalidRange << false << -1 << -1;
    QTest::newRow("start above 9") << "OptOne" << "10" << "9" << InvalidRange << false << -1 << -1;
    QTest::newRow("end above 9") << "OptOne" << "-9" << "9.5" << InvalidRange << false << -1 << -1;
    QTest::newRow("end below -9") << "OptOne" << "0" << "-10" << InvalidRange << false << -1 << -1;
    QTest::newRow("both beyond, one message") << "OptOne" << "10" << "20" << InvalidRange << false << -1 << -1;
    QTest::newRow("half start beyond") << "OptHalf" << "-4.6" << "4" << InvalidRange << false << -1 << -1;
    QTest::newRow("four end beyond") << "OptFour" << "0" << "36.5" << InvalidRange << false << -1 << -1;
    // Order fails after the range passed: GridSet stays true, the columns hold the rejected values.
    QTest::newRow("one 3..1") << "OptOne" << "3" << "1" << OrderWrong << true << 6100 << 5100;
    QTest::newRow("two 18..-18") << "OptTwo" << "18" << "-18" << OrderWrong << true << 9100 << 100;
}

void TestSettings::setGrid()
{
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    QFETCH(bool, gridSet);
    QFETCH(int, first);
    QFETCH(int, last);

    choose(option(name));
    typeInto(frm->TxtStartX, start);
    typeInto(frm->TxtEndX, end);
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(frm->CmdGrid->isEnabled());
    const int firstBefore = frm->plot.FirstColumn, lastBefore = frm->plot.LastColumn;

    QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);

    QCOMPARE(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(frm->state.GridSet, gridSet);
    QCOMPARE(int{frm->plot.FirstColumn}, first < 0 ? firstBefore : first);
    QCOMPARE(int{frm->plot.LastColumn}, last < 0 ? lastBefore : last);
    const bool accepted = message.isEmpty();
    QCOMPARE(frm->FrameEquation->isVisible(), accepted);
    QCOMPARE(frm->FrameSettings->isVisible(), !accepted);
    QCOMPARE(frm->state.GridDrawn, accepted);
    QVERIFY(!frm->CmdGrid->isEnabled());
    QVERIFY(!windows().frmCurve()->isVisible());
    if (accepted)
        return;

    QVERIFY(frm->TxtStartX->isEnabled());
    QVERIFY(frm->TxtEndX->isEnabled());
    if (message == OrderWrong) {
        QCOMPARE(frm->TxtStartX->text(), QString());
        QCOMPARE(frm->TxtEndX->text(), QString());
        return;
    }
    QCOMPARE(frm->TxtStartX->text(), start);
    QCOMPARE(frm->TxtEndX->text(), end);
    // Editing a box brings Set Grid back.
    QTest::keyClick(frm->TxtEndX, Qt::Key_Backspace);
    QTest::keyClicks(frm->TxtEndX, end.right(1));
    QVERIFY(frm->CmdGrid->isEnabled());
}

void TestSettings::panelSwap()
{
    QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);

    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(frm->FrameEquation->isVisible());
    QVERIFY(!frm->FrameSettings->isVisible());
    QCOMPARE(frm->lblDes->text(), QStringLiteral("Now enter the coefficient of the first term."));
    for (QWidget *w : std::initializer_list<QWidget *>{frm->OptFour, frm->OptTwo, frm->OptOne, frm->OptHalf,
                                                        frm->CmdGrid, frm->LblStartX, frm->LblEndX, frm->TxtStartX,
                                                        frm->TxtEndX})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(frm->TxtCoeff->isEnabled());
    QVERIFY(frm->LblCoefficient->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frm->TxtCoeff));

    // The grid is on the hidden surface: the axes cross at column 4600, row 3400.
    FrmCurve *curve = windows().frmCurve();
    QVERIFY(frm->state.GridDrawn);
    QVERIFY(!curve->isVisible());
    const QRgb axis = qRgb(100, 100, 100), white = qRgb(255, 255, 255);
    QCOMPARE(pixelAt(curve->PicCurve->Image(), 4600, 5000), axis);
    QCOMPARE(pixelAt(curve->PicCurve->Image(), 7020, 3400), axis);

    // New Curve clears the surface; the next Set Grid draws the grid again.
    frm->mnuNew->trigger();
    QVERIFY(!frm->state.GridDrawn);
    QCOMPARE(pixelAt(curve->PicCurve->Image(), 4600, 5000), white);
    QVERIFY(frm->CmdGrid->isEnabled());
    QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(frm->FrameEquation->isVisible());
    QVERIFY(frm->state.GridDrawn);
    QCOMPARE(pixelAt(curve->PicCurve->Image(), 4600, 5000), axis);
    QCOMPARE(pixelAt(curve->PicCurve->Image(), 7020, 3400), axis);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
