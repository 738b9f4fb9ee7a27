// The program's pictures: their sizes and formats, and the generator making the committed bytes.
#include <QImageReader>
#include <QtTest>

static const QString Assets = QStringLiteral(ZELTAPLOT_SOURCE "/assets");

class TstAssets : public QObject {
    Q_OBJECT
private slots:
    void picture_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("colours"); // at most; 0: full colour
        QTest::newRow("splash") << "splash.png" << QSize(492, 283) << QByteArray("png") << 256;
        QTest::newRow("logo") << "logo.jpg" << QSize(154, 180) << QByteArray("jpeg") << 0;
        QTest::newRow("help icon 32") << "help32.png" << QSize(32, 32) << QByteArray("png") << 16;
        QTest::newRow("help icon 16") << "help16.png" << QSize(16, 16) << QByteArray("png") << 16;
        QTest::newRow("window icon 32") << "zeltaplot32.png" << QSize(32, 32) << QByteArray("png") << 16;
    }
    void picture()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(QByteArray, format);
        QFETCH(int, colours);
        QImageReader reader(Assets + '/' + file);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QCOMPARE(image.size(), size);
        if (colours) {
            QCOMPARE(image.format(), QImage::Format_Indexed8); // a palette, 8 bits a pixel
            QVERIFY(image.colorCount() <= colours);
        }
    }

    // Run again, the generator writes exactly the committed files.
    void generatorMakesTheSameBytes()
    {
        QTemporaryDir dir;
        QProcess maker;
        maker.start(QStringLiteral(ZELTAPLOT_MAKEASSETS), {dir.path(), dir.filePath("icons")});
        QVERIFY(maker.waitForFinished(60000));
        QCOMPARE(maker.exitCode(), 0);
        QDirIterator made(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        int files = 0;
        while (made.hasNext()) {
            const QString path = made.next();
            QString committed = path.mid(dir.path().size());
            committed = committed.startsWith("/icons/") ? ZELTAPLOT_SOURCE "/data" + committed : Assets + committed;
            QFile a(path), b(committed);
            QVERIFY2(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly), qPrintable(committed));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(committed));
            ++files;
        }
        QCOMPARE(files, 6 + 4);
    }
};

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
