#include "platform/savefile.h"

#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <cstring>

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

bool saveFileByName(const QString &fileName, const std::function<bool(const QString &)> &write,
                    const std::function<bool(const QByteArray &)> &complete, QString *error)
{
    ignoreFileSizeSignal();
    // Beside the file: on the same disk, under the same limits.
    QTemporaryFile written(fileName + QStringLiteral(".XXXXXX"));
    QString reason;
    if (!written.open()) {
        reason = written.errorString();
    } else {
        errno = 0;
        const bool ended = write(written.fileName());
        // The writer's last act is to close its file, so a failed write there left the reason.
        const int cause = errno;
        const QByteArray bytes = written.readAll();
        // Then written as every file is, with the permissions a new or replaced file gets.
        if (ended && complete(bytes))
            return saveFile(
                fileName, [&bytes](QIODevice &device, QString &why) { return writeAll(device, bytes, why); }, error);
        reason = cause ? QString::fromLocal8Bit(std::strerror(cause)) : QStringLiteral("it was not written whole");
    }
    if (error)
        *error = reason;
    return false;
}

} // namespace zelta
