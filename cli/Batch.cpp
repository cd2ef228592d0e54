#include "Batch.h"

#include "Requests.h"

namespace zenthari::cli {

namespace {

constexpr qsizetype ReadChunkBytes = 256 * 1024;
constexpr qsizetype WriteChunkBytes = 256 * 1024;

bool isBlank(QByteArrayView line) {
    for (const char c : line)
        if (c != ' ' && c != '\t' && c != '\r')
            return false;
    return true;
}

class BatchRunner {
public:
    explicit BatchRunner(QIODevice& out) : out_(out) { buffer_.reserve(WriteChunkBytes * 2); }

    void line(QByteArrayView text) {
        ++lineNumber_;
        if (firstLine_) {
            firstLine_ = false;
            if (text.startsWith("\xEF\xBB\xBF"))
                text = text.sliced(3);
        }
        if (text.endsWith('\r'))
            text.chop(1);
        if (isBlank(text))
            return;
        Answer answer = AnswerBatchLine(text);
        if (!answer.ok())
            answer.error = QStringLiteral("line %1: %2").arg(lineNumber_).arg(answer.error);
        write(answer);
    }

    void overlongLine() {
        ++lineNumber_;
        firstLine_ = false;
        write(Answer::failure(QStringLiteral("line %1: request longer than %2 bytes; skipped")
                                  .arg(lineNumber_)
                                  .arg(MaxBatchLineBytes)));
    }

    bool flush() {
        if (!buffer_.isEmpty() && out_.write(buffer_) != buffer_.size())
            writeFailed_ = true;
        buffer_.clear();
        return !writeFailed_;
    }

    BatchResult result;
    bool writeFailed() const { return writeFailed_; }

private:
    void write(const Answer& answer) {
        AppendJsonLine(answer, buffer_);
        buffer_.append('\n');
        ++result.answered;
        if (!answer.ok())
            ++result.failed;
        if (buffer_.size() >= WriteChunkBytes)
            flush();
    }

    QIODevice& out_;
    QByteArray buffer_;
    bool firstLine_ = true;
    qint64 lineNumber_ = 0; // counts every input line, blank ones included
    bool writeFailed_ = false;
};

} // namespace

BatchResult RunBatch(QIODevice& in, QIODevice& out) {
    BatchRunner runner(out);
    QByteArray chunk(ReadChunkBytes, Qt::Uninitialized);
    QByteArray pending;      // the start of a line whose end has not been read yet
    bool discarding = false; // the current line passed the bound; drop it up to its end
    bool readFailed = false;

    while (!runner.writeFailed()) {
        const qint64 got = in.read(chunk.data(), chunk.size());
        if (got < 0) {
            readFailed = true;
            break;
        }
        if (got == 0) {
            // End of input, unless the device can still deliver more later (a process or socket).
            if (in.waitForReadyRead(-1))
                continue;
            break;
        }
        QByteArrayView data(chunk.constData(), got);
        while (!data.isEmpty()) {
            const qsizetype newline = data.indexOf('\n');
            const QByteArrayView piece = newline < 0 ? data : data.first(newline);
            if (!discarding && pending.size() + piece.size() > MaxBatchLineBytes) {
                discarding = true;
                pending.clear();
            }
            if (newline < 0) {
                if (!discarding)
                    pending.append(piece);
                break;
            }
            if (discarding) {
                runner.overlongLine();
                discarding = false;
            } else if (pending.isEmpty()) {
                runner.line(piece);
            } else {
                pending.append(piece);
                runner.line(pending);
                pending.clear();
            }
            data = data.sliced(newline + 1);
        }
        // The input has nothing more for now: hand over the answers so far, so that a program
        // talking to the batch line by line gets its answers without waiting for the end.
        if (got < chunk.size())
            runner.flush();
    }
    // The last line may lack its line end.
    if (!runner.writeFailed()) {
        if (discarding)
            runner.overlongLine();
        else if (!pending.isEmpty())
            runner.line(pending);
    }
    runner.flush();

    BatchResult result = runner.result;
    if (readFailed)
        result.streamError =
            QStringLiteral("could not read the requests: %1").arg(in.errorString());
    else if (runner.writeFailed())
        result.streamError =
            QStringLiteral("could not write the answers: %1").arg(out.errorString());
    result.exitStatus = !result.streamError.isEmpty() ? 2 : result.failed > 0 ? 1 : 0;
    return result;
}

} // namespace zenthari::cli
