// Saving the picture as a bitmap: the file's bytes, the real save dialogs, and saves that fail,
// told with the system's reason and leaving the earlier file as it was.
#include "drive.h"
#include "filedialogs.h"
#include "windows/main/frmmain.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace zelta;
using namespace files;

class TstFiles : public FileTestCase {
    Q_OBJECT

private slots:
    // Save as Bitmap: a 24-bit bitmap of the 613 x 453 picture, 54 bytes of header and rows of 1840.
    void bitmapBytes()
    {
        FileDialogs dialogs;
        DRIVE("click CmdGrid; menu mnuCurve04");
        dialogs.save(Bmp, "curve.bmp");
        const QByteArray bytes = bytesOf("curve.bmp");
        QCOMPARE(bytes.left(2), "BM");
        QCOMPARE(bytes.size(), 54 + 453 * 1840);
        QCOMPARE(QImage::fromData(bytes, "BMP"), windows().frmCurve()->PicCurve->Image());
    }

    void typedName_data()
    {
        QTest::addColumn<int>("type");      // Save as Bitmap, or Export... with the filter chosen
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");  // none: refused with a message
        QTest::addColumn<QByteArray>("starts");
        QTest::newRow("bitmap, no extension") << int(Bmp) << "plot" << "plot.bmp" << QByteArray("BM");
        QTest::newRow("bitmap, a quote") << int(Bmp) << "my\"plot" << "" << QByteArray();
        QTest::newRow("PNG by default") << int(Png1) << "plot" << "plot.png" << QByteArray("\x89PNG");
        QTest::newRow("PDF chosen") << int(Pdf) << "plot" << "plot.pdf" << QByteArray("%PDF");
        QTest::newRow("PNG typed, PDF chosen") << int(Pdf) << "plot.png " << "plot.png" << QByteArray("\x89PNG");
        QTest::newRow("JPEG typed, PNG chosen") << int(Png1) << "plot.jpg" << "plot.jpg.png" << QByteArray("\x89PNG");
        QTest::newRow("BMP typed, SVG chosen") << int(Svg) << "plot.bmp" << "plot.bmp" << QByteArray("BM");
        QTest::newRow("export, a quote") << int(Svg) << "\"a\" \"b\"" << "" << QByteArray();
        // Last: the dialogs open where the last picture went.
        QTest::newRow("bitmap, in a folder") << int(Bmp) << "sub/plot" << "sub/plot.bmp" << QByteArray("BM");
    }
    // The real dialogs: a name typed is saved exactly there, of the kind chosen or typed; a name with
    // a double quote is refused with a message and the dialog stays open.
    void typedName()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QFETCH(QByteArray, starts);
        FileDialogs dialogs;
        dialogs.realDialogs = true;
        QVERIFY(QDir().mkpath("sub"));
        QString asked; // the name the dialog would ask about replacing
        QTimer::singleShot(200, this, [=, &asked] {
            auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (type != Bmp && type != Png1)
                box->selectNameFilter(QString::fromLatin1(PictureTypes[type].filter));
            QTest::keyClicks(QApplication::focusWidget(), typed + u'\r');
            asked = QDir::current().relativeFilePath(box->selectedFiles().value(0));
            if (auto *still = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                still->reject();
        });
        type == Bmp ? windows().frmCurve()->CmdSave_Click() : windows().frmCurve()->mnuExport_Click();
        QCOMPARE(bytesOf(file).left(starts.size()), starts);
        QCOMPARE(asked, file.isEmpty() ? asked : file);
        const QString refusal = QStringLiteral("The picture cannot be saved as %1: a file name must not contain a double quote (\").");
        QCOMPARE(dialogs.messages, file.isEmpty() ? QStringList{refusal.arg(typed)} : QStringList());
        QVERIFY(QDir("sub").removeRecursively());
    }

