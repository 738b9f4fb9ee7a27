// Reading pictures back as a user's tools show them: PDF pages rendered by poppler, and the
// grid's lines found and measured on them.
#pragma once

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QStringList>

// A PDF's first page rendered by poppler in grey at a resolution; optionally a part of it.
inline QImage pdfPage(const QString &file, int dpi, QRect part = {})
{
    QStringList args{"-gray", "-r", QString::number(dpi), "-singlefile"};
    if (!part.isNull())
        args << "-x" << QString::number(part.x()) << "-y" << QString::number(part.y()) << "-W"
             << QString::number(part.width()) << "-H" << QString::number(part.height());
    QProcess poppler;
    poppler.start("pdftoppm", args << file);
    poppler.waitForFinished(60000);
    return QImage::fromData(poppler.readAllStandardOutput(), "PGM");
}

// Centres of the runs of pixels darker than a grey level along a row (or a column) of a picture.
inline QList<double> linesAcross(const QImage &picture, int at, bool alongRow, int below)
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
