#include "StandardStreams.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
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
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // Standard input was handed over non-blocking: wait until something arrives.
            pollfd ready{STDIN_FILENO, POLLIN, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        if (errno != EINTR) {
            setErrorString(QString::fromLocal8Bit(strerror(errno)));
            return -1;
        }
    }
}

qint64 StandardInput::writeData(const char*, qint64) {
    return -1;
}

void ReopenClosedStandardStreams() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
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
