// On a real X server: xdotool drives the program as a user would, and xclip reads what it copied;
// the picture is exported and printed to a CUPS PDF printer of the test's own, and read back by
// ImageMagick.
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <optional>
#include <sys/prctl.h>
#include <sys/stat.h>

using namespace zelta;

class TstX11 : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QImage m_copied;   // what each session copied
    QByteArray m_copiedSvg;
    static QByteArray clipboardAs(const char *type)
    {
        // With the event loop going, so this process can still serve the clipboard it owns.
        QProcess xclip;
        QSignalSpy finished(&xclip, &QProcess::finished);
        xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", type, "-o"});
        return finished.wait(20000) ? xclip.readAllStandardOutput() : QByteArray();
    }
    static QImage clipboardPng() { return QImage::fromData(clipboardAs("image/png"), "PNG"); }
    // Runs xdotool; its output, or nothing when it fails. A step that waits for a window that never
    // comes must not hang the run.
    static std::optional<QString> xdotool(const QStringList &steps)
    {
        QProcess xdo;
        xdo.start(QStringLiteral("timeout"), QStringList{"60", "xdotool"} + steps);
        if (!xdo.waitForFinished(70000) || xdo.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(xdo.readAllStandardOutput()).trimmed();
    }
    // Finds the window by its title, then clicks the centre of the control in it.
    static QStringList click(const char *title, QWidget *w)
    {
        const QPoint at = w->mapTo(w->window(), w->rect().center());
        return {"search", "--sync", "--onlyvisible", "--name", title, "sleep", "0.5", "mousemove", "--window", "%1",
                QString::number(at.x()), QString::number(at.y()), "click", "1", "sleep", "0.5"};
    }

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
                       .arg(m_dir.filePath("cups.sock"))
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
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir.filePath("cups.sock")), 10000);
        const QStringList server{"-h", m_dir.filePath("cups.sock")};
        QVERIFY(!QProcess::execute("/usr/sbin/lpadmin", server + QStringList{"-p", "ZeltaPDF", "-E", "-v", "cups-pdf:/", "-P",
                                                              "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd"}));
        QVERIFY(!QProcess::execute("/usr/sbin/lpadmin", server + QStringList{"-d", "ZeltaPDF"}));
    }
    void cleanupTestCase()
    {
        m_cupsd.kill();
        m_cupsd.waitForFinished();
    }

    // sin x + sin 2x built with the mouse, the factor typed into the real input box; the picture
    // copied, then exported to an SVG and printed from the surface's menu by the right button.
    void mouseSession()
    {
        FrmMain *main = windows().frmMain();
        main->show(); // laid out as the program's is, menu bar and all
        const QPoint onSurface = windows().frmCurve()->PicCurve->mapTo(windows().frmCurve(), QPoint(150, 300));
        // The menu by the right button, an item by its access key, a name typed into the dialog that opens, and Enter.
        const auto fromMenu = [onSurface](const char *key, const QString &typed) {
            QStringList steps{"search", "--sync", "--onlyvisible", "--name", "^Curve$", "mousemove", "--window", "%1",
                              QString::number(onSurface.x()), QString::number(onSurface.y()), "click", "3", "sleep", "0.5",
                              "key", key, "sleep", "1.5"};
            if (!typed.isEmpty())
                steps << "type" << "--delay" << "20" << "--args" << "1" << typed << "sleep" << "0.5";
            return steps << "key" << "Return" << "sleep" << "1.5";
        };
        // The input box stands 4000 x 3000 twips from the screen's corner, clear of the main window.
        const QStringList factor{"sleep", "1", "mousemove", "280", "210", "click", "1", "sleep", "0.5", "type", "--args", "1", "2\r"};
        const QStringList user = QStringList{"search", "--sync", "--onlyvisible", "--class", "zeltaplot", "sleep", "0.5", "mousemove",
                                             "--window", "%1", "100", "100", "click", "1"} + // the splash goes on a click
                                 click("^Zeltaplot$", main->CmdGrid) + QStringList{"type", "--args", "1", "1"} +
                                 click("^Zeltaplot$", main->CmdContin) + click("^Zeltaplot$", main->Cmdsin) +
                                 click("^Zeltaplot$", main->CmdPlus) + click("^Zeltaplot$", main->CmdContin) +
                                 click("^Zeltaplot$", main->cmdSinAX) + factor + click("^Zeltaplot$", main->cmdSketch) +
                                 click("^Curve$", windows().frmCurve()->CmdCopy) + fromMenu("e", "graph.svg") + fromMenu("p", "");
        windows().destroyAll();
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment() << "CUPS_SERVER=" + m_dir.filePath("cups.sock")
                                                             << "XDG_CONFIG_HOME=" + m_dir.path());
        program.setWorkingDirectory(m_dir.filePath("out")); // where the save dialog opens
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        QVERIFY(program.waitForStarted() && xdotool(user));
        m_copied = clipboardPng();
        m_copiedSvg = clipboardAs("image/svg+xml");
        // The printer's file, once written whole (the page is measured where it is printed to a file).
        QString sheet;
        QTRY_VERIFY_WITH_TIMEOUT([&] {
            const QFileInfoList pdfs = QDir(QDir::homePath() + "/PDF/").entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
            sheet = pdfs.isEmpty() || pdfs.first().lastModified() < started ? QString() : pdfs.first().filePath();
            return !sheet.isEmpty() && QFileInfo(sheet).lastModified().secsTo(QDateTime::currentDateTime()) >= 1;
        }(), 60000);
        QFile::remove(sheet);
        program.close();
    }

    // 1.32 at x = 0.5 (column 4850, row 2740) and -1.32 at x = -0.5 (column 4350, row 4060), in a run's first colour.
    void copiedPicture()
    {
        QCOMPARE(m_copied.pixel(323, 182), qRgb(126, 28, 231));
        QCOMPARE(m_copied.pixel(290, 270), qRgb(126, 28, 231));
    }

    // Beside the bitmap, the drawing at true size: the grid and the curve in the run's first colour.
    void copiedSvg()
    {
        QVERIFY(m_copiedSvg.contains("width=\"162.278mm\" height=\"119.944mm\""));
        QVERIFY(m_copiedSvg.contains("<polyline") && m_copiedSvg.contains("#7e1ce7"));
    }

    // The SVG drawn by ImageMagick at 288 dpi, five twips a pixel: the page at true size, the curve
    // at x = 0.5 (row 2740) a line 15 twips wide below it, in the run's first colour at its middle.
    void exportedSvg()
    {
        QProcess magick;
        magick.start("convert", {"-density", "288", m_dir.filePath("out/graph.svg"), "png:-"});
        QVERIFY(magick.waitForFinished(60000));
        const QImage shown = QImage::fromData(magick.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
        QVERIFY(std::abs(shown.width() - 1840) <= 1 && std::abs(shown.height() - 1360) <= 1);
        QCOMPARE(shown.pixel(970, 549), qRgb(126, 28, 231));
    }
};

QTEST_MAIN(TstX11)
#include "tst_x11.moc"
