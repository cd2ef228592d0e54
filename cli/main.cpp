// zenthari-cli: the calculators' rules for scripts and web sites, without windows.

#include "Batch.h"
#include "ReadingCommands.h"
#include "Requests.h"
#include "StandardStreams.h"

#include "LagnaInformation.h"
#include "Records.h"
#include "SignCatalogue.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <span>
#include <unistd.h>

using namespace zenthari;
using namespace zenthari::cli;

namespace {

constexpr int BadInput = 2;

QString names(std::span<const std::string_view> list) {
    QStringList out;
    for (std::string_view name : list)
        out.append(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    return out.join(QStringLiteral(", "));
}

bool writeTo(FILE* stream, const QByteArray& bytes) {
    const size_t written =
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    return std::fflush(stream) == 0 && written == static_cast<size_t>(bytes.size());
}

int fail(const QString& message);

// Prints on standard output; an answer that cannot be written is a failure, not a success.
int printOut(const QString& text) {
    if (writeTo(stdout, text.toUtf8()))
        return 0;
    return fail(QStringLiteral("could not write the answer: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno))));
}

int fail(const QString& message) {
    writeTo(stderr, (QStringLiteral("zenthari-cli: ") + message + QLatin1Char('\n')).toUtf8());
    return BadInput;
}

const QString GlobalHelp = QStringLiteral(R"(Usage: zenthari-cli <command> [options]

The rules of Zenthari's two calculators, without windows: the Western sun sign and rising sign
with its profile, and the Vedic ascendant (lagna) with its 27 facts. For scripts, and for web
sites that want the same answers as the program.

Commands:
  sun-sign     --month M --day D                        the Western sun sign
  rising-sign  --month M --day D --window W             the rising sign and its profile
  lagna        --month M --day D --hour H --minute MI   the Vedic ascendant sign
  lagna-info   --vedic NAME                             the 27 facts of a Vedic sign
  batch                                                 JSON Lines requests on standard input
  reading read FILE                                     a saved .ved reading as JSON
  reading write FILE                                    a .ved reading from JSON on standard input

Every command but batch and reading prints a readable answer, or one JSON object with --json.

Options:
  -h, --help     Show this help; "zenthari-cli <command> --help" explains a command.
  -v, --version  Show the version.

Exit status: 0 answered; 1 some batch line failed; 2 bad input, unknown command or a file
that cannot be read or written (the message goes to standard error).
)");

// Breaks text into lines of at most `width` characters at blanks; later lines get `indent`.
QString wrapped(const QString& text, const QString& indent = {}, qsizetype width = 88) {
    QString out;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            out += line + QLatin1Char('\n');
            line = indent;
        } else if (!line.isEmpty() && line != indent) {
            line += QLatin1Char(' ');
        }
        line += word;
    }
    return out + line;
}

struct CommandLine {
    QCommandLineParser parser;
    QString command;
    QString usage;
};

// The help of one command: its own usage line, then what QCommandLineParser lists.
QString commandHelp(const CommandLine& line, const QString& details) {
    // QCommandLineParser's own text, from its option list on; usage and description are ours.
    const QString parserText = line.parser.helpText();
    const QString options = parserText.mid(parserText.indexOf(QStringLiteral("\nOptions:")));
    return QStringLiteral("Usage: zenthari-cli %1 %2\n\n").arg(line.command, line.usage) +
           wrapped(line.parser.applicationDescription()) + QLatin1Char('\n') + options +
           (details.isEmpty() ? QString() : QLatin1Char('\n') + details);
}

QCommandLineOption numberOption(const QString& name, const QString& valueName,
                                const QString& description) {
    return QCommandLineOption(name, description, valueName);
}

const QCommandLineOption JsonOption(QStringLiteral("json"),
                                    QStringLiteral("Print one JSON object instead of text."));

// Parses the command's arguments; returns an exit status when the run ends here (help shown
// or an error reported).
std::optional<int> parseCommand(CommandLine& line, const QStringList& arguments,
                                const QString& details, int positionalCount = 0) {
    line.parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Our own help option: Qt's also offers --help-all, which speaks of options this program
    // does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    line.parser.addOption(help);
    if (!line.parser.parse(arguments))
        return fail(QStringLiteral("%1: %2 (see zenthari-cli %1 --help)")
                        .arg(line.command, line.parser.errorText()));
    if (line.parser.isSet(help))
        return printOut(commandHelp(line, details));
    if (line.parser.positionalArguments().size() > positionalCount)
        return fail(QStringLiteral("%1: unexpected argument %2 (see zenthari-cli %1 --help)")
                        .arg(line.command, QuoteForMessage(line.parser.positionalArguments().at(
                                               positionalCount))));
    return std::nullopt;
}

// Reads a required whole-number option, or reports why it cannot.
std::optional<long long> numberValue(const CommandLine& line, const QString& name, QString& error) {
    if (!error.isEmpty())
        return std::nullopt;
    if (!line.parser.isSet(name)) {
        error =
            QStringLiteral("%1: missing --%2 (see zenthari-cli %1 --help)").arg(line.command, name);
        return std::nullopt;
    }
    const QString text = line.parser.value(name);
    const auto value = ParseWholeNumber(text);
    if (!value)
        error =
            QStringLiteral("%1 must be a whole number, not %2").arg(name, QuoteForMessage(text));
    return value;
}

QString textValue(const CommandLine& line, const QString& name, QString& error) {
    if (error.isEmpty() && !line.parser.isSet(name))
        error =
            QStringLiteral("%1: missing --%2 (see zenthari-cli %1 --help)").arg(line.command, name);
    return line.parser.value(name);
}

int printAnswer(const Answer& answer, bool json) {
    if (!answer.ok())
        return fail(answer.error);
    if (json)
        return printOut(QString::fromUtf8(ToJsonLine(answer)) + QLatin1Char('\n'));
    return printOut(ToReadableText(answer));
}

const QString MonthHelp = QStringLiteral("Birth month, 1 (January) to 12 (December).");
const QString DayHelp =
    QStringLiteral("Day of the month, 1 to 31; a day no year has (30 February) is refused.");

int runSunSign(const QStringList& arguments) {
    CommandLine line;
    line.command = QStringLiteral("sun-sign");
    line.usage = QStringLiteral("--month M --day D [--json]");
    line.parser.setApplicationDescription(
        QStringLiteral("The Western sun sign of a birth month and day; the year plays no part."));
    line.parser.addOptions({numberOption(QStringLiteral("month"), QStringLiteral("M"), MonthHelp),
                            numberOption(QStringLiteral("day"), QStringLiteral("D"), DayHelp),
                            JsonOption});
    if (auto done =
            parseCommand(line, arguments,
                         QStringLiteral("Example: zenthari-cli sun-sign --month 2 --day 29\n"
                                        "  Sun sign: Pisces\n"
                                        "JSON field: SunSign.\n")))
        return *done;
    QString error;
    const auto month = numberValue(line, QStringLiteral("month"), error);
    const auto day = numberValue(line, QStringLiteral("day"), error);
    if (!error.isEmpty())
        return fail(error);
    return printAnswer(SunSignAnswer(*month, *day), line.parser.isSet(JsonOption));
}

int runRisingSign(const QStringList& arguments) {
    CommandLine line;
    line.command = QStringLiteral("rising-sign");
    line.usage = QStringLiteral("--month M --day D --window W [--json]");
    line.parser.setApplicationDescription(
        QStringLiteral("The rising sign for a birth date and two-hour birth-time window, with the "
                       "rising sign's profile."));
    line.parser.addOptions(
        {numberOption(QStringLiteral("month"), QStringLiteral("M"), MonthHelp),
         numberOption(QStringLiteral("day"), QStringLiteral("D"), DayHelp),
         QCommandLineOption(QStringLiteral("window"),
                            QStringLiteral("Birth-time window, exactly one of: ") +
                                names(TimeWindowLabels) + QLatin1Char('.'),
                            QStringLiteral("W")),
         JsonOption});
    if (auto done = parseCommand(
            line, arguments,
            QStringLiteral(
                "Example: zenthari-cli rising-sign --month 8 --day 1 --window 10am-noon\n"
                "  Sun sign: Leo ... Rising sign: Scorpio, then the profile.\n"
                "JSON fields: SunSign, TimeWindow, RisingSignKey, RisingSign, RulingPlanet, "
                "Symbol,\nElement, SignColor, TypeOfSign, LuckyDays, LuckyNumbers, LuckyDirection, "
                "LuckyColors,\nLuckyGemstone, PictureNumber, Looks, Nature, CareerAndFinance, "
                "LoveAndDomesticLife, Health.\n")))
        return *done;
    QString error;
    const auto month = numberValue(line, QStringLiteral("month"), error);
    const auto day = numberValue(line, QStringLiteral("day"), error);
    const QString window = textValue(line, QStringLiteral("window"), error);
    if (!error.isEmpty())
        return fail(error);
    return printAnswer(RisingSignAnswer(*month, *day, window), line.parser.isSet(JsonOption));
}

int runLagna(const QStringList& arguments) {
    CommandLine line;
    line.command = QStringLiteral("lagna");
    line.usage = QStringLiteral("--month M --day D --hour H --minute MI [--json]");
    line.parser.setApplicationDescription(
        QStringLiteral("The Vedic ascendant (lagna) sign of a birth month, day and clock time. "
                       "Year, seconds and place do not change it."));
    line.parser.addOptions({numberOption(QStringLiteral("month"), QStringLiteral("M"), MonthHelp),
                            numberOption(QStringLiteral("day"), QStringLiteral("D"), DayHelp),
                            numberOption(QStringLiteral("hour"), QStringLiteral("H"),
                                         QStringLiteral("Hour of birth, 0 to 23.")),
                            numberOption(QStringLiteral("minute"), QStringLiteral("MI"),
                                         QStringLiteral("Minute of birth, 0 to 59.")),
                            JsonOption});
    if (auto done = parseCommand(
            line, arguments,
            QStringLiteral("Example: zenthari-cli lagna --month 3 --day 15 --hour 10 --minute 30\n"
                           "  Vedic name: Vrishabha (Taurus), lagna minute count 246.\n"
                           "JSON fields: SignIndex (0 Aries ... 11 Pisces), VedicName, "
                           "EnglishName,\nLagnaMinuteCount (folded into 1..1440).\n")))
        return *done;
    QString error;
    const auto month = numberValue(line, QStringLiteral("month"), error);
    const auto day = numberValue(line, QStringLiteral("day"), error);
    const auto hour = numberValue(line, QStringLiteral("hour"), error);
    const auto minute = numberValue(line, QStringLiteral("minute"), error);
    if (!error.isEmpty())
        return fail(error);
    return printAnswer(LagnaAnswer(*month, *day, *hour, *minute), line.parser.isSet(JsonOption));
}

int runLagnaInfo(const QStringList& arguments) {
    CommandLine line;
    line.command = QStringLiteral("lagna-info");
    line.usage = QStringLiteral("--vedic NAME [--json]");
    line.parser.setApplicationDescription(
        QStringLiteral("The 27 facts of a Vedic ascendant sign."));
    line.parser.addOptions(
        {QCommandLineOption(
             QStringLiteral("vedic"),
             QStringLiteral("Vedic sign name, exactly (case-sensitive, no blanks): ") +
                 names(VedicSignNames) + QLatin1Char('.'),
             QStringLiteral("NAME")),
         JsonOption});
    if (auto done = parseCommand(line, arguments,
                                 QStringLiteral("Example: zenthari-cli lagna-info --vedic Thula\n"
                                                "") +
                                     wrapped(QStringLiteral("JSON fields: ") +
                                             names(LagnaFieldNames) + QLatin1Char('.')) +
                                     QLatin1Char('\n')))
        return *done;
    QString error;
    const QString vedic = textValue(line, QStringLiteral("vedic"), error);
    if (!error.isEmpty())
        return fail(error);
    return printAnswer(LagnaInfoAnswer(vedic), line.parser.isSet(JsonOption));
}

int runBatch(const QStringList& arguments) {
    CommandLine line;
    line.command = QStringLiteral("batch");
    line.usage = QStringLiteral("< requests.jsonl > answers.jsonl");
    line.parser.setApplicationDescription(QStringLiteral(
        "Answers JSON Lines: one request object per line on standard input, one answer object "
        "per line on standard output, in the same order."));
    if (auto done = parseCommand(
            line, arguments,
            QStringLiteral(
                "Requests (the same arguments as the commands):\n"
                "  {\"op\":\"sun-sign\",\"month\":2,\"day\":29}\n"
                "  {\"op\":\"rising-sign\",\"month\":8,\"day\":1,\"window\":\"10am-noon\"}\n"
                "  {\"op\":\"lagna\",\"month\":3,\"day\":15,\"hour\":10,\"minute\":30}\n"
                "  {\"op\":\"lagna-info\",\"vedic\":\"Thula\"}\n"
                "Numbers are JSON numbers, names JSON strings; any other field is refused.\n"
                "The answer objects have the fields of the commands' --json output. A line that "
                "is not a\nvalid request is answered with {\"error\":\"line N: ...\"} and the "
                "batch goes "
                "on. Blank lines are\nskipped without an answer, so answers pair with the "
                "non-blank lines in order. A line\nlonger than 65536 bytes is answered with an "
                "error and skipped.\nAnswers are written whenever the input pauses, so a program "
                "can "
                "talk to the batch\nline by line.\nExit status: 0 every line answered, 1 some line "
                "answered "
                "with an error, 2 input or\noutput failed.\n")))
        return *done;

    StandardInput in;
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("cannot write to standard output: %1").arg(out.errorString()));
    const BatchResult result = RunBatch(in, out);
    if (!result.streamError.isEmpty())
        return fail(result.streamError);
    return result.exitStatus;
}

int runReading(const QStringList& arguments) {
    CommandLine line;
    line.command = QStringLiteral("reading");
    line.usage = QStringLiteral("read FILE | write FILE");
    line.parser.setApplicationDescription(QStringLiteral(
        "Saved ascendant readings (.ved files, as the program saves and opens them)."));
    // The answer is always JSON; --json is taken as well, so that scripts can pass it everywhere.
    line.parser.addOption(QCommandLineOption(
        QStringLiteral("json"), QStringLiteral("Taken for symmetry: read always prints JSON.")));
    line.parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("read or write."));
    line.parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The reading file."));
    if (auto done = parseCommand(
            line, arguments,
            QStringLiteral(
                "read FILE   prints the file's 15 fields as one JSON object.\n"
                "write FILE  reads one such JSON object from standard input and writes the file; "
                "the\n            object must have exactly these 15 fields, each a JSON string:\n"
                "            ") +
                wrapped(names(ReadingFieldNames), QStringLiteral("            "), 90) +
                QStringLiteral(
                    ".\n            Anything else is refused and nothing is written. Characters "
                    "the file cannot\n            hold are left out, with a warning.\n"
                    "Example: zenthari-cli reading read asha.ved > asha.json\n"
                    "         zenthari-cli reading write copy.ved < asha.json\n"),
            2))
        return *done;
    const QStringList positional = line.parser.positionalArguments();
    if (positional.isEmpty())
        return fail(QStringLiteral("reading: say read FILE or write FILE (see zenthari-cli "
                                   "reading --help)"));
    const QString action = positional.at(0);
    if (action != QLatin1String("read") && action != QLatin1String("write"))
        return fail(QStringLiteral("reading: unknown action %1; use read FILE or write FILE")
                        .arg(QuoteForMessage(action)));
    if (positional.size() < 2)
        return fail(QStringLiteral("reading %1: missing FILE").arg(action));
    const QString path = positional.at(1);

