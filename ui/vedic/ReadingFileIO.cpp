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
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
