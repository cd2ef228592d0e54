// Arbitrary bytes as a request line and as a whole batch for zenthari-cli: every answer is one
// line of valid JSON, an answer or an error, and a batch answers each non-blank line once.
#include "FuzzCheck.h"

#include "Answer.h"
#include "Batch.h"
#include "Requests.h"

#include <QBuffer>
#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>

using namespace zenthari::cli;

namespace {

QJsonObject parsedObject(const QByteArray& jsonLine) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(jsonLine, &error);
    FUZZ_CHECK(error.error == QJsonParseError::NoError);
    FUZZ_CHECK(document.isObject());
    return document.object();
}

void checkLine(QByteArrayView line) {
    const Answer answer = AnswerBatchLine(line);
    FUZZ_CHECK(!answer.ok() || !answer.fields.isEmpty());
    FUZZ_CHECK(answer.ok() || !answer.error.trimmed().isEmpty());

    const QByteArray json = ToJsonLine(answer);
    FUZZ_CHECK(!json.contains('\n') && !json.contains('\r'));
    const QJsonObject object = parsedObject(json);
    FUZZ_CHECK(object == ToJsonObject(answer));
    FUZZ_CHECK(answer.ok() ? !object.contains(QStringLiteral("error"))
                           : object.value(QStringLiteral("error")).toString() == answer.error);
    // The same line always gets the same answer.
    FUZZ_CHECK(ToJsonLine(AnswerBatchLine(line)) == json);
}

// Lines a batch must answer: all but those of nothing but blanks, tabs and CRs; a line past the
// length bound is answered (with an error) whatever it holds.
qint64 linesToAnswer(QByteArrayView input) {
    if (input.startsWith("\xEF\xBB\xBF"))
        input = input.sliced(3);
    qint64 count = 0;
    while (!input.isEmpty()) {
        const qsizetype end = input.indexOf('\n');
        const QByteArrayView line = end < 0 ? input : input.first(end);
        bool blank = true;
        for (char c : line)
            blank = blank && (c == ' ' || c == '\t' || c == '\r');
        if (!blank || line.size() > MaxBatchLineBytes)
            ++count;
        input = end < 0 ? QByteArrayView() : input.sliced(end + 1);
    }
    return count;
}

void checkBatch(QByteArrayView input) {
    QByteArray inputBytes = input.toByteArray();
    QBuffer in(&inputBytes);
    in.open(QIODevice::ReadOnly);
    QByteArray outputBytes;
    QBuffer out(&outputBytes);
    out.open(QIODevice::WriteOnly);
    const BatchResult result = RunBatch(in, out);

    FUZZ_CHECK(result.streamError.isEmpty());
    FUZZ_CHECK(result.answered == linesToAnswer(input));
    FUZZ_CHECK(result.failed <= result.answered);
    FUZZ_CHECK(result.exitStatus == (result.failed > 0 ? 1 : 0));
    FUZZ_CHECK(outputBytes.count('\n') == result.answered);
    FUZZ_CHECK(outputBytes.isEmpty() || outputBytes.endsWith('\n'));
    qint64 errors = 0;
    for (const QByteArray& line : outputBytes.split('\n')) {
        if (line.isEmpty())
            continue;
        if (parsedObject(line).contains(QStringLiteral("error")))
            ++errors;
    }
    FUZZ_CHECK(errors == result.failed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkLine(input);
    checkBatch(input);
    return 0;
}
