// The picture as files and on paper: the real dialogs, failed saves, and the files read back by
// other programs.
#include "zeltatest.h"
#include "presets/presets.h"

#include <csignal>
#include <sys/resource.h>

using namespace files;

namespace {
// Reading pictures back as a user's tools show them: PDF pages rendered by poppler, and the
// grid's lines found and measured on them.
QImage pdfPage(const QString &file, int dpi)
{
    QProcess poppler;
    poppler.start("pdftoppm", {"-gray", "-r", QString::number(dpi), "-singlefile", file});
    poppler.waitForFinished(60000);
    return QImage::fromData(poppler.readAllStandardOutput(), "PGM");
}

// Centres of the runs of pixels darker than a grey level along a row (or a column) of a picture.
QList<double> linesAcross(const QImage &picture, int at, bool alongRow, int below)
{
    QList<double> centres;
    const int length = alongRow ? picture.width() : picture.height();
    const auto dark = [&](int j) { return qGray(alongRow ? picture.pixel(j, at) : picture.pixel(at, j)) < below; };
    for (int i = 0; i < length;) {
        if (!dark(i)) {
            ++i;
            continue;
        }
        int end = i;
        while (end < length && dark(end))
            ++end;
        centres << (i + end - 1) / 2.0;
        i = end;
    }
    return centres;
}
} // namespace

class TstFiles : public WindowTest {
    Q_OBJECT

private slots:
    void typedName_data()
    {
        QTest::addColumn<int>("type"); // Save as Bitmap, or Export... with the filter chosen
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file"); // none: refused with a message
        QTest::addColumn<QByteArray>("starts");
        QTest::newRow("bitmap, no extension") << int(Bmp) << "plot" << "plot.bmp" << QByteArray("BM");
        QTest::newRow("bitmap, a quote") << int(Bmp) << "my\"plot" << "" << QByteArray();
        QTest::newRow("JPEG typed, PDF chosen") << int(Pdf) << "plot.jpg" << "plot.jpg.pdf" << QByteArray("%PDF");
        QTest::newRow("export, a quote") << int(Svg) << "\"a\" \"b\"" << "" << QByteArray();
    }
    // The real dialogs, which ask before they replace a file: a name typed is saved exactly there, as
    // its suffix or the filter chose, the bitmap's only as a bitmap; a name with a double quote is
    // refused with a message and the dialog stays open.
    void typedName()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QFETCH(QByteArray, starts);
        FileDialogs dialogs;
        dialogs.realDialogs = true;
        QString asked, seen; // the name the dialog asks about replacing; its filters
        QTimer::singleShot(200, this, [=, &asked, &seen] {
            auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (type != Bmp)
                box->selectNameFilter(QString::fromLatin1(PictureTypes[type].filter));
            QTest::keyClicks(QApplication::focusWidget(), typed + u'\r');
            asked = QDir::current().relativeFilePath(box->selectedFiles().value(0));
            seen = box->nameFilters().join(u';') + (box->testOption(QFileDialog::DontConfirmOverwrite) ? "" : " asks");
            if (auto *still = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                still->reject();
        });
        type == Bmp ? windows().frmCurve()->CmdSave_Click() : windows().frmCurve()->mnuExport_Click();
        QCOMPARE(bytesOf(file).left(starts.size()), starts);
        QCOMPARE(asked, file.isEmpty() ? asked : file);
        QVERIFY2(type == Bmp ? seen == "Bitmaps (*.bmp) asks" : seen.endsWith(" asks"), qPrintable(seen));
        const QString refusal = QStringLiteral("The picture cannot be saved as %1: a file name must not contain a double quote (\").");
        QCOMPARE(dialogs.messages, file.isEmpty() ? QStringList{refusal.arg(typed)} : QStringList());
    }

