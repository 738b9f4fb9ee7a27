// The picture's choices apart from a window: colours made to read on paper, and the choices
// remembered from one run to the next.
#include "zeltatest.h"
#include "plot/printoptions.h"

#include <QProcess>
#include <QSettings>

class TstChoices : public WindowTest {
    Q_OBJECT

private slots:
    void contrast_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<double>("contrast"); // against white, as WCAG's own examples give it
        QTest::newRow("black") << qRgb(0, 0, 0) << 21.0;
        QTest::newRow("#767676, the lightest grey that reads") << qRgb(0x76, 0x76, 0x76) << 4.54;
        QTest::newRow("#777777, one step too light") << qRgb(0x77, 0x77, 0x77) << 4.48;
    }
    void contrast()
    {
        QFETCH(QRgb, colour);
        QFETCH(double, contrast);
        QCOMPARE(std::round(contrastOnWhite(colour) * 100) / 100, contrast);
    }

    // Every curve colour the program makes (red to 155, green to 205, blue to 255), darkened,
    // reads on white at 4.5 : 1, keeps its hue, and stays as it is when it reads already.
    void darkColours()
    {
        for (int r = 0; r <= 155; r += 5)
            for (int g = 0; g <= 205; g += 5)
                for (int b = 0; b <= 255; b += 5) {
                    const QColor colour(r, g, b), dark(darkColour(colour.rgb()));
                    const QString at = QString("%1,%2,%3 to %4").arg(r).arg(g).arg(b).arg(dark.name());
                    QVERIFY2(contrastOnWhite(dark.rgb()) >= 4.5, qPrintable(at));
                    if (contrastOnWhite(colour.rgb()) >= 4.5)
                        QVERIFY2(dark == colour, qPrintable(at));
                    else if (colour.hsvSaturation() > 100 && colour.value() > 100)
                        QVERIFY2(std::abs(dark.hsvHue() - colour.hsvHue()) <= 3, qPrintable(at));
                }
    }

    // The choices come back in a new run from the settings file (in this test's folder); a file
    // that cannot be read or written (a folder in its place) gives the defaults and is no error.
    void rememberedChoices()
    {
        const auto newRun = [this] {
            QProcess run;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("ZELTATEST_SETTINGS", m_dir.path());
            run.setProcessEnvironment(environment);
            run.start(QCoreApplication::applicationFilePath(), {"printChoices"});
            run.waitForFinished(60000);
            return QString::fromUtf8(run.readAllStandardError() + run.readAllStandardOutput()).section("choices: ", 1, 1).section(u'\n', 0, 0);
        };
        zelta::rememberChoices({4, "/tmp/sheets", {PictureOptions::TwoCm, true, true, true}});
        QCOMPARE(newRun(), "4 /tmp/sheets 2 1 1 1");
        const QString file = m_dir.filePath("Zeltaplot/zeltaplot.ini");
        QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        zelta::rememberChoices({1, "/x", {PictureOptions::OneCm, true, false, false}});
        QCOMPARE(newRun(), "0  0 0 0 0");
        QVERIFY(QDir().rmdir(file));
    }
    void printChoices()
    {
        const PictureChoices c = zelta::rememberedChoices();
        qInfo("choices: %d %s %d %d %d %d", c.exportType, qPrintable(c.folder), int(c.options.scale), c.options.bold,
              c.options.dark, c.options.transparent);
    }
};

QTEST_MAIN(TstChoices)
#include "tst_choices.moc"