    void typedSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("chosen"); // in the Export dialog's list
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("type");
        QTest::newRow("unknown suffix") << "graph.jpg" << int(Png1) << "graph.jpg.png" << int(Png1);
        QTest::newRow("another type's") << "graph.png " << int(Pdf) << "graph.png" << int(Png1);
        QTest::newRow("none") << "graph" << int(Svg) << "graph.svg" << int(Svg);
        QTest::newRow("the chosen one's") << "graph.png" << int(Png4) << "graph.png" << int(Png4);
        QTest::newRow("capitals") << "Graph.PDF" << int(Png2) << "Graph.PDF" << int(Pdf);
        QTest::newRow("bitmap") << "graph.bmp" << int(Svg) << "graph.bmp" << int(Bmp);
        QTest::newRow("a dot at the end") << "graph." << int(Pdf) << "graph.pdf" << int(Pdf);
        QTest::newRow("a dot in the folder") << "my.plots/graph  " << int(Png1) << "my.plots/graph.png" << int(Png1);
    }
    // A name typed in the Export dialog: a known suffix chooses its type, any other gets the chosen one's.
    void typedSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(int, chosen);
        QFETCH(QString, file);
        QFETCH(int, type);
        QStringList filters;
        for (const PictureType &t : PictureTypes)
            filters << t.filter;
        const DialogService::PictureName name = typedPictureName(typed, filters, chosen);
        QCOMPARE(name.fileName, file);
        QCOMPARE(name.type, type);
    }

    // The real bitmap dialog saves bitmaps and asks before it replaces a file.
    void bitmapDialog()
    {
        QStringList seen;
        QTimer::singleShot(200, this, [&seen] {
            auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            seen << box->nameFilters() << box->defaultSuffix() << (box->testOption(QFileDialog::DontConfirmOverwrite) ? "no" : "confirms");
            box->reject();
        });
        QtDialogService().saveBitmapName();
        QCOMPARE(seen, (QStringList{"Bitmaps (*.bmp)", "bmp", "confirms"}));
    }

    // The print dialog with the picture's choice: each access key leads to one control.
    void printDialogKeys()
    {
        QList<QKeySequence> keys;
        QTimer::singleShot(200, this, [&keys] {
            QWidget *box = QApplication::activeModalWidget();
            for (const QWidget *w : box->findChildren<QWidget *>()) {
                if (const auto *button = qobject_cast<const QAbstractButton *>(w))
                    keys << QKeySequence::mnemonic(button->text());
                else if (const auto *label = qobject_cast<const QLabel *>(w))
                    keys << QKeySequence::mnemonic(label->text());
            }
            box->close();
        });
        QPrinter printer;
        bool fit = false;
        QtDialogService().setUpPrinter(printer, fit);
        keys.removeAll(QKeySequence());
        QVERIFY(keys.size() > 3);
        for (const QKeySequence &key : keys)
            QVERIFY2(keys.count(key) == 1, qPrintable(key.toString()));
    }

    void failedSave_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("limit"); // bytes a file may grow to; -1: a read-only folder
        QTest::addColumn<QString>("reason");
        const QString readOnly = geteuid() == 0 ? "Operation not permitted" : "Permission denied";
        QTest::newRow("bitmap, nothing fits") << int(Bmp) << 0 << "File too large";
        QTest::newRow("bitmap, part of the pixels fit") << int(Bmp) << 300000 << "File too large";
        QTest::newRow("bitmap, read-only folder") << int(Bmp) << -1 << readOnly;
        QTest::newRow("PDF, the start fits") << int(Pdf) << 100 << "File too large";
        QTest::newRow("PNG, read-only folder") << int(Png2) << -1 << readOnly;
        QTest::newRow("SVG, part fits") << int(Svg) << 20000 << "File too large";
        QTest::newRow("PNG four times, part fits") << int(Png4) << 20000 << "File too large";
        QTest::newRow("printed to a file, part fits") << int(Print) << 3000 << "File too large";
        QTest::newRow("printed to a read-only folder") << int(Print) << -1 << readOnly;
    }
    // A file that cannot be written whole is told with the system's reason (a full disk, as far as
    // the writer can tell, or a folder it may not write to); the earlier file and the picture stay.
    void failedSave()
    {
        QFETCH(int, type);
        QFETCH(int, limit);
        QFETCH(QString, reason);
        DRIVE("click CmdGrid");
        const QImage before = windows().frmCurve()->PicCurve->Image();
        const QString folder = m_dir.filePath("folder"), name = m_dir.filePath("folder/earlier");
        QVERIFY(QDir().mkpath(folder));
        QFile earlier(name);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        const int fd = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
        int immutable = FS_IMMUTABLE_FL;
        rlimit saved{}, limited{};
        getrlimit(RLIMIT_FSIZE, &saved);
        limited = saved;
        limited.rlim_cur = limit < 0 ? saved.rlim_cur : rlim_t(limit);
        // Root writes anywhere but into an immutable folder.
        if (limit < 0)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner) &&
                    (geteuid() != 0 || ioctl(fd, FS_IOC_SETFLAGS, &immutable) == 0));
        std::signal(SIGXFSZ, SIG_DFL); // each way of saving must keep the program alive itself
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        FileDialogs dialogs;
        dialogs.save(Type(type), name);
        setrlimit(RLIMIT_FSIZE, &saved);
        immutable = 0;
        if (geteuid() == 0)
            ioctl(fd, FS_IOC_SETFLAGS, &immutable);
        close(fd);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(dialogs.messages, QStringList{QString("The picture was not saved to %1: %2").arg(name, reason)});
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"earlier"});
        QCOMPARE(bytesOf(name), QByteArray("earlier"));
        QCOMPARE(windows().frmCurve()->PicCurve->Image(), before);
        QVERIFY(QDir(folder).removeRecursively());
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

QTEST_MAIN(TstFiles)
#include "tst_files.moc"
