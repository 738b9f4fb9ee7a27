// Files written whole or not at all: a failed save leaves the earlier file as it was.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace zelta {

// A write past the file-size limit (ulimit -f) then fails with "File too large" instead of
// ending the program. Every save does it; start-up does it for the whole program.
void ignoreFileSizeSignal();

// Writes all the bytes; on failure the reason is in error.
bool writeAll(QIODevice &device, const QByteArray &bytes, QString &error);

// Writes the file through write() into a temporary beside it, which replaces the file only when
// everything was written; on failure the reason is in *error.
bool saveFile(const QString &fileName, const std::function<bool(QIODevice &, QString &)> &write,
              QString *error = nullptr);

// As saveFile, for a writer that opens the file by its name itself (a printer) and does not tell
// when a write fails: it writes a temporary beside the file, which complete() must find whole.
bool saveFileByName(const QString &fileName, const std::function<bool(const QString &)> &write,
                    const std::function<bool(const QByteArray &)> &complete, QString *error = nullptr);

} // namespace zelta
