#include "core/LanguageChoice.h"

#include <algorithm>

namespace {

// A LANGID keeps its primary language in the low ten bits; a zero region is the neutral one.
constexpr std::uint16_t PrimaryMask = 0x03ff;
constexpr std::uint16_t English = 0x0009;

}  // namespace

std::uint16_t ChooseLanguage(std::uint16_t user, const std::vector<std::uint16_t>& available) {
    const auto has = [&](std::uint16_t language) {
        return std::find(available.begin(), available.end(), language) != available.end();
    };
    const auto primary = static_cast<std::uint16_t>(user & PrimaryMask);
    if (has(user)) {
        return user;
    }
    if (has(primary)) {
        return primary;
    }
    const auto sameLanguage = std::find_if(available.begin(), available.end(), [&](std::uint16_t language) {
        return (language & PrimaryMask) == primary;
    });
    return sameLanguage != available.end() ? *sameLanguage : English;
}
