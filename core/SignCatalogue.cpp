#include "SignCatalogue.h"

#include <algorithm>

namespace zenthari {

namespace {
std::optional<SignIndex> indexIn(const std::array<std::string_view, SignCount>& names,
                                 std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<SignIndex>(found - names.begin());
}
} // namespace

std::optional<SignIndex> SignIndexOfEnglishName(std::string_view name) {
    return indexIn(EnglishSignNames, name);
}

std::optional<SignIndex> SignIndexOfVedicName(std::string_view name) {
    return indexIn(VedicSignNames, name);
}

} // namespace zenthari
