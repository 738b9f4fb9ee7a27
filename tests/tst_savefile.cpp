// Saving the picture: the file's bytes, the save dialog, and saves that fail.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <sys/resource.h>

using namespace zelta;

// Messages are recorded, but the save dialog is Qt's own.
class RealSaveDialog : public ScriptedDialogs {
public:
    QString saveBitmapName() override { return QtDialogService().saveBitmapName(); }
};

class TstSaveFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir; // the working folder, where the dialog opens

    // Every file below the working folder, by its path from there.
    QStringList filesHere() const
    {
        QStringList files;
        QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(m_dir.path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }
    static FrmCurve *curve() { return windows().frmCurve(); }
    static QByteArray bytesOf(const QString &name)
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(QDir().mkdir(QStringLiteral("sub")));
    }
    void init()
    {
        windows().frmMain()->show();
        QVERIFY(drive::run("click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare; click cmdSketch").isEmpty());
    }
    void cleanup()
    {
        windows().destroyAll();
        for (const QString &file : filesHere())
            QVERIFY(QFile::remove(file));
    }

    // A 24-bit bitmap of the 613 x 453 picture: 54 bytes of header and rows of 1840 bytes.
    void savedBytes()
    {
        ScriptedDialogs dialogs;
        dialogs.saveNames << "curve.bmp";
        QVERIFY(drive::run("click CmdSave").isEmpty());
        const QByteArray bytes = bytesOf("curve.bmp");
        QCOMPARE(bytes.left(2), "BM");
        QCOMPARE(bytes.size(), 54 + 453 * 1840);
        QCOMPARE(QImage::fromData(bytes, "BMP"), curve()->PicCurve->Image());
        QCOMPARE(dialogs.messages, QStringList());
    }

    void typedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("refused");
        QTest::newRow("no extension") << "plot" << QStringList{"plot.bmp"} << false;
        QTest::newRow("in a folder") << "sub/plot" << QStringList{"sub/plot.bmp"} << false;
        QTest::newRow("cancelled") << "" << QStringList() << false;
        QTest::newRow("quote inside") << "my\"plot" << QStringList() << true;
        QTest::newRow("two quoted names") << "\"a\" \"b\"" << QStringList() << true;
    }
    // A name typed into the real dialog is saved exactly there, or refused with a message.
    void typedName()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, files);
        QFETCH(bool, refused);
        RealSaveDialog dialogs;
        QTimer::singleShot(200, this, [typed] {
            if (!typed.isEmpty())
                QTest::keyClicks(QApplication::focusWidget(), typed + u'\r');
            // A refused name, or none, leaves the dialog open: cancel it.
            if (auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                box->reject();
        });
        curve()->CmdSave_Click();
        QCOMPARE(filesHere(), files);
        const QString refusal = QStringLiteral("The picture cannot be saved as %1: "
                                               "a file name must not contain a double quote (\").").arg(typed);
        QCOMPARE(dialogs.messages, refused ? QStringList{refusal} : QStringList());
    }

    // The real dialog saves bitmaps and asks before it replaces a file.
    void dialogSettings()
    {
        RealSaveDialog dialogs;
        QStringList seen;
        QTimer::singleShot(200, this, [&seen] {
            auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            seen << box->nameFilters() << box->defaultSuffix()
                 << (box->testOption(QFileDialog::DontConfirmOverwrite) ? "no confirmation" : "confirmation");
            box->reject();
        });
        curve()->CmdSave_Click();
        QCOMPARE(seen, (QStringList{"Bitmaps (*.bmp)", "bmp", "confirmation"}));
    }

    void failedSave_data()
    {
        QTest::addColumn<int>("limit"); // bytes a file may grow to; -1: none
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing fits") << 0 << "earlier.bmp" << "File too large";
        QTest::newRow("the header fits") << 100 << "earlier.bmp" << "File too large";
        QTest::newRow("part of the pixels fit") << 300000 << "earlier.bmp" << "File too large";
        QTest::newRow("a folder's name") << -1 << "sub" << "Filename refers to a directory";
    }
    // A save that fails names the system's reason and leaves the earlier file as it was.
    void failedSave()
    {
        QFETCH(int, limit);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QFile earlier(QStringLiteral("earlier.bmp"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        ScriptedDialogs dialogs;
        dialogs.saveNames << m_dir.filePath(name);
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        rlimit limited = saved;
        if (limit >= 0)
            limited.rlim_cur = rlim_t(limit); // a disk that fills up part-way, as far as the writer can tell
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        curve()->CmdSave_Click();
        QVERIFY(setrlimit(RLIMIT_FSIZE, &saved) == 0);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(dialogs.messages.value(0).section(": ", -1), reason);
        QVERIFY(dialogs.messages.value(0).startsWith("The picture was not saved to " + m_dir.filePath(name)));
        QCOMPARE(filesHere(), QStringList{"earlier.bmp"});
        QCOMPARE(bytesOf("earlier.bmp"), QByteArray("earlier"));
    }

    // A full disk is named as such.
    void fullDisk()
    {
        QFile full(QStringLiteral("/dev/full"));
        QVERIFY(full.open(QIODevice::WriteOnly));
        QString reason;
        QVERIFY(!writeBitmap(curve()->PicCurve->Image(), full, reason));
        QCOMPARE(reason, QStringLiteral("No space left on device"));
    }
};

QTEST_MAIN(TstSaveFile)
#include "tst_savefile.moc"
