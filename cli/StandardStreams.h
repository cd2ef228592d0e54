#pragma once

#include <QIODevice>

namespace zenthari::cli {

// Standard input as a device that hands over whatever has arrived, without waiting to fill the
// caller's buffer: a program that writes one request and waits gets its answer.
class StandardInput : public QIODevice {
public:
    StandardInput();
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;
};

// Standard input, output or error that the caller closed is opened on /dev/null, so that no
// file the program opens later takes its place and receives its answers or messages.
void ReopenClosedStandardStreams();

// Reads all of a device, but never more than `limit` + 1 bytes, so that the caller can tell
// an overlong input from one that fits.
QByteArray ReadAtMost(QIODevice& device, qint64 limit);

} // namespace zenthari::cli
