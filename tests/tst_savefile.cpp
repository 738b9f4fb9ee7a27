// Save as Bitmap under hostile names and failing disks: where the file lands and what the user is told.
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
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
        return files;
    }

    // Writes earlier.bmp, then saves the picture through the dialog while the process may write
    // files of at most `limit` bytes: a disk that fills up part-way, as far as the writer can tell.
    void saveOverEarlierFile(rlim_t limit)
    {
        QFile earlier(QStringLiteral("earlier.bmp"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        rlimit limited = saved;
        limited.rlim_cur = limit;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        windows().frmCurve()->CmdSave_Click();
        QVERIFY(setrlimit(RLIMIT_FSIZE, &saved) == 0);
        std::signal(SIGXFSZ, oldHandler);
    }
    static void limits()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing fits") << 0;
        QTest::newRow("the header fits") << 100;
        QTest::newRow("part of the pixels fit") << 300000;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(QDir().mkdir(QStringLiteral("sub")));
    }
    void cleanup()
    {
        for (const QString &file : filesHere())
            QVERIFY(QFile::remove(file));
    }

    void typedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "plot" << QStringList{"plot.bmp"} << false;
        QTest::newRow("in a folder") << "sub/plot" << QStringList{"sub/plot.bmp"} << false;
        QTest::newRow("quote inside") << "my\"plot" << QStringList{} << true;
        QTest::newRow("quoted name") << "\"plot.bmp\"" << QStringList{} << true;
        QTest::newRow("quote in a folder") << "sub/my\"plot" << QStringList{} << true;
        QTest::newRow("two quoted names") << "\"a\" \"b\"" << QStringList{} << true;
        QTest::newRow("trailing quote") << "plot\"" << QStringList{} << true;
    }
    // A name typed into the dialog is saved exactly there, or refused with a message.
    void typedName()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, files);
        QFETCH(bool, refused);
        RealSaveDialog dialogs;
        QTimer::singleShot(200, this, [typed] {
            QTest::keyClicks(QApplication::focusWidget(), typed + u'\r');
            // A refused name leaves the dialog open: cancel it.
            if (auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                box->reject();
        });
        windows().frmCurve()->CmdSave_Click();
        QCOMPARE(filesHere().join(u' '), files.join(u' '));
        const QString refusal = QStringLiteral("The picture cannot be saved as %1: "
                                               "a file name must not contain a double quote (\").").arg(typed);
        QCOMPARE(dialogs.messages, refused ? QStringList{refusal} : QStringList{});
    }

    void writeStoppedPartWay_data() { limits(); }
    // The message names the system's reason, whatever part of the file was written.
    void writeStoppedPartWay()
    {
        QFETCH(int, limit);
        const QString name = m_dir.filePath(QStringLiteral("earlier.bmp"));
        ScriptedDialogs dialogs;
        dialogs.saveNames << name;
        saveOverEarlierFile(rlim_t(limit));
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("The picture was not saved to %1: File too large").arg(name)});
    }

    void earlierFileKept_data() { limits(); }
    // A failed save leaves the earlier file as it was, and no half-written file beside it.
    void earlierFileKept()
    {
        QFETCH(int, limit);
        ScriptedDialogs dialogs;
        dialogs.saveNames << QStringLiteral("earlier.bmp");
        saveOverEarlierFile(rlim_t(limit));
        QCOMPARE(filesHere(), QStringList{"earlier.bmp"});
        QFile earlier(QStringLiteral("earlier.bmp"));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    }

    // A full disk is named as such.
    void fullDisk()
    {
        QFile full(QStringLiteral("/dev/full"));
        QVERIFY(full.open(QIODevice::WriteOnly));
        QString reason;
        QVERIFY(!writeBitmap(windows().frmCurve()->PicCurve->Image(), full, reason));
        QCOMPARE(reason, QStringLiteral("No space left on device"));
    }
};

QTEST_MAIN(TstSaveFile)
#include "tst_savefile.moc"
