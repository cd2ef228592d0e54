#include "StandardStreams.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace zenthari::cli {

StandardInput::StandardInput() {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 StandardInput::readData(char* data, qint64 maxSize) {
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, data, static_cast<size_t>(maxSize));
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            setErrorString(QString::fromLocal8Bit(strerror(errno)));
            return -1;
        }
    }
}

qint64 StandardInput::writeData(const char*, qint64) {
    return -1;
}

QByteArray ReadAtMost(QIODevice& device, qint64 limit) {
    QByteArray all;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    while (all.size() <= limit) {
        const qint64 got = device.read(chunk.data(), chunk.size());
        if (got <= 0)
            break;
        all.append(chunk.constData(), got);
    }
    if (all.size() > limit + 1)
        all.truncate(limit + 1);
    return all;
}

} // namespace zenthari::cli
