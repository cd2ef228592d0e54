#include "ReadingFileIO.h"

#include "ReadingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string>

namespace ReadingFileIO {

zenthari::ReadingRecord ReadReadingFile(const QString& path) {
    // Only a plain file is read: a folder holds no reading, and a named pipe or a device could
    // keep the program waiting for ever.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(static_cast<qint64>(zenthari::MaxReadingFileBytes));
    return zenthari::DecodeReadingFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace ReadingFileIO

bool WriteReadingFile(const QString& path, const zenthari::ReadingRecord& reading, QString* error) {
    const std::string bytes = zenthari::EncodeReadingFile(reading);
    QSaveFile file(path);
    // Unbuffered, so that a write that fails (a full disk) is seen here: a failure while the
    // buffer is flushed at commit would otherwise go unnoticed and replace the old file with a
    // truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    qint64 written = 0;
    while (written < size) {
        // A short write is retried; the retry reports why the rest does not fit.
        const qint64 chunk = file.write(bytes.data() + written, size - written);
        if (chunk <= 0) {
            if (error)
                *error = file.errorString();
            file.cancelWriting();
            return false;
        }
        written += chunk;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
