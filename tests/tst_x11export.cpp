// Export and print as a user does it, on a real X server: the surface's menu by the right button,
// the real save and print dialogs, a CUPS PDF printer of our own; the files read back by poppler
// and ImageMagick.
#include "equation/sketch.h"
#include "pictureprobe.h"
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zelta;

class TstX11Export : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString socket() const { return m_dir.filePath("cups.sock"); }

    static bool run(const QString &program, const QStringList &args, const QStringList &env = {})
    {
        QProcess p;
        p.setEnvironment(QProcess::systemEnvironment() + env);
        p.start(program, args);
        return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    static QStringList click(QWidget *w, int button = 1, QPoint at = {})
    {
        const QPoint p = w->mapTo(w->window(), at.isNull() ? w->rect().center() : at);
        return {"sleep", "0.5", "mousemove", "--window", "%1", QString::number(p.x()), QString::number(p.y()),
                "click", QString::number(button), "sleep", "0.5"};
    }
    static QStringList find(const char *name) { return {"search", "--sync", "--onlyvisible", "--name", name}; }
    // The surface's menu by the right button, an item by its access key, a name typed into the
    // dialog that opens, and Enter.
    static QStringList fromMenu(QWidget *surface, const char *key, const QString &typed)
    {
        QStringList steps = find("^Curve$") + click(surface, 3, QPoint(150, 300)) + QStringList{"key", key, "sleep", "1.5"};
        if (!typed.isEmpty())
            steps << "type" << "--delay" << "20" << "--args" << "1" << typed << "sleep" << "0.5";
        return steps << "key" << "Return" << "sleep" << "1.5";
    }
    static QString printedFolder() { return QString::fromLocal8Bit(getpwuid(geteuid())->pw_dir) + "/PDF"; }

private slots:
    // A CUPS of this test's own on a socket in its folder, with a cups-pdf printer as its default.
    void initTestCase()
    {
        for (const char *folder : {"spool", "cache", "state", "tmp", "out"})
            QVERIFY(QDir(m_dir.path()).mkpath(folder));
        QFile conf(m_dir.filePath("cupsd.conf")), files(m_dir.filePath("cups-files.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly) && files.open(QIODevice::WriteOnly));
        // The filters run as the printing user, lp: they reach the spool and write temporary files.
        QVERIFY(chmod(QFile::encodeName(m_dir.path()).constData(), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(m_dir.filePath("tmp")).constData(), 01777) == 0);
        conf.write(QString("Listen %1\nLogLevel warn\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                           "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n")
                       .arg(socket())
                       .toLocal8Bit());
        files.write(QString("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                            "TempDir %1/tmp\nErrorLog %1/error_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                        .arg(m_dir.path())
                        .toLocal8Bit());
        conf.close();
        files.close();
        // It ends with this test, however the test ends.
        m_cupsd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_cupsd.start("/usr/sbin/cupsd", {"-f", "-c", conf.fileName(), "-s", files.fileName()});
        QVERIFY(m_cupsd.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket()), 10000);
        const QStringList server{"-h", socket()};
        QVERIFY(run("/usr/sbin/lpadmin", server + QStringList{"-p", "ZeltaPDF", "-E", "-v", "cups-pdf:/", "-P",
                                                              "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd"}));
        QVERIFY(run("/usr/sbin/lpadmin", server + QStringList{"-d", "ZeltaPDF"}));
    }
    void cleanupTestCase()
    {
        m_cupsd.kill();
        m_cupsd.waitForFinished();
    }

    // y = 2x^2 sketched, then Export... to a PDF and to an SVG, Print... on the CUPS PDF printer.
    void exportAndPrintAsAUser()
    {
        FrmMain *main = windows().frmMain();
        main->show(); // laid out as the program's own
        QWidget *surface = windows().frmCurve()->PicCurve;
        const QString pdf = m_dir.filePath("out/graph.pdf"), svg = m_dir.filePath("out/graph.svg");
        // The save dialog opens in the working folder, where the names typed land.
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        const QStringList user =
            QStringList{"search", "--sync", "--onlyvisible", "--class", "zeltaplot", "sleep", "0.5", "mousemove",
                        "--window", "%1", "100", "100", "click", "1"} +
            find("^Zeltaplot$") + click(main->CmdGrid) + QStringList{"type", "--args", "1", "2"} + click(main->CmdContin) +
            click(main->CmdXSquare) + click(main->cmdSketch) + fromMenu(surface, "e", "graph.pdf") +
            fromMenu(surface, "e", "graph.svg") + fromMenu(surface, "p", "");

        windows().destroyAll();
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment() << "CUPS_SERVER=" + socket());
        program.setWorkingDirectory(m_dir.filePath("out"));
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        QVERIFY(program.waitForStarted());
        const bool done = run("timeout", QStringList{"120", "xdotool"} + user);
        // The printer's file, once written whole.
        QString printed;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QFileInfoList pdfs = QDir(printedFolder()).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
                if (pdfs.isEmpty() || pdfs.first().lastModified() < started)
                    return false;
                printed = pdfs.first().filePath();
                return QFileInfo(printed).lastModified().secsTo(QDateTime::currentDateTime()) >= 1 &&
                       run("pdfinfo", {printed});
            }(),
            60000);
        program.close();
        QVERIFY(done);

        // The exported PDF: one page of 460 x 340 points; at 720 dpi a big square is 8.82 mm.
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(info.readAllStandardOutput().contains("Page size:       460 x 340 pts"));
        const QList<double> columns = linesAcross(pdfPage(pdf, 720), 2065, true, 200);
        QCOMPARE(columns.size(), 19);
        qInfo("exported big square: %.4f mm", (columns.last() - columns.first()) / 18 / 720 * 25.4);
        QVERIFY(std::abs((columns.last() - columns.first()) / 18 / 720 * 25.4 - 8.82) < 0.02);

        // The SVG drawn by ImageMagick at 288 dpi: the page at true size (1840 x 1360 pixels, less
        // a rounding), the Y axis at column 918 and 2x^2 at x = -1 (twips 4100, 2400) in the run's
        // first colour.
        QProcess magick;
        magick.start("convert", {"-density", "288", svg, "png:-"});
        QVERIFY(magick.waitForFinished(60000));
        const QImage shown = QImage::fromData(magick.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
        QVERIFY2(std::abs(shown.width() - 1840) <= 1 && std::abs(shown.height() - 1360) <= 1,
                 qPrintable(QString("%1 x %2").arg(shown.width()).arg(shown.height())));
        QCOMPARE(shown.pixel(919, 300), qRgb(100, 100, 100)); // twips 4590 to 4605, on the 96 dpi grid
        RandomSequence fresh;
        QCOMPARE(shown.pixel(820, 481), nextCurveColour(fresh) | 0xff000000u);

        // Printed on A4 (the printer's default) at true size: at 300 dpi the Y axis runs through the
        // centre of the sheet and a big square is 8.82 mm.
        const QImage sheet = pdfPage(printed, 300);
        QCOMPARE(sheet.width(), 2480);
        const QList<double> printedColumns = linesAcross(sheet, sheet.height() / 2 + 69, true, 215);
        const auto axis = std::find_if(printedColumns.begin(), printedColumns.end(),
                                       [](double c) { return std::abs(c - 1240) < 2; });
        // Nine big squares from the Y axis to the right, measured together.
        QVERIFY(axis != printedColumns.end() && printedColumns.end() - axis >= 10);
        const double squareMm = (*(axis + 9) - *axis) / 9 / 300 * 25.4;
        qInfo("printed big square: %.3f mm", squareMm);
        QVERIFY(std::abs(squareMm - 8.82) < 0.03);
        QFile::remove(printed);
    }
};

QTEST_MAIN(TstX11Export)
#include "tst_x11export.moc"