    void typedSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("chosen"); // in the Export dialog's list
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("type");
        QTest::newRow("unknown suffix") << "graph.jpg" << int(Png1) << "graph.jpg.png" << int(Png1);
        QTest::newRow("another type's, a blank after") << "graph.png " << int(Pdf) << "graph.png" << int(Png1);
        QTest::newRow("the chosen one's") << "graph.png" << int(Png4) << "graph.png" << int(Png4);
        QTest::newRow("capitals") << "Graph.PDF" << int(Png2) << "Graph.PDF" << int(Pdf);
        QTest::newRow("a dot at the end") << "graph." << int(Pdf) << "graph.pdf" << int(Pdf);
        QTest::newRow("a dot in the folder") << "my.plots/graph  " << int(Svg) << "my.plots/graph.svg" << int(Svg);
    }
    // A name typed in the Export dialog: a known suffix chooses its type, any other name gets the chosen one's.
    void typedSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(int, chosen);
        QFETCH(QString, file);
        QFETCH(int, type);
        const DialogService::PictureName name = typedPictureName(typed, {"png", "png", "png", "svg", "pdf", "bmp"}, chosen);
        QCOMPARE(name.fileName, file);
        QCOMPARE(name.type, type);
    }

    // The real print dialog with the picture's choice: each access key leads to one control.
    void printDialogKeys()
    {
        QList<QKeySequence> keys;
        QTimer::singleShot(200, this, [&keys] {
            QWidget *box = QApplication::activeModalWidget();
            for (const QAbstractButton *button : box->findChildren<QAbstractButton *>())
                keys << QKeySequence::mnemonic(button->text());
            for (const QLabel *label : box->findChildren<QLabel *>())
                keys << QKeySequence::mnemonic(label->text());
            box->close();
        });
        QPrinter printer;
        PictureOptions options;
        QtDialogService().setUpPrinter(printer, options);
        keys.removeAll(QKeySequence());
        QVERIFY(keys.size() > 3);
        for (const QKeySequence &key : keys)
            QVERIFY2(keys.count(key) == 1, qPrintable(key.toString()));
    }

    void failedSave_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit"); // bytes a file may grow to
        QTest::addColumn<QString>("reason");
        QTest::newRow("bitmap, part of the pixels fit") << int(Bmp) << "folder/earlier" << 300000 << "File too large";
        QTest::newRow("bitmap, no such folder") << int(Bmp) << "none/earlier" << 0 << "No such file or directory";
        QTest::newRow("PNG four times, part fits") << int(Png4) << "folder/earlier" << 20000 << "File too large";
        QTest::newRow("PDF, no such folder") << int(Pdf) << "none/earlier" << 0 << "No such file or directory";
        QTest::newRow("printed to a file, part fits") << int(Print) << "folder/earlier" << 3000 << "File too large";
        QTest::newRow("printed, no such folder") << int(Print) << "none/earlier" << 0 << "No such file or directory";
        QTest::newRow("sound, part fits") << int(Wav) << "folder/earlier" << 100000 << "File too large";
    }
    // A file that cannot be written whole is told with the system's reason (a full disk or a size
    // limit, as far as the writer can tell), and the program goes on; the earlier file, with no
    // other beside it, and the picture stay.
    void failedSave()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(int, limit);
        QFETCH(QString, reason);
        DRIVE("click CmdGrid; menu mnuCur01"); // a curve for the sound
        const QImage before = windows().frmCurve()->PicCurve->Image();
        QVERIFY(QDir().mkpath("folder"));
        QFile earlier("folder/earlier");
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited{limit > 0 ? rlim_t(limit) : saved.rlim_cur, saved.rlim_max};
        std::signal(SIGXFSZ, SIG_DFL); // each way of saving must keep the program alive itself
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        FileDialogs dialogs;
        dialogs.save(Type(type), name);
        setrlimit(RLIMIT_FSIZE, &saved);
        const QString what = type == Wav ? "sound" : "picture";
        QCOMPARE(dialogs.messages, QStringList{QString("The %1 was not saved to %2: %3").arg(what, name, reason)});
        QCOMPARE(QDir("folder").entryList(QDir::Files | QDir::Hidden), QStringList{"earlier"});
        QCOMPARE(bytesOf("folder/earlier"), QByteArray("earlier"));
        QCOMPARE(windows().frmCurve()->PicCurve->Image(), before);
        QVERIFY(QDir("folder").removeRecursively());
    }

    // The SVG is drawn: sin x one polyline from twip column 1 to 9199 (9200 is the surface's edge,
    // off it as on the screen), lines for the grid, no pixels as squares; at 1 cm a big box 10 mm
    // wide (the rows show the other scales' sizes).
    void svgDrawing()
    {
        DRIVE("click CmdGrid; menu mnuCurve04");
        FileDialogs dialogs;
        dialogs.pictureNames << DialogService::PictureName{"sin.svg", Svg, {PictureOptions::OneCm, false, false, false}};
        windows().frmCurve()->mnuExport_Click();
        QXmlStreamReader xml(bytesOf("sin.svg"));
        int rects = 0;
        QStringList longest;
        double width = 0;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"svg")
                width = xml.attributes().value("width").chopped(2).toDouble();
            rects += xml.name() == u"rect";
            const QStringList points = xml.attributes().value("points").toString().split(u' ', Qt::SkipEmptyParts);
            if (xml.name() == u"polyline" && points.size() > longest.size())
                longest = points;
        }
        QCOMPARE(std::round(width / 18.4 * 100) / 100, 10.00);
        QCOMPARE(longest.value(0).section(u',', 0, 0).toDouble(), 1 + 7.0); // the line's middle, 7 twips on
        QCOMPARE(longest.value(longest.size() - 1).section(u',', 0, 0).toDouble(), 9199 + 7.0);
        for (qsizetype i = 1; i < longest.size(); ++i) { // each stretch's middle on sin x, within a twip: no corners
            const auto mid = [&](int c) { return (longest[i - 1].section(u',', c, c).toDouble() + longest[i].section(u',', c, c).toDouble()) / 2 - 7; };
            QVERIFY2(std::abs(mid(1) - (3400 - 500 * std::sin((mid(0) - 4600) / 500))) < 1, qPrintable(QString::number(mid(0))));
        }
        QVERIFY(rects <= 1);
    }

    // The PDF's one page is the surface at true size, 460 x 340 points: white before anything is
    // drawn but a point that is not a number, which is drawn nowhere; tan x never drawn across its
    // poles (twip columns), but close to them on either side; with the grid, its face embedded.
    void pdfPage()
    {
        FileDialogs dialogs;
        ImageSurface *surface = windows().frmCurve()->PicCurve;
        surface->PSet(4600, std::nanf(""));
        dialogs.save(Pdf, "empty.pdf");
        QImage white(230, 170, QImage::Format_Grayscale8); // 36 dpi
        white.fill(255);
        QCOMPARE(::pdfPage("empty.pdf", 36).convertToFormat(QImage::Format_Grayscale8), white);
        plotPreset(*surface, Presets[7], 500);
        dialogs.save(Pdf, "tan.pdf");
        const QImage tan = ::pdfPage("tan.pdf", 144); // ten twips a pixel
        const auto inkIn = [&](int from, int to) {
            int ink = 0;
            for (int x = from / 10; x < to / 10; ++x)
                for (int y = 0; y < tan.height(); ++y)
                    ink += qGray(tan.pixel(x, y)) < 200;
            return ink;
        };
        for (int pole : {673, 2244, 3815, 5385, 6956, 8527}) {
            QCOMPARE(inkIn(pole - 40, pole + 40), 0);
            QVERIFY(inkIn(pole - 200, pole - 40) > 10 && inkIn(pole + 40, pole + 200) > 10);
        }
        DRIVE("click CmdGrid");
        dialogs.save(Pdf, "grid.pdf");
        QProcess fonts;
        fonts.start("pdffonts", {"grid.pdf"});
        QVERIFY(fonts.waitForFinished(30000));
        const QStringList faces = QString::fromLatin1(fonts.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(faces.size(), 1);
        QCOMPARE(faces.first().section(u' ', -5, -5, QString::SectionSkipEmpty), "yes");
        QCOMPARE(dialogs.messages, QStringList());
    }

    void printed_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("width"); // pixels at 300 dpi: A4 595 points, 842 turned
        QTest::addColumn<double>("squareMm");
        // A4 within 10 mm margins leaves 190 x 277 mm for the 162.28 x 119.94 mm picture: fitted,
        // it grows by 190 / 119.94 on the page turned.
        QTest::newRow("true size") << int(PictureOptions::TrueSize) << false << 2480 << 8.82;
        QTest::newRow("1 cm") << int(PictureOptions::OneCm) << false << 2480 << 10.00;
        QTest::newRow("1 cm, bold lines") << int(PictureOptions::OneCm) << true << 2480 << 10.00;
        QTest::newRow("fit to page") << int(PictureOptions::FitToPage) << false << 3509 << 13.97;
    }
    // Printed centred within the margins, so the Y axis runs through the centre of the sheet, and
    // nothing in the margins. Bold, the Y axis is 0.6 mm wide, and the grid's small lines darker.
    void printed()
    {
        QFETCH(int, scale);
        QFETCH(bool, bold);
        QFETCH(int, width);
        QFETCH(double, squareMm);
        FileDialogs dialogs;
        dialogs.options = {PictureOptions::Scale(scale), bold, false, false};
        DRIVE("click CmdGrid");
        dialogs.save(Print, "printed.pdf");
        // A row 400 twips below the X axis, clear of labels; bold small lines are darker than 180.
        const QImage page = ::pdfPage("printed.pdf", 300);
        QCOMPARE(page.width(), width);
        const int row = page.height() / 2 + int(400 / 1440.0 * 300 * squareMm / 8.82);
        const QList<double> lines = linesAcross(page, row, true, bold ? 180 : 215);
        int axisWidth = 0;
        for (int x = width / 2 - 20; x < width / 2 + 20; ++x)
            axisWidth += qGray(page.pixel(x, row)) < 128;
        QVERIFY2(std::abs(axisWidth - (bold ? 0.6 : 15 / 1440.0 * 25.4 * squareMm / 8.82) / 25.4 * 300) <= 1.5,
                 qPrintable(QString::number(axisWidth)));
        const auto axis = std::find_if(lines.begin(), lines.end(), [&](double c) { return std::abs(c - width / 2) < 3; });
        QVERIFY(axis != lines.end() && axis + 1 != lines.end());
        QVERIFY2(std::abs(*(axis + 1) - *axis - squareMm / 25.4 * 300) < 1.5, qPrintable(QString::number(*(axis + 1) - *axis)));
        // The margins, 10 mm in whole points (28), are 116.7 pixels wide.
        int inMargins = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < width; ++x)
                if (x < 116 || x >= width - 116 || y < 116 || y >= page.height() - 116)
                    inMargins += qGray(page.pixel(x, y)) != 255;
        QCOMPARE(inMargins, 0);
    }
};

QTEST_MAIN(TstFiles)
#include "tst_files.moc"
