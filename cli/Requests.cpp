#include "Requests.h"

#include "BirthDate.h"
#include "Lagna.h"
#include "LagnaInformation.h"
#include "RisingSign.h"
#include "RisingSignProfile.h"
#include "SignCatalogue.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>

#include <array>
#include <cmath>
#include <span>

namespace zenthari::cli {

namespace {

// Beyond this many digits a number is out of every range; keeps the arithmetic safe.
constexpr long long ClampedMagnitude = 1'000'000'000'000LL;

QString fromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString joinNames(std::span<const std::string_view> names) {
    QStringList list;
    for (std::string_view name : names)
        list.append(fromCore(name));
    return list.join(QStringLiteral(", "));
}

std::optional<QString> rangeError(const char* name, long long value, int lowest, int highest) {
    if (value >= lowest && value <= highest)
        return std::nullopt;
    const QString given = value >= ClampedMagnitude || value <= -ClampedMagnitude
                              ? QStringLiteral("a number that large")
                              : QString::number(value);
    return QStringLiteral("%1 must be from %2 to %3, not %4")
        .arg(QLatin1String(name))
        .arg(lowest)
        .arg(highest)
        .arg(given);
}

// Month 1..12 and day 1..31 of a day that exists in some year (29 February does).
std::optional<QString> dateError(long long month, long long day) {
    if (auto error = rangeError("month", month, 1, 12))
        return error;
    if (auto error = rangeError("day", day, 1, 31))
        return error;
    if (!DayExistsInSomeYear(static_cast<int>(month), static_cast<int>(day)))
        return QStringLiteral("%1 %2 does not exist in any year")
            .arg(fromCore(EnglishMonthNames[static_cast<std::size_t>(month - 1)]))
            .arg(day);
    return std::nullopt;
}

AnswerField shortField(const char* name, QJsonValue value) {
    return AnswerField{QLatin1String(name), std::move(value), false};
}

AnswerField textField(const char* name, const std::string& text) {
    return AnswerField{QLatin1String(name), fromCore(text), false};
}

AnswerField longField(const char* name, const std::string& text) {
    return AnswerField{QLatin1String(name), fromCore(text), true};
}

bool isLongLagnaField(std::string_view name) {
    return name == "Looks" || name == "Nature" || name == "CareerAndFinance" ||
           name == "LoveAndDomesticLife" || name == "Health";
}

} // namespace

QString QuoteForMessage(const QString& text) {
    constexpr qsizetype Shown = 60;
    if (text.size() <= Shown)
        return QLatin1Char('"') + text + QLatin1Char('"');
    return QLatin1Char('"') + text.left(Shown) + QStringLiteral("...\"");
}

Answer SunSignAnswer(long long month, long long day) {
    if (auto error = dateError(month, day))
        return Answer::failure(*error);
    Answer answer;
    answer.fields.append(
        textField("SunSign", FindSunSign(static_cast<int>(month), static_cast<int>(day))));
    return answer;
}

Answer RisingSignAnswer(long long month, long long day, const QString& window) {
    if (auto error = dateError(month, day))
        return Answer::failure(*error);
    const std::string windowText = window.toStdString();
    if (!modRisingSign::TimeWindowPosition(windowText))
        return Answer::failure(QStringLiteral("unknown time window %1; the windows are %2")
                                   .arg(QuoteForMessage(window), joinNames(TimeWindowLabels)));

    const std::string sunSign = FindSunSign(static_cast<int>(month), static_cast<int>(day));
    const std::string key = modRisingSign::MakeRisingSignKey(sunSign, windowText);
    const std::string risingSign = modRisingSign::LookupRisingSign(key);
    const auto profile = FindRisingSignProfile(risingSign);
    if (risingSign.empty() || !profile)
        return Answer::failure(
            QStringLiteral("no rising sign is known for %1").arg(QuoteForMessage(fromCore(key))));

    Answer answer;
    answer.fields = {
        textField("SunSign", sunSign),
        textField("TimeWindow", windowText),
        textField("RisingSignKey", key),
        textField("RisingSign", risingSign),
        textField("RulingPlanet", profile->RulingPlanet),
        textField("Symbol", profile->Symbol),
        textField("Element", profile->Element),
        textField("SignColor", profile->SignColor),
        textField("TypeOfSign", profile->TypeOfSign),
        textField("LuckyDays", profile->LuckyDays),
        textField("LuckyNumbers", profile->LuckyNumbers),
        textField("LuckyDirection", profile->LuckyDirection),
        textField("LuckyColors", profile->LuckyColors),
        textField("LuckyGemstone", profile->LuckyGemstone),
        shortField("PictureNumber", profile->PictureNumber),
        longField("Looks", profile->Looks),
        longField("Nature", profile->Nature),
        longField("CareerAndFinance", profile->CareerAndFinance),
        longField("LoveAndDomesticLife", profile->LoveAndDomesticLife),
        longField("Health", profile->Health),
    };
    return answer;
}

Answer LagnaAnswer(long long month, long long day, long long hour, long long minute) {
    if (auto error = dateError(month, day))
        return Answer::failure(*error);
    if (auto error = rangeError("hour", hour, 0, 23))
        return Answer::failure(*error);
    if (auto error = rangeError("minute", minute, 0, 59))
        return Answer::failure(*error);

    const int m = static_cast<int>(month);
    const int d = static_cast<int>(day);
    const int h = static_cast<int>(hour);
    const int mi = static_cast<int>(minute);
    const SignIndex sign = ComputeLagnaSign(m, d, h, mi);
    Answer answer;
    answer.fields = {
        shortField("SignIndex", sign),
        AnswerField{QStringLiteral("VedicName"), fromCore(VedicSignNames[sign]), false},
        AnswerField{QStringLiteral("EnglishName"), fromCore(EnglishSignNames[sign]), false},
        shortField("LagnaMinuteCount", LagnaMinuteCount(m, d, h, mi)),
    };
    return answer;
}

Answer LagnaInfoAnswer(const QString& vedicName) {
    const auto sign = SignIndexOfVedicName(vedicName.toStdString());
    if (!sign)
        return Answer::failure(
            QStringLiteral("unknown Vedic sign name %1; the names are %2 (exact spelling and case)")
                .arg(QuoteForMessage(vedicName), joinNames(VedicSignNames)));

    const LagnaRecord record = LagnaCatalogueEntry(*sign);
    const auto values = LagnaFields(record);
    Answer answer;
    for (int i = 0; i < LagnaFieldCount; ++i) {
        const std::string_view name = LagnaFieldNames[static_cast<std::size_t>(i)];
        answer.fields.append(AnswerField{fromCore(name),
                                         fromCore(*values[static_cast<std::size_t>(i)]),
                                         isLongLagnaField(name)});
    }
    return answer;
}

std::optional<long long> ParseWholeNumber(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (value < ClampedMagnitude)
            value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

namespace {

struct OpDescription {
    const char* op;
    std::array<const char*, 4> arguments; // null-terminated when shorter
};

constexpr std::array<OpDescription, 4> Ops = {{
    {"sun-sign", {"month", "day", nullptr, nullptr}},
    {"rising-sign", {"month", "day", "window", nullptr}},
    {"lagna", {"month", "day", "hour", "minute"}},
    {"lagna-info", {"vedic", nullptr, nullptr, nullptr}},
}};

// Reads the request's arguments, remembering the first problem.
class RequestReader {
public:
    explicit RequestReader(const QJsonObject& request) : request_(request) {}

    long long number(const char* name) {
        const QJsonValue value = request_.value(QLatin1String(name));
        if (value.isUndefined())
            return fail(QStringLiteral("missing field \"%1\"").arg(QLatin1String(name)));
        if (!value.isDouble())
            return fail(QStringLiteral("\"%1\" must be a whole number").arg(QLatin1String(name)));
        const double d = value.toDouble();
        if (!std::isfinite(d) || d != std::floor(d))
            return fail(QStringLiteral("\"%1\" must be a whole number, not %2")
                            .arg(QLatin1String(name))
                            .arg(d));
        const double bound = static_cast<double>(ClampedMagnitude);
        return static_cast<long long>(d > bound ? bound : d < -bound ? -bound : d);
    }

    QString text(const char* name) {
        const QJsonValue value = request_.value(QLatin1String(name));
        if (value.isUndefined()) {
            fail(QStringLiteral("missing field \"%1\"").arg(QLatin1String(name)));
            return {};
        }
        if (!value.isString()) {
            fail(QStringLiteral("\"%1\" must be text").arg(QLatin1String(name)));
            return {};
        }
        return value.toString();
    }

    const std::optional<QString>& error() const { return error_; }

private:
    long long fail(QString message) {
        if (!error_)
            error_ = std::move(message);
        return 0;
    }

    const QJsonObject& request_;
    std::optional<QString> error_;
};

} // namespace

Answer AnswerRequest(const QJsonObject& request) {
    const QJsonValue opValue = request.value(QLatin1String("op"));
    if (opValue.isUndefined())
        return Answer::failure(
            QStringLiteral("missing field \"op\" (sun-sign, rising-sign, lagna or lagna-info)"));
    const QString op = opValue.toString();
    const OpDescription* description = nullptr;
    for (const OpDescription& candidate : Ops)
        if (opValue.isString() && op == QLatin1String(candidate.op))
            description = &candidate;
    if (!description)
        return Answer::failure(
            QStringLiteral("unknown op %1; the ops are sun-sign, rising-sign, lagna, lagna-info")
                .arg(opValue.isString() ? QuoteForMessage(op) : QStringLiteral("(not text)")));

    // A misspelt argument would otherwise be reported as missing, or silently ignored.
    for (auto it = request.begin(); it != request.end(); ++it) {
        if (it.key() == QLatin1String("op"))
            continue;
        bool known = false;
        for (const char* argument : description->arguments)
            known = known || (argument && it.key() == QLatin1String(argument));
        if (!known)
            return Answer::failure(QStringLiteral("field %1 does not belong to a %2 request")
                                       .arg(QuoteForMessage(it.key()), op));
    }

    RequestReader reader(request);
    Answer answer;
    if (op == QLatin1String("sun-sign")) {
        const long long month = reader.number("month");
        const long long day = reader.number("day");
        if (!reader.error())
            answer = SunSignAnswer(month, day);
    } else if (op == QLatin1String("rising-sign")) {
        const long long month = reader.number("month");
        const long long day = reader.number("day");
        const QString window = reader.text("window");
        if (!reader.error())
            answer = RisingSignAnswer(month, day, window);
    } else if (op == QLatin1String("lagna")) {
        const long long month = reader.number("month");
        const long long day = reader.number("day");
        const long long hour = reader.number("hour");
        const long long minute = reader.number("minute");
        if (!reader.error())
            answer = LagnaAnswer(month, day, hour, minute);
    } else {
        const QString vedic = reader.text("vedic");
        if (!reader.error())
            answer = LagnaInfoAnswer(vedic);
    }
    if (reader.error())
        return Answer::failure(*reader.error());
    return answer;
}

bool StartsLikeJsonObject(QByteArrayView text) {
    const QByteArrayView trimmed = text.trimmed();
    return !trimmed.isEmpty() && trimmed.front() == '{';
}

Answer AnswerBatchLine(QByteArrayView line) {
    if (!StartsLikeJsonObject(line))
        return Answer::failure(QStringLiteral("a request must be a JSON object, such as "
                                              "{\"op\":\"sun-sign\",\"month\":2,\"day\":29}"));
    QJsonParseError parseError{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(line.data(), line.size()), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Answer::failure(QStringLiteral("not valid JSON: %1 at character %2")
                                   .arg(parseError.errorString())
                                   .arg(parseError.offset));
    if (!document.isObject())
        return Answer::failure(QStringLiteral("a request must be a JSON object"));
    return AnswerRequest(document.object());
}

} // namespace zenthari::cli
