// The program's pictures: the generator makes the committed bytes (what they show is in the golden
// pictures of the windows that show them).
#include <QtTest>

static const QString Assets = QStringLiteral(ZELTAPLOT_SOURCE "/assets");

class TstAssets : public QObject {
    Q_OBJECT
private slots:
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