    QString messages;
    int status = 0;
    if (action == QLatin1String("read")) {
        QFile out;
        if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered))
            return fail(
                QStringLiteral("cannot write to standard output: %1").arg(out.errorString()));
        status = RunReadingRead(path, out, messages);
    } else {
        StandardInput in;
        const QByteArray json = ReadAtMost(in, MaxReadingJsonBytes);
        status = RunReadingWrite(path, json, messages);
    }
    if (status != 0)
        return fail(messages);
    if (!messages.isEmpty())
        writeTo(stderr, (QStringLiteral("zenthari-cli: ") + messages + QLatin1Char('\n')).toUtf8());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    ReopenClosedStandardStreams();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zenthari-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTHARI_VERSION));

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        writeTo(stderr, GlobalHelp.toUtf8());
        return BadInput;
    }
    const QString command = arguments.at(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help"))
        return printOut(GlobalHelp);
    if (command == QLatin1String("--version") || command == QLatin1String("-v"))
        return printOut(
            QStringLiteral("zenthari-cli %1\n").arg(QCoreApplication::applicationVersion()));

    // The command's own parser sees the program name and the arguments after the command.
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.at(0));
    const std::array<std::pair<const char*, std::function<int(const QStringList&)>>, 6> commands = {
        {{"sun-sign", runSunSign},
         {"rising-sign", runRisingSign},
         {"lagna", runLagna},
         {"lagna-info", runLagnaInfo},
         {"batch", runBatch},
         {"reading", runReading}}};
    for (const auto& [name, run] : commands)
        if (command == QLatin1String(name))
            return run(rest);
    return fail(QStringLiteral("unknown command %1; the commands are sun-sign, rising-sign, lagna, "
                               "lagna-info, batch and reading (see zenthari-cli --help)")
                    .arg(QuoteForMessage(command)));
}
