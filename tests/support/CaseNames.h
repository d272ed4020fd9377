#pragma once
// Table cases of parameterised GoogleTest tests under readable names: each
// case is named after its `name` member, so ctest lists "Suite/down_by_3"
// rather than "Suite/7".
#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quillon::test {

// A test name may hold letters, digits and '_' only.
inline std::string testNameOf(std::string_view name)
{
    std::string out(name);
    for (char &ch : out) {
        const auto u = static_cast<unsigned char>(ch);
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')))
            ch = '_';
    }
    return out;
}

// The name generator of INSTANTIATE_TEST_SUITE_P for cases with a `name`.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case> &info) const
    {
        return testNameOf(info.param.name);
    }
};

} // namespace quillon::test
