#include "platform/savefile.h"

#include <QSaveFile>

#include <csignal>

namespace zelta {

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool writeAll(QIODevice &device, const QByteArray &bytes, QString &error)
{
    // A write that stops part-way (the disk filled up) reports no reason; the next one
    // fails with the system's reason, so write on until all is written or a write fails.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            error = device.errorString();
            return false;
        }
        done += written;
    }
    return true;
}

bool saveFile(const QString &fileName, const std::function<bool(QIODevice &, QString &)> &write, QString *error)
{
    ignoreFileSizeSignal();
    QSaveFile file(fileName);
    QString reason;
    // Unbuffered: commit() writes out a buffer without telling when that fails (a full disk),
    // and would put a cut-off file in place of the earlier one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
    } else if (write(file, reason)) {
        if (file.commit())
            return true;
        reason = file.errorString();
    }
    file.cancelWriting();
    if (error)
        *error = reason;
    return false;
}

} // namespace zelta
