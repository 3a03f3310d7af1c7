#include "core/CommandLine.h"

#include <algorithm>
#include <string_view>

namespace {

bool IsQuitArgument(const std::wstring& argument) {
    static constexpr std::wstring_view word = L"quit";
    if (argument.size() != word.size() + 1 || (argument[0] != L'/' && argument[0] != L'-')) {
        return false;
    }
    // Compared in ASCII only, so the result does not depend on the user's locale.
    return std::equal(word.begin(), word.end(), argument.begin() + 1, [](wchar_t expected, wchar_t given) {
        return expected == (given >= L'A' && given <= L'Z' ? static_cast<wchar_t>(given - L'A' + L'a') : given);
    });
}

}  // namespace

bool IsQuitCommand(const std::vector<std::wstring>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), IsQuitArgument);
}
