#include "Texts.h"

#include "TextsSource.h"

#include <array>

namespace zenthari {

namespace {

constexpr std::array<std::string_view, 5> SectionNames = {"Looks", "Nature", "CareerAndFinance",
                                                          "LoveAndDomesticLife", "Health"};

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    return line;
}

std::array<LongTexts, SignCount> parseAll(const std::array<std::string_view, SignCount>& sources) {
    std::array<LongTexts, SignCount> all{};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (auto texts = ParseTextFile(sources[i]))
            all[i] = *texts;
    }
    return all;
}

} // namespace

std::optional<LongTexts> ParseTextFile(std::string_view source, std::string* error) {
    auto fail = [error](std::string why) -> std::optional<LongTexts> {
        if (error)
            *error = std::move(why);
        return std::nullopt;
    };
    std::array<std::string_view, SectionNames.size()> paragraphs{};
    int section = -1;
    std::size_t pos = 0;
    while (pos <= source.size()) {
        std::size_t end = source.find('\n', pos);
        if (end == std::string_view::npos)
            end = source.size();
        const std::string_view line = trimmed(source.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string_view name = line.substr(1, line.size() - 2);
            const auto next = static_cast<std::size_t>(section + 1);
            if (next >= SectionNames.size() || SectionNames[next] != name)
                return fail("unexpected section [" + std::string(name) + "]");
            section = static_cast<int>(next);
            continue;
        }
        if (section < 0)
            return fail("text before the first section");
        auto& paragraph = paragraphs[static_cast<std::size_t>(section)];
        if (!paragraph.empty())
            return fail("section [" + std::string(SectionNames[static_cast<std::size_t>(section)]) +
                        "] has more than one paragraph line");
        paragraph = line;
    }
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (paragraphs[i].empty())
            return fail("section [" + std::string(SectionNames[i]) + "] is missing or empty");
    }
    return LongTexts{paragraphs[0], paragraphs[1], paragraphs[2], paragraphs[3], paragraphs[4]};
}

const LongTexts& RisingSignTexts(SignIndex sign) {
    static const auto all = parseAll(risingTextSources());
    return all[static_cast<std::size_t>(sign)];
}

const LongTexts& LagnaTexts(SignIndex sign) {
    static const auto all = parseAll(lagnaTextSources());
    return all[static_cast<std::size_t>(sign)];
}

} // namespace zenthari
