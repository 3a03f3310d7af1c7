#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>

// Names each case of a parameterised test after its row, so that a failing row says which it is:
// the row's `name`, or the row itself where it is a text. A case name takes letters, digits and '_'
// only, so the '-' of a language tag or a file name becomes '_'.
struct TCaseName {
    template <typename TRow>
    std::string operator()(const testing::TestParamInfo<TRow>& info) const {
        std::string name;
        if constexpr (std::is_convertible_v<const TRow&, std::string>) {
            name = info.param;
        } else {
            name = info.param.name;
        }
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    }
};
